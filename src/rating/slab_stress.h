// The tensile stress at the bottom of the rating structure's slab under a gear or a single wheel.
#pragma once

#include <memory>
#include <vector>

#include "layered/depth_kernel.h"
#include "layered/layered_structure.h"
#include "layered/load_geometry.h"
#include "layered/wavenumber_grid.h"
#include "rating/aircraft_classification.h"

// The largest horizontal principal stress at the bottom of the slab under any wheel's centre, all
// wheels' stresses added, for any slab thickness. The wheels' Bessel factors are kept for a grid that
// serves slabs from 0.75 to 1.5 times the thickness it was laid out for, so that a thickness search
// computes them once or twice. Not a number when the wheels spread too wide for the grid to resolve.
class GearSlabStress {
 public:
  GearSlabStress(SubgradeCategory category, std::vector<CircularLoad> wheels);
  double operator()(double slabThicknessIn);

 private:
  SubgradeCategory category_;
  std::vector<CircularLoad> wheels_;
  std::vector<StressPoint> centres_;
  double floor_ = 0;  // the thinnest slab the grid serves
  WavenumberGrid grid_;
  std::unique_ptr<LoadGeometry> geometry_;
};

// The stress at the bottom of a slab of fixed thickness under the centre of one wheel of fixed tire
// pressure, for any load. The structure's kernel is kept for a grid that serves every contact radius
// up to the largest asked so far. Not a number when the tire print is too wide for the grid to resolve.
class SingleWheelSlabStress {
 public:
  SingleWheelSlabStress(SubgradeCategory category, double slabThicknessIn, double tirePressure);
  double operator()(double wheelLoad);

 private:
  SubgradeCategory category_;
  double thickness_;
  double pressure_;
  double widestRadius_ = 0;  // the largest contact radius the grid serves
  WavenumberGrid grid_;
  DepthKernel kernel_;
};
