// The view of the damage curve: shows in a tooltip the curve's value under the mouse.
#pragma once

#include <QChartView>
#include <QString>
#include <optional>
#include <vector>

#include "analysis/mix_analysis.h"

// The tooltip for the point of `points` nearest in thickness to `thickness`; nothing without points.
std::optional<QString> CurveTooltip(const std::vector<CurvePoint>& points, double thickness, bool metric);

class DamageCurveView : public QChartView {
  Q_OBJECT

 public:
  explicit DamageCurveView(QWidget* parent = nullptr);

  // Takes the chart drawn from `curve` (the previous chart is deleted) and the points it plots.
  void SetCurve(QChart* chart, const std::vector<CurvePoint>& curve, bool metric);
  // What the tooltip says at a position in the view: nothing outside the plot area.
  std::optional<QString> TooltipAt(const QPoint& position) const;

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  void ShowTooltip(const QPoint& position, const QPoint& globalPosition);

  std::vector<CurvePoint> points_;
  bool metric_ = false;
};
