// Building the damage curve chart and the damage share chart with Qt Charts.
#include "ui/analysis/damage_charts.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QFontMetricsF>
#include <QHorizontalBarSeries>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "analysis/chart_axes.h"

namespace {

const QColor kCurveColour(31, 119, 180);
const QColor kLimitColour(90, 90, 90);
const QColor kDesignColour(214, 39, 40);
const QColor kEvaluatedColour(44, 160, 44);
const QString kEvaluatedMark = QStringLiteral("evaluatedMark");  // the object name of an evaluation's series
const QColor kBarColour(120, 160, 200);
const QColor kGoverningColour(214, 39, 40);

// The damage axis spans whole decades and labels every `base`-th power; its lower end sits half a label
// step below the lowest power, so that this label stands clear of the thickness axis's first one.
struct DamageRange {
  double min = 0.1;
  double max = 10;
  double base = 10;
};

DamageRange RangeOf(const std::vector<CurvePoint>& points) {
  const DamageDecades d = DamageDecadesOf(points);
  return {std::pow(10.0, d.low - d.step / 2.0), std::pow(10.0, d.high), std::pow(10.0, d.step)};
}

QLineSeries* Line(QChart* chart, const QString& name, const QColor& colour, Qt::PenStyle style, QList<QPointF> points) {
  auto* series = new QLineSeries;
  series->setName(ChartText(name));
  QPen pen(colour, 2, style);
  series->setPen(pen);
  series->append(points);
  chart->addSeries(series);
  return series;
}

QChart* NewChart(const QString& title) {
  auto* chart = new QChart;
  chart->setTitle(ChartText(title));
  chart->setBackgroundRoundness(0);
  return chart;
}

// Category names must differ: a name that is empty or repeated gets its library row.
QStringList CategoryNames(const std::vector<AircraftShare>& shares) {
  QStringList names;
  for (const AircraftShare& share : shares) {
    QString name = QString::fromStdString(share.name);
    if (name.trimmed().isEmpty() || names.contains(name)) name += QStringLiteral(" (row %1)").arg(share.row);
    names << name;
  }
  return names;
}

constexpr double kThicknessLabelGap = 8;  // pixels between two thickness labels

// The thickness ticks as dense as RoundStep makes them, or as the plot's width leaves room for their
// labels side by side; a chart not laid out yet keeps them.
void FitThicknessTicks(const QChart* chart, QValueAxis* axis) {
  const double width = chart->plotArea().width(), span = axis->max() - axis->min();
  if (!(width > 0) || !(span > 0)) return;
  const QFontMetricsF metrics(axis->labelsFont());
  const auto labelWidth = [&](double value) { return metrics.horizontalAdvance(QString::asprintf("%g", value)); };
  double step = RoundStep(span);
  // The labels stand width x step / span apart; each pass at least doubles the step.
  constexpr int kMostPasses = 64;
  for (int pass = 0; pass < kMostPasses; ++pass) {
    // RoundStep cuts the span into at most a dozen steps, and the step only grows.
    double widest = 0;
    const double first = std::ceil(axis->min() / step);
    for (int i = 0; i <= 12 && (first + i) * step <= axis->max(); ++i)
      widest = std::max(widest, labelWidth((first + i) * step));
    if (width * step / span >= widest + kThicknessLabelGap) break;
    step = NextRoundStep(step);
  }
  if (step != axis->tickInterval()) axis->setTickInterval(step);
}

// The thickness axis over `from` to `to`, ticked at round thicknesses however odd its ends. While the
// range and the step change, the axis never holds more ticks than either range needs.
void SetThicknessRange(const QChart* chart, QValueAxis* axis, double from, double to) {
  const ThicknessAxis wanted = ThicknessAxisOf(from, to);
  axis->setTickType(QValueAxis::TicksDynamic);
  axis->setTickAnchor(0);
  axis->setTickInterval(std::max(axis->tickInterval(), wanted.step));
  axis->setRange(wanted.from, wanted.to);
  axis->setTickInterval(wanted.step);
  FitThicknessTicks(chart, axis);
}

}  // namespace

QString ChartText(const QString& text) { return text.toHtmlEscaped(); }

QString ThicknessUnit(bool metric) { return QString::fromUtf8(UnitSystemOf(metric).lengthWord); }

std::vector<CurvePoint> PlottablePoints(const std::vector<CurvePoint>& curve) {
  std::vector<CurvePoint> points;
  std::copy_if(curve.begin(), curve.end(), std::back_inserter(points), [](const CurvePoint& p) {
    return std::isfinite(p.thickness) && p.damage > 0 && std::isfinite(p.damage);
  });
  return points;
}

QChart* EmptyChart(const QString& why) { return NewChart(why); }

QChart* DamageCurveChart(const std::vector<CurvePoint>& curve, double designThickness, bool metric,
                         const QString& designName) {
  const std::vector<CurvePoint> points = PlottablePoints(curve);
  QChart* chart = NewChart(points.empty() ? QObject::tr("No aircraft damages the slab over this range of thickness")
                                          : QObject::tr("Cumulative damage of the traffic mix against slab thickness"));
  const QString unit = ThicknessUnit(metric);
  // The curve's ends; without a point to draw, every thickness a design can have.
  const ThicknessAxis span = points.empty() ? ThicknessAxisOf(0, UnitSystemOf(metric).MaxThickness())
                                            : ThicknessAxisOf(points.front().thickness, points.back().thickness);
  const DamageRange range = RangeOf(points);

  QList<QPointF> curvePoints;
  for (const CurvePoint& p : points) curvePoints << QPointF(p.thickness, p.damage);
  QList<QPointF> designPoints;
  if (std::isfinite(designThickness)) designPoints = {{designThickness, range.min}, {designThickness, range.max}};
  QList<QLineSeries*> series{
      Line(chart, QObject::tr(kCurveSeriesName), kCurveColour, Qt::SolidLine, curvePoints),
      Line(chart, QObject::tr(kLimitSeriesName), kLimitColour, Qt::DashLine, {{span.from, 1}, {span.to, 1}}),
      Line(chart, designName, kDesignColour, Qt::DashDotLine, designPoints)};

  auto* thickness = new QValueAxis;
  thickness->setTitleText(ChartText(QObject::tr("Slab thickness (%1)").arg(unit)));
  SetThicknessRange(chart, thickness, span.from, span.to);
  thickness->setLabelFormat("%g");
  auto* damage = new QLogValueAxis;
  damage->setTitleText(ChartText(QObject::tr("Cumulative damage D (logarithmic)")));
  damage->setBase(range.base);
  damage->setRange(range.min, range.max);
  damage->setLabelFormat("%g");
  damage->setMinorTickCount(range.base == 10 ? 8 : 0);
  chart->addAxis(thickness, Qt::AlignBottom);
  chart->addAxis(damage, Qt::AlignLeft);
  for (QLineSeries* line : series) {
    line->attachAxis(thickness);
    line->attachAxis(damage);
  }
  // A narrow chart labels fewer thicknesses rather than eliding them all.
  QObject::connect(chart, &QChart::plotAreaChanged, thickness,
                   [chart, thickness] { FitThicknessTicks(chart, thickness); });
  chart->legend()->setAlignment(Qt::AlignBottom);
  // A narrow window elides the names; the whole name shows on pointing at it.
  chart->legend()->setShowToolTips(true);
  return chart;
}

void MarkEvaluatedThickness(QChart* chart, double thickness, double damage, bool metric) {
  if (chart->axes(Qt::Horizontal).isEmpty() || chart->axes(Qt::Vertical).isEmpty()) return;
  auto* thicknessAxis = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).front());
  auto* damageAxis = qobject_cast<QLogValueAxis*>(chart->axes(Qt::Vertical).front());
  if (!thicknessAxis || !damageAxis || !std::isfinite(thickness)) return;
  // The slab evaluated last replaces the one marked before it.
  RemoveEvaluatedMark(chart);
  if (thickness < thicknessAxis->min() || thickness > thicknessAxis->max())
    SetThicknessRange(chart, thicknessAxis, std::min(thickness, thicknessAxis->min()),
                      std::max(thickness, thicknessAxis->max()));
  const QString name =
      QObject::tr(kEvaluatedSeriesName)
          .arg(QString::number(thickness, 'g', 6), ThicknessUnit(metric), QString::fromStdString(DamageText(damage)));
  QList<QAbstractSeries*> added{Line(chart, name, kEvaluatedColour, Qt::DotLine,
                                     {{thickness, damageAxis->min()}, {thickness, damageAxis->max()}})};
  if (damage >= damageAxis->min() && damage <= damageAxis->max()) {  // not NaN either
    auto* point = new QScatterSeries;
    point->setColor(kEvaluatedColour);
    point->setMarkerSize(10);
    point->append(thickness, damage);
    chart->addSeries(point);
    for (QLegendMarker* marker : chart->legend()->markers(point)) marker->setVisible(false);
    added << point;
  }
  for (QAbstractSeries* series : added) {
    series->setObjectName(kEvaluatedMark);
    series->attachAxis(thicknessAxis);
    series->attachAxis(damageAxis);
  }
}

void RemoveEvaluatedMark(QChart* chart) {
  for (QAbstractSeries* earlier : chart->series())
    if (earlier->objectName() == kEvaluatedMark) {
      chart->removeSeries(earlier);
      delete earlier;
    }
}

QChart* DamageShareChart(const std::vector<AircraftShare>& shares) {
  const bool governs = !shares.empty() && shares.front().damageRatioPct > 0;
  QChart* chart = NewChart(governs ? QObject::tr("Governing aircraft: %1 (damage ratio %2 at the design thickness)")
                                         .arg(QString::fromStdString(shares.front().name),
                                              QString::fromStdString(PercentWithSign(shares.front().damageRatioPct)))
                                   : QObject::tr("No aircraft damages the slab at the design thickness"));
  const QStringList names = CategoryNames(shares);
  // A horizontal bar chart draws its first category at the bottom: append the smallest share first.
  auto* set = new QBarSet(ChartText(QObject::tr("Damage ratio (%)")));
  QStringList bottomUp;
  double largest = 0;
  for (std::size_t i = shares.size(); i-- > 0;) {
    *set << shares[i].damageRatioPct;
    if (std::isfinite(shares[i].damageRatioPct)) largest = std::max(largest, shares[i].damageRatioPct);
    bottomUp << ChartText(QStringLiteral("%1 (%2)").arg(
        names[static_cast<qsizetype>(i)], QString::fromStdString(PercentWithSign(shares[i].damageRatioPct))));
  }
  set->setColor(kBarColour);
  set->setBorderColor(kBarColour.darker());
  set->setSelectedColor(kGoverningColour);
  if (governs) set->selectBar(static_cast<int>(shares.size()) - 1);

  auto* series = new QHorizontalBarSeries;
  series->append(set);
  series->setBarWidth(0.7);
  // The share stands in the aircraft's name: the bars' own labels know only exponents for tiny values.
  series->setLabelsVisible(false);
  chart->addSeries(series);

  auto* aircraft = new QBarCategoryAxis;
  aircraft->append(bottomUp);
  auto* percent = new QValueAxis;
  percent->setTitleText(ChartText(QObject::tr("Fatigue damage ratio at the design thickness (%)")));
  // A design that ends at 30 in without reaching D = 1 can leave an aircraft above 100 %.
  percent->setRange(0, std::max(100.0, largest));
  percent->setTickCount(6);  // labels every fifth of the axis fit the narrowest chart unelided
  percent->setLabelFormat("%.0f");
  chart->addAxis(aircraft, Qt::AlignLeft);
  chart->addAxis(percent, Qt::AlignBottom);
  series->attachAxis(aircraft);
  series->attachAxis(percent);
  chart->legend()->hide();
  return chart;
}
