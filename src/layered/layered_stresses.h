// Stresses in a layered elastic structure under circular surface loads.
#pragma once

#include <string>
#include <vector>

#include "layered/layered_structure.h"
#include "layered/wavenumber_grid.h"

struct LayeredStressResult {
  bool ok = false;
  std::vector<StressTensor> stresses;  // one per point, in the points' order
  std::string error;                   // when !ok
};

// The stresses at each point from all loads (superposed in x, y). Points of the same depth share one
// kernel. Refuses an invalid structure, a load that is not finite with a radius above 0, and a point
// that is not finite and below the surface (z > 0), and loads that reach so far from points so near the
// surface that the integrals would need more than kMaxPanels panels.
LayeredStressResult LayeredStresses(const LayeredStructure& structure, const std::vector<CircularLoad>& loads,
                                    const std::vector<StressPoint>& points, const QuadratureSettings& settings = {});
