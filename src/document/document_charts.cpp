// Drawing the damage curve and the sensitivity chart of the design document.
#include "document/document_charts.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "analysis/chart_axes.h"

namespace {

// Below the plot, in lines of the chart's font: the tick labels across start low enough to clear the
// lowest label up the side, which stands centred on the plot's bottom edge; then the axis title and the
// legend, all within the 4.6 lines the plot leaves free.
constexpr double kTickLabelsTop = 0.6;
constexpr double kAxisTitleTop = 1.75;
constexpr double kLegendTop = 3.3;

QString Number(double value) { return QString::number(value, 'g', 6); }

}  // namespace

void DrawDamageCurve(QPainter& painter, const QRectF& area, const DesignDocument& document,
                     const DocumentStyle& style) {
  std::vector<CurvePoint> points;
  for (const CurvePoint& p : document.curve)
    if (p.damage > 0 && std::isfinite(p.damage)) points.push_back(p);
  const QFont font = style.Font(7.5);
  const QFontMetricsF metrics = style.Metrics(font);
  const double line = metrics.height();
  const QRectF plot = area.adjusted(style.Mm(16), line * 0.5, -style.Mm(4), -(line * 4.6));
  const double from = document.curve.empty() ? document.designThickness / 2 : document.curve.front().thickness;
  double to = document.curve.empty() ? document.designThickness * 2 : document.curve.back().thickness;
  if (!(to > from)) to = from + 1;  // a design of no thickness still gets an axis
  const DamageDecades decades = DamageDecadesOf(points);
  const auto x = [&](double thickness) { return plot.left() + (thickness - from) / (to - from) * plot.width(); };
  const auto y = [&](double damage) {
    return plot.bottom() - (std::log10(damage) - decades.low) / (decades.high - decades.low) * plot.height();
  };

  painter.save();
  painter.setFont(font);
  // Grid and tick labels: round thicknesses across, powers of ten up.
  painter.setPen(style.Pen(kGridColour, 0.15));
  const double step = RoundStep(to - from);
  for (double t = std::ceil(from / step) * step; t <= to + step * 1e-9; t += step) {
    painter.setPen(style.Pen(kGridColour, 0.15));
    painter.drawLine(QPointF(x(t), plot.top()), QPointF(x(t), plot.bottom()));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(x(t) - style.Mm(10), plot.bottom() + line * kTickLabelsTop, style.Mm(20), line),
                     Qt::AlignCenter, Number(t));
  }
  for (int e = decades.low; e <= decades.high; e += decades.step) {
    painter.setPen(style.Pen(kGridColour, 0.15));
    painter.drawLine(QPointF(plot.left(), y(std::pow(10.0, e))), QPointF(plot.right(), y(std::pow(10.0, e))));
    painter.setPen(Qt::black);
    painter.drawText(
        QRectF(area.left(), y(std::pow(10.0, e)) - line / 2, plot.left() - area.left() - style.Mm(1.5), line),
        Qt::AlignRight | Qt::AlignVCenter, Number(std::pow(10.0, e)));
  }
  painter.setPen(style.Pen(Qt::black, 0.25));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(plot);

  painter.setClipRect(plot);
  painter.setPen(style.Pen(kLimitColour, 0.35, Qt::DashLine));
  painter.drawLine(QPointF(plot.left(), y(1)), QPointF(plot.right(), y(1)));
  painter.setPen(style.Pen(kDesignColour, 0.35, Qt::DashDotLine));
  painter.drawLine(QPointF(x(document.designThickness), plot.top()),
                   QPointF(x(document.designThickness), plot.bottom()));
  QPainterPath curve;
  for (const CurvePoint& p : points) {
    const QPointF at(x(p.thickness), y(p.damage));
    if (curve.elementCount() == 0)
      curve.moveTo(at);
    else
      curve.lineTo(at);
  }
  painter.setPen(style.Pen(kCurveColour, 0.5));
  painter.drawPath(curve);
  painter.setClipping(false);

  // Axis titles, then the legend: a short line of each kind and its name.
  painter.setPen(Qt::black);
  const QString unit = QString::fromStdString(document.thicknessUnit);
  painter.drawText(QRectF(plot.left(), plot.bottom() + line * kAxisTitleTop, plot.width(), line), Qt::AlignCenter,
                   QStringLiteral("Slab thickness (%1)").arg(unit));
  painter.save();
  painter.translate(area.left() + line * 0.1, plot.center().y());
  painter.rotate(-90);
  painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), line), Qt::AlignCenter,
                   QStringLiteral("Cumulative damage D (logarithmic)"));
  painter.restore();
  const QString legend[] = {QStringLiteral("Cumulative damage D"), QStringLiteral("D = 1"),
                            QString::fromStdString(document.designLineName)};
  const QPen pens[] = {style.Pen(kCurveColour, 0.5), style.Pen(kLimitColour, 0.35, Qt::DashLine),
                       style.Pen(kDesignColour, 0.35, Qt::DashDotLine)};
  double left = plot.left();
  const double legendY = plot.bottom() + line * kLegendTop;
  for (int i = 0; i < 3; ++i) {
    painter.setPen(pens[i]);
    painter.drawLine(QPointF(left, legendY + line / 2), QPointF(left + style.Mm(8), legendY + line / 2));
    painter.setPen(Qt::black);
    const double width = metrics.horizontalAdvance(legend[i]);
    painter.drawText(QRectF(left + style.Mm(10), legendY, width + style.Mm(1), line), Qt::AlignLeft | Qt::AlignVCenter,
                     legend[i]);
    left += style.Mm(16) + width;
  }
  painter.restore();
}

void DrawSensitivity(QPainter& painter, const QRectF& area, const DesignDocument& document,
                     const DocumentStyle& style) {
  constexpr double kFactors[] = {0.5, 0.8, 0.9, 1, 1.1, 1.2, 2};
  const QColor colours[] = {kCurveColour, QColor(255, 127, 14), QColor(44, 160, 44), QColor(148, 103, 189)};
  double low = document.designThickness, high = document.designThickness;
  for (const SensitivitySeries& series : document.sensitivitySeries)
    for (const auto& [factor, thickness] : series.points) {
      low = std::min(low, thickness);
      high = std::max(high, thickness);
    }
  const double step = RoundStep(std::max(high - low, 0.5));
  low = std::floor(low / step) * step;
  high = std::max(std::ceil(high / step) * step, low + step);

  const QFont font = style.Font(7.5);
  const QFontMetricsF metrics = style.Metrics(font);
  const double line = metrics.height();
  const QRectF plot = area.adjusted(style.Mm(16), line * 0.5, -style.Mm(4), -(line * 4.6));
  const auto x = [&](double factor) { return plot.left() + (std::log2(factor) + 1) / 2 * plot.width(); };
  const auto y = [&](double thickness) { return plot.bottom() - (thickness - low) / (high - low) * plot.height(); };
  const QString unit = QString::fromStdString(document.thicknessUnit);

  painter.save();
  painter.setFont(font);
  for (const double factor : kFactors) {
    painter.setPen(style.Pen(kGridColour, 0.15));
    painter.drawLine(QPointF(x(factor), plot.top()), QPointF(x(factor), plot.bottom()));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(x(factor) - style.Mm(6), plot.bottom() + line * kTickLabelsTop, style.Mm(12), line),
                     Qt::AlignCenter, Number(factor));
  }
  for (double t = low; t <= high + step * 1e-9; t += step) {
    painter.setPen(style.Pen(kGridColour, 0.15));
    painter.drawLine(QPointF(plot.left(), y(t)), QPointF(plot.right(), y(t)));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), y(t) - line / 2, plot.left() - area.left() - style.Mm(1.5), line),
                     Qt::AlignRight | Qt::AlignVCenter, Number(t));
  }
  painter.setPen(style.Pen(Qt::black, 0.25));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(plot);
  if (document.resultStatement.empty()) {  // the line of the design, when the search found one
    painter.setPen(style.Pen(kDesignColour, 0.3, Qt::DashDotLine));
    painter.drawLine(QPointF(plot.left(), y(document.designThickness)),
                     QPointF(plot.right(), y(document.designThickness)));
  }

  double left = plot.left();
  const double legendY = plot.bottom() + line * kLegendTop;
  for (std::size_t i = 0; i < document.sensitivitySeries.size(); ++i) {
    const SensitivitySeries& series = document.sensitivitySeries[i];
    const QColor colour = colours[i % std::size(colours)];
    QPainterPath path;
    for (const auto& [factor, thickness] : series.points) {
      if (path.elementCount() == 0)
        path.moveTo(x(factor), y(thickness));
      else
        path.lineTo(x(factor), y(thickness));
    }
    painter.setPen(style.Pen(colour, 0.45));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setBrush(colour);
    for (const auto& [factor, thickness] : series.points)
      painter.drawEllipse(QPointF(x(factor), y(thickness)), style.Mm(0.7), style.Mm(0.7));
    painter.drawLine(QPointF(left, legendY + line / 2), QPointF(left + style.Mm(8), legendY + line / 2));
    painter.setPen(Qt::black);
    const QString name = QString::fromStdString(series.name);
    const double width = metrics.horizontalAdvance(name);
    painter.drawText(QRectF(left + style.Mm(10), legendY, width + style.Mm(1), line), Qt::AlignLeft | Qt::AlignVCenter,
                     name);
    left += style.Mm(16) + width;
  }
  painter.setPen(Qt::black);
  painter.drawText(QRectF(plot.left(), plot.bottom() + line * kAxisTitleTop, plot.width(), line), Qt::AlignCenter,
                   QStringLiteral("Factor the input is scaled by (logarithmic)"));
  painter.translate(area.left() + line * 0.1, plot.center().y());
  painter.rotate(-90);
  painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), line), Qt::AlignCenter,
                   QStringLiteral("Design thickness (%1)").arg(unit));
  painter.restore();
}
