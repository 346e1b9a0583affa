// The damage curve's view and the tooltip with the value under the mouse.
#include "ui/analysis/damage_curve_view.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <algorithm>

#include "ui/analysis/damage_charts.h"
#include "units/number_text.h"

std::optional<QString> CurveTooltip(const std::vector<CurvePoint>& points, double thickness, bool metric) {
  if (points.empty()) return std::nullopt;
  // The points are in thickness order: the nearest is the first at or above, or the one before it.
  auto nearest = std::lower_bound(points.begin(), points.end(), thickness,
                                  [](const CurvePoint& p, double h) { return p.thickness < h; });
  if (nearest == points.end() ||
      (nearest != points.begin() && thickness - std::prev(nearest)->thickness < nearest->thickness - thickness))
    nearest = std::prev(nearest);
  return QObject::tr("Thickness %1 %2\nD = %3")
      .arg(QString::fromStdString(FormatDecimals(nearest->thickness, 2)), ThicknessUnit(metric),
           QString::fromStdString(DamageText(nearest->damage)));
}

DamageCurveView::DamageCurveView(QWidget* parent) : QChartView(parent) {
  setRenderHint(QPainter::Antialiasing);
  setMouseTracking(true);
}

void DamageCurveView::SetCurve(QChart* chart, const std::vector<CurvePoint>& curve, bool metric) {
  QChart* previous = this->chart();
  setChart(chart);
  delete previous;
  points_ = PlottablePoints(curve);
  metric_ = metric;
}

std::optional<QString> DamageCurveView::TooltipAt(const QPoint& position) const {
  const QPointF inScene = mapToScene(position);
  if (chart()->series().isEmpty() || !chart()->plotArea().contains(chart()->mapFromScene(inScene))) return std::nullopt;
  const QPointF value = chart()->mapToValue(chart()->mapFromScene(inScene), chart()->series().front());
  return CurveTooltip(points_, value.x(), metric_);
}

void DamageCurveView::ShowTooltip(const QPoint& position, const QPoint& globalPosition) {
  if (const std::optional<QString> text = TooltipAt(position))
    QToolTip::showText(globalPosition, *text, this);
  else
    QToolTip::hideText();
}

void DamageCurveView::mouseMoveEvent(QMouseEvent* event) {
  QChartView::mouseMoveEvent(event);
  ShowTooltip(event->position().toPoint(), event->globalPosition().toPoint());
}

// The scene would answer the toolkit's tooltip request with its items' tooltips, which are empty, and so
// hide the value shown.
bool DamageCurveView::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QChartView::viewportEvent(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  ShowTooltip(help->pos(), help->globalPos());
  return true;
}
