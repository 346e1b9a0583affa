// Slab-bottom stresses of the rating structure, the wheels' factors or the structure's kernel reused.
#include "rating/slab_stress.h"

#include <algorithm>
#include <limits>

#include "rating/acr_gear.h"
#include "rating/acr_structure.h"

namespace {

double LargestPrincipal(const std::vector<StressTensor>& stresses) {
  double largest = stresses.empty() ? 0 : MaxHorizontalPrincipal(stresses.front());
  for (const StressTensor& s : stresses) largest = std::max(largest, MaxHorizontalPrincipal(s));
  return largest;
}

}  // namespace

GearSlabStress::GearSlabStress(SubgradeCategory category, std::vector<CircularLoad> wheels)
    : category_(category), wheels_(std::move(wheels)) {
  for (const CircularLoad& w : wheels_) centres_.push_back({w.x, w.y, 0});
}

double GearSlabStress::operator()(double h) {
  const QuadratureSettings settings;
  if (!geometry_ || h < floor_ || h > 2 * floor_) {
    floor_ = 0.75 * h;
    // Panels fine enough near 0 for the stiffness length of the thickest slab the grid serves.
    const double length = StiffnessLength(AcrStructure(category_, 2 * floor_));
    grid_ = MakeWavenumberGrid(floor_, LoadReach(wheels_, centres_), length, settings);
    geometry_ = std::make_unique<LoadGeometry>(wheels_, centres_, grid_);
  }
  if (grid_.truncated) return std::numeric_limits<double>::quiet_NaN();
  const std::size_t nodes = grid_.NodesUpTo(WavenumberLimit(h, settings));
  return LargestPrincipal(geometry_->Stresses(ComputeDepthKernel(AcrStructure(category_, h), h, grid_, nodes)));
}

SingleWheelSlabStress::SingleWheelSlabStress(SubgradeCategory category, double slabThicknessIn, double tirePressure)
    : category_(category), thickness_(slabThicknessIn), pressure_(tirePressure) {}

double SingleWheelSlabStress::operator()(double wheelLoad) {
  const std::vector<CircularLoad> wheel{{0, 0, pressure_, ContactCircleRadius(wheelLoad, pressure_)}};
  const std::vector<StressPoint> centre{{0, 0, thickness_}};
  if (wheel[0].radius > widestRadius_) {
    widestRadius_ = 1.5 * wheel[0].radius;
    const LayeredStructure structure = AcrStructure(category_, thickness_);
    grid_ = MakeWavenumberGrid(thickness_, widestRadius_, StiffnessLength(structure), QuadratureSettings{});
    kernel_ = ComputeDepthKernel(structure, thickness_, grid_, grid_.m.size());
  }
  if (grid_.truncated) return std::numeric_limits<double>::quiet_NaN();
  return LargestPrincipal(LoadGeometry(wheel, centre, grid_).Stresses(kernel_));
}
