// The wavenumber nodes and weights of the layered integrals: Gauss–Legendre panel by panel.
#pragma once

#include <cstddef>
#include <vector>

#include "layered/layered_structure.h"

// How finely the integrals over the wavenumber m are resolved. The integrands oscillate like
// cos(m·reach), reach being the largest load-to-point distance plus the load radius; decay like
// e^{−m·z} at depth z; and near m = 0 follow the structure's bending over its stiffness length L. A
// panel starting at m spans at most a period / panelsPerPeriod, 8 / (z · panelsPerPeriod) and
// (m + 1/L) / panelsPerPeriod, so that the panels are finest at 0; they run to m = decayExponent / z.
struct QuadratureSettings {
  double panelsPerPeriod = 1;
  double decayExponent = 36;

  // Twice as fine: half as wide panels reaching e^{−10} further.
  QuadratureSettings Doubled() const { return {2 * panelsPerPeriod, decayExponent + 10}; }
};

inline constexpr int kGaussOrder = 10;              // nodes per panel
inline constexpr std::size_t kMaxPanels = 1 << 12;  // bounds the work of far-reaching loads over shallow points

struct WavenumberGrid {
  std::vector<double> panelStart;  // ascending, from 0
  std::vector<double> m;           // kGaussOrder nodes per panel, ascending
  std::vector<double> weight;      // Gauss–Legendre weight × panel half-width
  bool truncated = false;          // kMaxPanels could not resolve the integrand: its sums are not to be trusted

  // The number of leading nodes that cover m up to `limit` in whole panels.
  std::size_t NodesUpTo(double limit) const;
};

// The grid for points at depths of at least minDepth (> 0), loads reaching at most `reach` and a
// structure of stiffness length `length` (StiffnessLength).
WavenumberGrid MakeWavenumberGrid(double minDepth, double reach, double length, const QuadratureSettings& settings);

// The wavenumber beyond which the integrand at depth z is negligible.
double WavenumberLimit(double depth, const QuadratureSettings& settings);

// The depth of half-space material as stiff in bending as the layers above the half-space: each
// layer's thickness times the cube root of its modulus over the half-space's (at least 1).
double StiffnessLength(const LayeredStructure& structure);
