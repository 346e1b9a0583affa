// The loads' Bessel factors at the points of one depth, computed once and reused for any structure.
#pragma once

#include <cstddef>
#include <vector>

#include "layered/depth_kernel.h"
#include "layered/layered_structure.h"
#include "layered/wavenumber_grid.h"

// For each point (x, y) and node m: the loads' factors p·a·J1(ma)·{J0(mr), J1(mr), J1(mr)/(mr)} summed
// over the loads with each wheel's σr, σθ, τrz already turned into x and y, so that a point's stresses
// from every load are one sum over the nodes of these factors times a structure's DepthKernel.
class LoadGeometry {
 public:
  LoadGeometry(const std::vector<CircularLoad>& loads, const std::vector<StressPoint>& points,
               const WavenumberGrid& grid);

  // The stresses at each point from all loads, on the kernel's nodes (a leading part of the grid).
  std::vector<StressTensor> Stresses(const DepthKernel& kernel) const;

  std::size_t PointCount() const { return pointCount_; }

 private:
  // Per point and node, the factors of rr, tt, shear in σx and σy, of rr − tt and shear in τxy, and of
  // zz and rz in σz, τxz, τyz.
  enum Factor { kRrX, kTtX, kShearX, kDiffXy, kShearXy, kZz, kRzX, kRzY, kFactors };
  std::size_t pointCount_ = 0;
  std::size_t nodeCount_ = 0;
  std::vector<double> weight_;
  std::vector<double> factors_;  // [point][node][Factor]
};

// The largest distance from a load's centre to a point plus that load's radius: the integrands'
// fastest oscillation.
double LoadReach(const std::vector<CircularLoad>& loads, const std::vector<StressPoint>& points);
