// Gauss–Legendre panels over the wavenumber, nodes from Boost.Math.
#include "layered/wavenumber_grid.h"

#include <algorithm>
#include <boost/math/quadrature/gauss.hpp>
#include <cmath>
#include <numbers>
#include <utility>

namespace {

using Gauss = boost::math::quadrature::gauss<double, kGaussOrder>;

// The rule on [−1, 1] in ascending order (Boost holds the non-negative abscissae only).
std::vector<std::pair<double, double>> UnitRule() {
  std::vector<std::pair<double, double>> unit;
  const auto& x = Gauss::abscissa();
  const auto& w = Gauss::weights();
  for (std::size_t i = 0; i < x.size(); ++i) {
    unit.emplace_back(x[i], w[i]);
    if (x[i] != 0) unit.emplace_back(-x[i], w[i]);
  }
  std::sort(unit.begin(), unit.end());
  return unit;
}

}  // namespace

double WavenumberLimit(double depth, const QuadratureSettings& settings) { return settings.decayExponent / depth; }

double StiffnessLength(const LayeredStructure& structure) {
  const std::vector<ElasticLayer>& layers = structure.layers;
  double length = 0;
  for (std::size_t i = 0; i + 1 < layers.size(); ++i)
    length += layers[i].thickness * std::max(1.0, std::cbrt(layers[i].modulus / layers.back().modulus));
  return length;
}

std::size_t WavenumberGrid::NodesUpTo(double limit) const {
  const auto panels = std::lower_bound(panelStart.begin(), panelStart.end(), limit) - panelStart.begin();
  return std::min(m.size(), static_cast<std::size_t>(std::max<std::ptrdiff_t>(panels, 1)) * kGaussOrder);
}

WavenumberGrid MakeWavenumberGrid(double minDepth, double reach, double length, const QuadratureSettings& settings) {
  const double limit = WavenumberLimit(minDepth, settings);
  double widest = 8 / minDepth;
  if (reach > 0) widest = std::min(widest, 2 * std::numbers::pi / reach);
  widest /= settings.panelsPerPeriod;
  WavenumberGrid grid;
  // Never more than kMaxPanels: a grid that would need more is made coarser and marked as such.
  if (widest < limit / static_cast<double>(kMaxPanels / 2)) {
    widest = limit / static_cast<double>(kMaxPanels / 2);
    grid.truncated = true;
  }
  const double nearZero = length > 0 ? 1 / length : widest;

  static const std::vector<std::pair<double, double>> unit = UnitRule();
  double start = 0;
  while (start < limit && grid.panelStart.size() < kMaxPanels) {
    const double width = std::min(widest, std::max((start + nearZero) / settings.panelsPerPeriod, widest / 64));
    grid.panelStart.push_back(start);
    for (const auto& [t, weight] : unit) {
      grid.m.push_back(start + width / 2 * (1 + t));
      grid.weight.push_back(width / 2 * weight);
    }
    start += width;
  }
  if (start < limit) grid.truncated = true;
  return grid;
}
