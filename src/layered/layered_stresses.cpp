// Stresses at points, one kernel per depth reused for every load and point of that depth.
#include "layered/layered_stresses.h"

#include <cmath>
#include <map>

#include "layered/depth_kernel.h"
#include "layered/load_geometry.h"

namespace {

std::string InputError(const LayeredStructure& structure, const std::vector<CircularLoad>& loads,
                       const std::vector<StressPoint>& points) {
  if (std::string error = StructureError(structure); !error.empty()) return error;
  for (const CircularLoad& l : loads)
    if (!std::isfinite(l.x) || !std::isfinite(l.y) || !std::isfinite(l.pressure) || !(l.radius > 0) ||
        !std::isfinite(l.radius))
      return "a load needs a finite position and pressure and a radius above 0";
  for (const StressPoint& p : points)
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !(p.z > 0) || !std::isfinite(p.z))
      return "a stress point needs a finite position below the surface";
  return {};
}

}  // namespace

LayeredStressResult LayeredStresses(const LayeredStructure& structure, const std::vector<CircularLoad>& loads,
                                    const std::vector<StressPoint>& points, const QuadratureSettings& settings) {
  LayeredStressResult result;
  result.error = InputError(structure, loads, points);
  if (!result.error.empty()) return result;

  std::map<double, std::vector<std::size_t>> byDepth;
  for (std::size_t i = 0; i < points.size(); ++i) byDepth[points[i].z].push_back(i);
  result.stresses.resize(points.size());
  for (const auto& [depth, indices] : byDepth) {
    std::vector<StressPoint> level;
    for (std::size_t i : indices) level.push_back(points[i]);
    const WavenumberGrid grid =
        MakeWavenumberGrid(depth, LoadReach(loads, level), StiffnessLength(structure), settings);
    if (grid.truncated) {
      result.error = "the loads reach too far for points this near the surface";
      result.stresses.clear();
      return result;
    }
    const DepthKernel kernel = ComputeDepthKernel(structure, depth, grid, grid.m.size());
    const std::vector<StressTensor> stresses = LoadGeometry(loads, level, grid).Stresses(kernel);
    for (std::size_t k = 0; k < indices.size(); ++k) result.stresses[indices[k]] = stresses[k];
  }
  result.ok = true;
  return result;
}
