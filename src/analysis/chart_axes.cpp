// The arithmetic of the charts' axes.
#include "analysis/chart_axes.h"

#include <algorithm>
#include <cmath>

double RoundStep(double span) {
  if (!(span > 0)) return 1;
  const double power = std::pow(10.0, std::floor(std::log10(span / 5)));
  if (!(power > 0)) return span;  // a span too small for a power of ten below it: one step
  for (const double factor : {1.0, 2.0, 5.0})
    if (span / (factor * power) <= 12) return factor * power;
  return 10 * power;
}

double NextRoundStep(double step) {
  const double power = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
  const double leading = std::round(step / power);
  return (leading < 2 ? 2 : leading < 5 ? 5 : 10) * power;
}

ThicknessAxis ThicknessAxisOf(double from, double to) {
  ThicknessAxis axis{std::isfinite(from) ? from : 0, to, 1};
  if (!std::isfinite(to) || !(to > axis.from) || !std::isfinite(to - axis.from)) axis.to = axis.from + 1;
  // An end so large that one unit does not move it: from 0 instead.
  if (!(axis.to > axis.from)) axis = {0, 1, 1};
  axis.step = RoundStep(axis.to - axis.from);
  return axis;
}

DamageDecades DamageDecadesOf(const std::vector<CurvePoint>& points) {
  double low = 1, high = 1;
  for (const CurvePoint& p : points) {
    low = std::min(low, p.damage);
    high = std::max(high, p.damage);
  }
  DamageDecades d{static_cast<int>(std::floor(std::log10(low))), static_cast<int>(std::ceil(std::log10(high))), 1};
  if (d.low == d.high) {  // every point at D = 1
    --d.low;
    ++d.high;
  }
  d.step = (d.high - d.low + kMostDecadeLabels - 1) / kMostDecadeLabels;
  d.low = static_cast<int>(std::floor(static_cast<double>(d.low) / d.step)) * d.step;
  d.high = static_cast<int>(std::ceil(static_cast<double>(d.high) / d.step)) * d.step;
  return d;
}
