// Bessel factors of circular loads at points, with the rotation of polar stresses into x and y.
#include "layered/load_geometry.h"

#include <algorithm>
#include <cmath>

#include "layered/bessel.h"

namespace {

// J0(mr), J1(mr) and J1(mr)/(mr) at every node, for one distance r.
struct RadialBessel {
  double r = 0;
  std::vector<double> j0, j1, j1OverX;
};

RadialBessel BesselAt(double r, const WavenumberGrid& grid) {
  RadialBessel b{r, {}, {}, {}};
  for (double m : grid.m) {
    const double mr = m * r;
    b.j0.push_back(BesselJ0(mr));
    b.j1.push_back(BesselJ1(mr));
    b.j1OverX.push_back(mr > 1e-8 ? b.j1.back() / mr : 0.5 - mr * mr / 16);
  }
  return b;
}

}  // namespace

LoadGeometry::LoadGeometry(const std::vector<CircularLoad>& loads, const std::vector<StressPoint>& points,
                           const WavenumberGrid& grid)
    : pointCount_(points.size()), nodeCount_(grid.m.size()), weight_(grid.weight) {
  factors_.assign(pointCount_ * nodeCount_ * kFactors, 0);
  std::vector<double> loadFactor(nodeCount_);
  // A gear's wheels and points repeat few distances: each distance's Bessel functions are computed once.
  std::vector<RadialBessel> distances;
  for (const CircularLoad& load : loads) {
    for (std::size_t i = 0; i < nodeCount_; ++i)
      loadFactor[i] = load.pressure * load.radius * BesselJ1(grid.m[i] * load.radius);
    for (std::size_t p = 0; p < pointCount_; ++p) {
      const double dx = points[p].x - load.x;
      const double dy = points[p].y - load.y;
      const double r = std::hypot(dx, dy);
      auto known = std::find_if(distances.begin(), distances.end(), [r](const RadialBessel& b) { return b.r == r; });
      if (known == distances.end()) known = distances.insert(distances.end(), BesselAt(r, grid));
      const RadialBessel& bessel = *known;
      // Under the centre σr = σθ and τrz = 0: any direction does.
      const double c = r > 0 ? dx / r : 1;
      const double s = r > 0 ? dy / r : 0;
      double* f = &factors_[p * nodeCount_ * kFactors];
      for (std::size_t i = 0; i < nodeCount_; ++i, f += kFactors) {
        const double j0 = bessel.j0[i];
        const double j1 = bessel.j1[i];
        const double j1OverX = bessel.j1OverX[i];
        const double q = loadFactor[i];
        f[kRrX] += q * c * c * j0;
        f[kTtX] += q * s * s * j0;
        f[kShearX] += q * (s * s - c * c) * j1OverX;
        f[kDiffXy] += q * s * c * j0;
        f[kShearXy] -= q * 2 * s * c * j1OverX;
        f[kZz] += q * j0;
        f[kRzX] += q * c * j1;
        f[kRzY] += q * s * j1;
      }
    }
  }
}

std::vector<StressTensor> LoadGeometry::Stresses(const DepthKernel& kernel) const {
  const std::size_t nodes = std::min(kernel.Size(), nodeCount_);
  std::vector<StressTensor> stresses(pointCount_);
  for (std::size_t p = 0; p < pointCount_; ++p) {
    const double* f = &factors_[p * nodeCount_ * kFactors];
    StressTensor& s = stresses[p];
    for (std::size_t i = 0; i < nodes; ++i, f += kFactors) {
      const double w = weight_[i];
      const double rr = kernel.rr[i];
      const double tt = kernel.tt[i];
      const double shear = kernel.shear[i];
      // σy is σx with c and s exchanged: rr and tt swap, the shear term changes sign.
      s.xx += w * (rr * f[kRrX] + tt * f[kTtX] + shear * f[kShearX]);
      s.yy += w * (tt * f[kRrX] + rr * f[kTtX] - shear * f[kShearX]);
      s.xy += w * ((rr - tt) * f[kDiffXy] + shear * f[kShearXy]);
      s.zz += w * kernel.zz[i] * f[kZz];
      s.xz += w * kernel.rz[i] * f[kRzX];
      s.yz += w * kernel.rz[i] * f[kRzY];
    }
  }
  return stresses;
}

double LoadReach(const std::vector<CircularLoad>& loads, const std::vector<StressPoint>& points) {
  double reach = 0;
  for (const CircularLoad& load : loads)
    for (const StressPoint& point : points)
      reach = std::max(reach, std::hypot(point.x - load.x, point.y - load.y) + load.radius);
  return reach;
}
