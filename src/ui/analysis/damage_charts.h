// The two charts of a design: cumulative damage against slab thickness, and each aircraft's share.
#pragma once

#include <QString>
#include <vector>

#include "analysis/mix_analysis.h"

class QChart;

// Names of the curve chart's series, by which the window and its tests find them.
inline constexpr const char* kCurveSeriesName = "Cumulative damage D";
inline constexpr const char* kLimitSeriesName = "D = 1";
inline constexpr const char* kEvaluatedSeriesName = "Evaluated thickness %1 %2 (D = %3)";

// The unit word of a thickness in the unit in force.
QString ThicknessUnit(bool metric);

// A chart reads each of its texts (titles, names, axis labels) as rich text: the text escaped, so that
// it is drawn as written ("< 0.01 %", an aircraft named with < or &).
QString ChartText(const QString& text);

// The points a logarithmic damage axis can show: a finite thickness and D above 0 and finite, in
// thickness order.
std::vector<CurvePoint> PlottablePoints(const std::vector<CurvePoint>& curve);

// D against thickness (in the unit in force) on a logarithmic axis, a dashed line at D = 1 and a
// vertical line at the design thickness named `designName` ("Design thickness 16.6 in"). The
// damage steps where the gear models jump at their knots; the curve shows them as they are. The chart
// belongs to the caller.
QChart* DamageCurveChart(const std::vector<CurvePoint>& curve, double designThickness, bool metric,
                         const QString& designName);

// Each aircraft's damage ratio in percent as horizontal bars, largest on top, the governing aircraft
// (the first share) highlighted, each named as in the library followed by its ratio, "B737-800
// (12.35 %)". The chart belongs to the caller.
QChart* DamageShareChart(const std::vector<AircraftShare>& shares);

// A chart that says why it has nothing to draw.
QChart* EmptyChart(const QString& why);

// Marks an evaluated slab on a chart of DamageCurveChart: a dotted vertical line at `thickness` (in the
// unit in force, the thickness axis widened to hold it) named with the thickness and its damage, and a
// point at D = `damage` where the damage axis reaches. A chart without axes (no design) stays as it is.
void MarkEvaluatedThickness(QChart* chart, double thickness, double damage, bool metric);
// Takes the mark of an evaluated slab off the chart.
void RemoveEvaluatedMark(QChart* chart);
