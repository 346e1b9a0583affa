// The sensitivity chart and table, and the view that holds them side by side.
#include "ui/analysis/sensitivity_view.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineSeries>
#include <QPen>
#include <QSplitter>
#include <QTableWidget>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "analysis/mix_analysis.h"
#include "ui/analysis/damage_charts.h"
#include "units/number_text.h"

namespace {

const QColor kDesignColour(214, 39, 40);
constexpr double kSmallestFactor = 0.5, kLargestFactor = 2;
constexpr int kTableWidth = 380, kChartWidth = 720;

QString Text(const std::string& text) { return QString::fromStdString(text); }

QString FactorText(double factor) { return QString(QChar(0x00D7)) + ' ' + QString::number(factor, 'g', 3); }

// The change in the unit in force as "+0.9", "-1.2" or "0.0".
QString ChangeText(double change) {
  const std::string magnitude = FormatDecimals(std::fabs(change), 1);
  if (magnitude == FormatDecimals(0, 1)) return Text(magnitude);
  return (change > 0 ? "+" : "-") + Text(magnitude);
}

// The factor axis: log2 of the factor on a linear axis, labelled with the factors themselves.
QCategoryAxis* FactorAxis() {
  auto* axis = new QCategoryAxis;
  axis->setTitleText(ChartText(QObject::tr("Input scaled by (logarithmic)")));
  axis->setRange(std::log2(kSmallestFactor) - 0.05, std::log2(kLargestFactor) + 0.05);
  axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  // Upright: x 1.1 and x 1.2 lie closer than their labels are wide at the narrowest the chart gets.
  axis->setLabelsAngle(-90);
  for (const double factor : {0.5, 0.8, 0.9, 1.0, 1.1, 1.2, 2.0})
    axis->append(ChartText(FactorText(factor)), std::log2(factor));
  return axis;
}

}  // namespace

QChart* SensitivityChart(const Sensitivity& s) {
  auto* chart = new QChart;
  chart->setBackgroundRoundness(0);
  const QString unit = ThicknessUnit(s.metric);
  chart->setTitle(ChartText(QObject::tr("Design thickness with one input scaled")));
  const double design = UnitSystemOf(s.metric).Length(s.designIn);
  // Only finite thicknesses are drawn and set the axis: without any, the axis spans the largest slab. A
  // search of the unscaled inputs that found no design gives the lines no point at x 1, and no line.
  const bool designed = s.verdict == DesignVerdict::kCarried;
  const bool designDrawn = designed && std::isfinite(design);
  double low = designDrawn ? design : 0, high = designDrawn ? design : UnitSystemOf(s.metric).MaxThickness();

  QList<QLineSeries*> lines;
  for (const SensitivityInput input :
       {SensitivityInput::kE, SensitivityInput::kSc, SensitivityInput::kK, SensitivityInput::kDepartures}) {
    auto* line = new QLineSeries;
    line->setName(ChartText(SensitivityInputName(input)));
    line->setPointsVisible(true);
    QList<QPointF> points;
    if (designDrawn) points << QPointF(0, design);
    for (const SensitivityCase& c : s.cases) {
      const double shown = UnitSystemOf(s.metric).Length(c.thicknessIn);
      if (c.input != input || !IsDesign(c) || !std::isfinite(shown)) continue;
      points << QPointF(std::log2(c.factor), shown);
      low = std::min(low, shown);
      high = std::max(high, shown);
    }
    std::sort(points.begin(), points.end(), [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    line->append(points);
    lines << line;
  }
  if (designed) {
    auto* designLine = new QLineSeries;
    designLine->setName(ChartText(QObject::tr(kDesignLineName) + ' ' + Text(s.designCaption) + ' ' + unit));
    designLine->setPen(QPen(kDesignColour, 2, Qt::DashLine));
    if (designDrawn) designLine->append({{std::log2(kSmallestFactor), design}, {std::log2(kLargestFactor), design}});
    lines << designLine;
  }

  QCategoryAxis* factors = FactorAxis();
  auto* thickness = new QValueAxis;
  thickness->setTitleText(ChartText(QObject::tr("Design thickness (%1)").arg(unit)));
  const double margin = std::max((high - low) * 0.1, 0.5);
  thickness->setRange(std::max(low - margin, 0.0), high + margin);  // no slab is thinner than none
  thickness->applyNiceNumbers();                                    // ticks at round thicknesses
  thickness->setLabelFormat("%g");
  chart->addAxis(factors, Qt::AlignBottom);
  chart->addAxis(thickness, Qt::AlignLeft);
  for (QLineSeries* line : lines) {
    chart->addSeries(line);
    line->attachAxis(factors);
    line->attachAxis(thickness);
  }
  chart->legend()->setAlignment(Qt::AlignBottom);
  return chart;
}

QList<QStringList> SensitivityRows(const Sensitivity& s) {
  const double design = LeadingNumber(s.designCaption);
  // A change needs two designs: the case's and the unscaled one.
  const bool designed = s.verdict == DesignVerdict::kCarried;
  QList<QStringList> rows{
      {QObject::tr("as designed"), FactorText(1), Text(s.designCaption), designed ? ChangeText(0) : QString()}};
  for (const SensitivityCase& c : s.cases) {
    // The change is that of the thicknesses as shown, so that the table's columns agree.
    const QString change = designed && IsDesign(c) ? ChangeText(LeadingNumber(c.caption) - design) : QString();
    rows << QStringList{Text(c.inputName), FactorText(c.factor), Text(c.caption), change};
  }
  return rows;
}

SensitivityView::SensitivityView(QWidget* parent) : QWidget(parent) {
  chtSensitivity = new QChartView;
  chtSensitivity->setObjectName("chtSensitivity");
  chtSensitivity->setRenderHint(QPainter::Antialiasing);
  chtSensitivity->setFrameShape(QFrame::NoFrame);
  chtSensitivity->setMinimumSize(420, 320);
  GridSensitivity = new QTableWidget;
  GridSensitivity->setObjectName("GridSensitivity");
  GridSensitivity->setEditTriggers(QAbstractItemView::NoEditTriggers);
  GridSensitivity->verticalHeader()->hide();
  GridSensitivity->verticalHeader()->setDefaultSectionSize(GridSensitivity->fontMetrics().height() + 6);
  auto* splitter = new QSplitter(Qt::Horizontal);
  splitter->addWidget(chtSensitivity);
  splitter->addWidget(GridSensitivity);
  splitter->setChildrenCollapsible(false);
  splitter->setSizes({kChartWidth, kTableWidth});
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitter);
  Clear();
}

void SensitivityView::ShowSensitivity(const Sensitivity& s) {
  if (!s.outcome) {
    Clear();
    return;
  }
  QChart* previous = chtSensitivity->chart();
  chtSensitivity->setChart(SensitivityChart(s));
  delete previous;

  const QString unit = ThicknessUnit(s.metric);
  const QList<QStringList> rows = SensitivityRows(s);
  GridSensitivity->clear();
  GridSensitivity->setColumnCount(4);
  GridSensitivity->setHorizontalHeaderLabels(
      {tr("Input"), tr("Scaled by"), tr("Thickness (%1)").arg(unit), tr("Change (%1)").arg(unit)});
  GridSensitivity->setRowCount(static_cast<int>(rows.size()));
  for (int row = 0; row < rows.size(); ++row)
    for (int column = 0; column < 4; ++column) {
      auto* item = new QTableWidgetItem(rows[row][column]);
      if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      GridSensitivity->setItem(row, column, item);
    }
  GridSensitivity->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void SensitivityView::Clear() {
  QChart* previous = chtSensitivity->chart();
  chtSensitivity->setChart(EmptyChart(tr("No design, so no sensitivity to show")));
  delete previous;
  GridSensitivity->clear();
  GridSensitivity->setRowCount(0);
  GridSensitivity->setColumnCount(0);
}
