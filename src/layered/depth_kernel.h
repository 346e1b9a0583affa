// The wavenumber kernels of a layered structure at one depth, for a unit circular load's transform.
#pragma once

#include <cstddef>
#include <vector>

#include "layered/layered_structure.h"
#include "layered/wavenumber_grid.h"

// At each node m of a grid, the Hankel transforms at depth z of the response to a surface pressure
// whose transform is −J0(m r) (Love's stress function, one solve of the layers' constants per m). A
// load of pressure p and radius a weighs node m by p·a·J1(m a); then
//   σz = Σ w·p·a·J1(ma)·zz·J0(mr),     τrz = Σ w·p·a·J1(ma)·rz·J1(mr),
//   σr = Σ w·p·a·J1(ma)·(rr·J0(mr) − shear·J1(mr)/(mr)),
//   σθ = Σ w·p·a·J1(ma)·(tt·J0(mr) + shear·J1(mr)/(mr)).
struct DepthKernel {
  std::vector<double> zz, rz, rr, tt, shear;
  std::size_t Size() const { return zz.size(); }
};

// The kernel at depth z > 0 (on an interface: in the layer above) on the first `nodes` nodes of the
// grid. The structure must be valid (StructureError empty). Each layer's exponentials are written
// from its own top and bottom, so that none exceeds 1 however thick the layer or large m.
DepthKernel ComputeDepthKernel(const LayeredStructure& structure, double z, const WavenumberGrid& grid,
                               std::size_t nodes);
