// The analysis window: its controls, the charts of a design, the evaluation panel, the sensitivity view
// and "Export...".
#include "ui/analysis/frm_analysis.h"

#include <QChart>
#include <QChartView>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>

#include "analysis/design_verdict.h"
#include "state/program_title.h"
#include "ui/analysis/chart_export.h"
#include "ui/analysis/damage_charts.h"
#include "ui/analysis/damage_curve_view.h"
#include "ui/analysis/rating_view.h"
#include "ui/analysis/sensitivity_view.h"

namespace {

constexpr const char* kAnalysisTitle = "RIPADES - Damage Analysis";
constexpr int kShareChartChrome = 120;  // title, value axis and margins of the share chart, pixels
constexpr int kPixelsPerBar = 26;       // keeps the aircraft names apart however many there are
// Small enough that the window, buttons included, fits a 1024 x 768 screen and one of 800 x 450 logical
// pixels (1600 x 900 at twice the scale); the charts shrink to these and their legends elide.
constexpr int kShareChartMinimumWidth = 220;
constexpr int kCurveChartMinimumWidth = 260, kChartMinimumHeight = 200;
// The window's first size and how it is shared out, pixels.
constexpr int kWindowWidth = 1200, kWindowHeight = 820;
constexpr int kCurveChartWidth = 680, kShareChartWidth = 520;
constexpr int kChartsHeight = 560, kEvaluationHeight = 220;

void ReplaceChart(QChartView* view, QChart* chart) {
  QChart* previous = view->chart();
  view->setChart(chart);
  delete previous;
}

QLabel* AddLabel(QLayout* layout, const char* name) {
  auto* label = new QLabel;
  label->setObjectName(name);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(label);
  return label;
}

QPushButton* AddButton(QLayout* layout, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  button->setAutoDefault(false);  // Enter in the window presses nothing by surprise
  layout->addWidget(button);
  return button;
}

}  // namespace

frmAnalysis::frmAnalysis(FileDialogs& files, MessageBox& messages, QWidget* parent)
    : QDialog(parent), files_(files), messages_(messages) {
  setObjectName("frmAnalysis");
  // A window of its own that can be placed beside the main window, enlarged or minimized.
  setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  CreateControls();
  ClearDesign();
  resize(kWindowWidth, kWindowHeight);
}

void frmAnalysis::CreateControls() {
  chtDamage = new DamageCurveView;
  chtDamage->setObjectName("chtDamage");
  chtDamage->setMinimumSize(kCurveChartMinimumWidth, kChartMinimumHeight);
  chtDamage->setFrameShape(QFrame::NoFrame);
  chtShares = new QChartView;
  chtShares->setObjectName("chtShares");
  chtShares->setRenderHint(QPainter::Antialiasing);
  chtShares->setFrameShape(QFrame::NoFrame);
  auto* sharesScroll = new QScrollArea;
  sharesScroll->setWidget(chtShares);
  sharesScroll->setWidgetResizable(true);
  sharesScroll->setFrameShape(QFrame::NoFrame);
  // The curve and the shares side by side at full height; the evaluation below them once there is one.
  auto* charts = new QSplitter(Qt::Horizontal);
  charts->addWidget(chtDamage);
  charts->addWidget(sharesScroll);
  charts->setChildrenCollapsible(false);
  sharesScroll->setMinimumWidth(kShareChartMinimumWidth);
  charts->setSizes({kCurveChartWidth, kShareChartWidth});

  fraEvaluation = new QGroupBox(tr("Evaluation of an existing slab"));
  fraEvaluation->setObjectName("fraEvaluation");
  auto* evaluation = new QHBoxLayout(fraEvaluation);
  auto* figures = new QVBoxLayout;
  LbEvalThickness = AddLabel(figures, "LbEvalThickness");
  LbEvalDamage = AddLabel(figures, "LbEvalDamage");
  LbEvalLife = AddLabel(figures, "LbEvalLife");
  figures->addStretch();
  evaluation->addLayout(figures);
  GridEvaluation = new QTableWidget;
  GridEvaluation->setObjectName("GridEvaluation");
  GridEvaluation->setEditTriggers(QAbstractItemView::NoEditTriggers);
  GridEvaluation->verticalHeader()->hide();
  GridEvaluation->verticalHeader()->setDefaultSectionSize(GridEvaluation->fontMetrics().height() + 6);
  evaluation->addWidget(GridEvaluation, 1);
  fraEvaluation->hide();  // until a slab is evaluated

  auto* content = new QSplitter(Qt::Vertical);
  content->addWidget(charts);
  content->addWidget(fraEvaluation);
  content->setChildrenCollapsible(false);
  content->setSizes({kChartsHeight, kEvaluationHeight});
  viewSensitivity = new SensitivityView;
  viewSensitivity->setObjectName("viewSensitivity");
  tabViews = new QTabWidget;
  tabViews->setObjectName("tabViews");
  tabViews->addTab(content, tr("&Damage"));
  tabViews->addTab(viewSensitivity, tr("&Sensitivity"));
  viewRating = new RatingView;
  viewRating->setObjectName("viewRating");
  tabViews->addTab(viewRating, tr("&Rating"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  cmdExport = AddButton(buttons, "cmdExport", tr("&Export..."));
  cmdClose = AddButton(buttons, "cmdClose", tr("&Close"));
  auto* window = new QVBoxLayout(this);
  window->addWidget(tabViews, 1);
  window->addLayout(buttons);

  connect(cmdExport, &QPushButton::clicked, this, &frmAnalysis::cmdExport_Click);
  // The rating has no chart to export.
  connect(tabViews, &QTabWidget::currentChanged, this,
          [this] { cmdExport->setEnabled(tabViews->currentWidget() != viewRating); });
  connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
}

void frmAnalysis::ShowDesign(const DesignResult& design, bool metric, const std::string& caption) {
  const std::vector<CurvePoint> curve = DamageCurve(design, metric);
  const double designShown = UnitSystemOf(metric).Length(design.thicknessIn);
  // A search that found no design is marked where the design would stand: the title line, the chart's
  // title and the line at its thickness.
  const QString mark = QString::fromStdString(VerdictMark(design, metric));
  setWindowTitle(mark.isEmpty() ? tr(kAnalysisTitle) : tr(kAnalysisTitle) + QStringLiteral(" - ") + mark);
  QString designName = tr("Design thickness %1 %2").arg(QString::fromStdString(caption), ThicknessUnit(metric));
  if (!mark.isEmpty()) designName = mark.front().toUpper() + mark.mid(1);
  QChart* curveChart = DamageCurveChart(curve, designShown, metric, designName);
  if (const std::string headline = VerdictHeadline(design, metric); !headline.empty())
    curveChart->setTitle(ChartText(QString::fromStdString(headline)));
  chtDamage->SetCurve(curveChart, curve, metric);
  const std::vector<AircraftShare> shares = DamageShares(design);
  ReplaceChart(chtShares, DamageShareChart(shares));
  chtShares->setMinimumHeight(kShareChartChrome + kPixelsPerBar * static_cast<int>(shares.size()));
  viewRating->ShowDesign(design, metric);
}

void frmAnalysis::ClearDesign() {
  setWindowTitle(tr(kAnalysisTitle));
  chtDamage->SetCurve(EmptyChart(tr("No design to show: press \"Design Thickness\" first")), {}, false);
  ReplaceChart(chtShares, EmptyChart(tr("No design, so no governing aircraft")));
  chtShares->setMinimumHeight(kShareChartChrome);
  viewSensitivity->Clear();
  viewRating->Clear();
}

void frmAnalysis::ShowSensitivity(const Sensitivity& sensitivity) { viewSensitivity->ShowSensitivity(sensitivity); }

void frmAnalysis::ShowEvaluation(const MixDamage& mix, bool metric) {
  evaluated_ = mix;
  ShowEvaluationIn(metric);
  tabViews->setCurrentIndex(0);  // the evaluation is shown below the damage charts
}

void frmAnalysis::ClearEvaluation() {
  evaluated_.reset();
  fraEvaluation->hide();
  GridEvaluation->setRowCount(0);
  RemoveEvaluatedMark(chtDamage->chart());
  viewRating->ClearEvaluation();
}

void frmAnalysis::ShowEvaluationIn(bool metric) {
  if (!evaluated_) return;
  const MixDamage& mix = *evaluated_;
  const EvaluationInUnits shown = InUnitsInForce(mix, metric);
  LbEvalThickness->setText(
      tr("Slab thickness: %1 %2").arg(QString::number(shown.thickness, 'g', 6), ThicknessUnit(metric)));
  LbEvalDamage->setText(tr("Cumulative damage D: %1").arg(QString::fromStdString(DamageText(mix.damage))));
  LbEvalLife->setText(tr("Structural life left: %1").arg(QString::fromStdString(LifeText(mix.damage))));

  const QString stressUnit = QString::fromUtf8(UnitSystemOf(metric).stressWord);
  GridEvaluation->clear();
  GridEvaluation->setColumnCount(3);
  GridEvaluation->setHorizontalHeaderLabels(
      {tr("Aircraft"), tr("Damage ratio (%)"), tr("Edge stress (%1)").arg(stressUnit)});
  GridEvaluation->setRowCount(static_cast<int>(mix.aircraft.size()));
  for (int row = 0; row < GridEvaluation->rowCount(); ++row) {
    const AircraftDamage& a = mix.aircraft[static_cast<std::size_t>(row)];
    const QString cells[] = {QString::fromStdString(a.name), QString::fromStdString(PercentText(a.damageRatioPct)),
                             QString::number(shown.edgeStress[static_cast<std::size_t>(row)], 'f', 0)};
    for (int column = 0; column < 3; ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      GridEvaluation->setItem(row, column, item);
    }
  }
  GridEvaluation->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  GridEvaluation->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  fraEvaluation->show();
  MarkEvaluatedThickness(chtDamage->chart(), shown.thickness, mix.damage, metric);
}

void frmAnalysis::RateEvaluation(const DesignBasis& basis, double hIn, bool metric) {
  viewRating->ShowEvaluation(basis, hIn, metric);
}

void frmAnalysis::cmdExport_Click() {
  FileDialogRequest request;
  request.filter = "PNG image|*.png|SVG drawing|*.svg";
  const bool sensitivity = tabViews->currentWidget() == viewSensitivity;
  request.initialName = sensitivity ? "sensitivity_chart" : "damage_charts";
  request.overwritePrompt = true;
  request.addFilterSuffix = true;
  const std::optional<std::string> path = files_.ShowSave(request);
  if (!path) return;
  const QList<QChartView*> views =
      sensitivity ? QList<QChartView*>{viewSensitivity->ChartView()} : QList<QChartView*>{chtDamage, chtShares};
  const Outcome saved = SaveCharts(QString::fromStdString(*path), views);
  if (!saved) messages_.MsgBox(saved.message, kMsgOk, kProgramName);
}
