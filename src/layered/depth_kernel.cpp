// Burmister's layered solution per wavenumber: the layers' constants from one small dense solve.
#include "layered/depth_kernel.h"

#include <Eigen/Dense>
#include <array>
#include <cmath>

namespace {

// In a layer of thickness h, with ξ = m(z − bottom) ≤ 0 and η = m(z − top) ≥ 0, Love's function is
// m⁻³·g0 with g0 = (A + Bξ)e^ξ + (C + Dη)e^{−η}; gk = m^{k−3}·dᵏφ/dzᵏ. Each row gives gk's factors of
// A, B, C, D; the half-space keeps C and D only.
using Row = std::array<double, 4>;
struct Derivatives {
  std::array<Row, 4> g;
};

Derivatives LayerDerivatives(double xi, double eta) {
  const double up = std::exp(xi);
  const double down = std::exp(-eta);
  // d/dη of (C + Dη)e^{−η} flips C's sign and turns Dη into D(1 − η), then D(η − 2), then D(3 − η).
  const std::array<double, 4> dFactor{eta, 1 - eta, eta - 2, 3 - eta};
  Derivatives d;
  for (int k = 0; k < 4; ++k) d.g[k] = {up, (k + xi) * up, (k % 2 == 0 ? 1 : -1) * down, dFactor[k] * down};
  return d;
}

Row Combine(const Derivatives& d, double c0, double c1, double c2, double c3) {
  Row row{};
  for (int j = 0; j < 4; ++j) row[j] = c0 * d.g[0][j] + c1 * d.g[1][j] + c2 * d.g[2][j] + c3 * d.g[3][j];
  return row;
}

// The four quantities matched across interfaces: σz, τrz, and the displacements w and u scaled by the
// surface layer's modulus so that every row of the system is of order 1.
struct Boundary {
  Row sz, trz, w, u;
};

Boundary LayerBoundary(const ElasticLayer& layer, double eRef, double xi, double eta) {
  const Derivatives d = LayerDerivatives(xi, eta);
  const double nu = layer.poisson;
  const double c = (1 + nu) * eRef / layer.modulus;
  return {Combine(d, 0, -(2 - nu), 0, 1 - nu), Combine(d, 1 - nu, 0, nu, 0),
          Combine(d, -2 * (1 - nu) * c, 0, (1 - 2 * nu) * c, 0), Combine(d, 0, c, 0, 0)};
}

// Writes a layer's row into the system at the layer's columns (C, D only for the half-space).
template <class Matrix>
void Put(Matrix& a, int row, int column, bool halfSpace, const Row& values, double factor) {
  if (halfSpace) {
    a(row, column) += factor * values[2];
    a(row, column + 1) += factor * values[3];
  } else {
    for (int j = 0; j < 4; ++j) a(row, column + j) += factor * values[j];
  }
}

// Solves the layers' constants at every node and evaluates the target layer's transforms; Matrix is
// fixed-size for three layers (a slab, a base, the subgrade), which Eigen factors several times faster.
template <class Matrix, class Vector>
void FillKernel(const LayeredStructure& structure, double z, const WavenumberGrid& grid, DepthKernel& kernel) {
  const std::vector<ElasticLayer>& layers = structure.layers;
  const int n = static_cast<int>(layers.size());
  const int unknowns = 4 * (n - 1) + 2;
  std::size_t target = 0;
  double top = 0;
  while (static_cast<int>(target) + 1 < n && z > top + layers[target].thickness) top += layers[target++].thickness;
  const bool targetIsHalfSpace = static_cast<int>(target) + 1 == n;
  const double eRef = layers[0].modulus;

  Matrix a;
  Vector b;
  Vector x;
  if constexpr (Matrix::RowsAtCompileTime == Eigen::Dynamic) {
    a.resize(unknowns, unknowns);
    b.resize(unknowns);
    x.resize(unknowns);
  }
  Eigen::PartialPivLU<Matrix> lu(unknowns);
  for (std::size_t i = 0; i < kernel.Size(); ++i) {
    const double m = grid.m[i];
    a.setZero();
    b.setZero();
    const Boundary surface = LayerBoundary(layers[0], eRef, n == 1 ? 0 : -m * layers[0].thickness, 0);
    Put(a, 0, 0, n == 1, surface.sz, 1);
    Put(a, 1, 0, n == 1, surface.trz, 1);
    b(0) = -1;
    for (int k = 0; k + 1 < n; ++k) {
      const bool lowerIsHalfSpace = k + 2 == n;
      const Boundary above = LayerBoundary(layers[k], eRef, 0, m * layers[k].thickness);
      const Boundary below = LayerBoundary(layers[k + 1], eRef, lowerIsHalfSpace ? 0 : -m * layers[k + 1].thickness, 0);
      const int row = 2 + 4 * k;
      const int upper = 4 * k;
      const int lower = 4 * (k + 1);
      if (structure.interfaces[k] == Interface::kBonded) {
        const std::array<const Row*, 4> up{&above.sz, &above.trz, &above.w, &above.u};
        const std::array<const Row*, 4> down{&below.sz, &below.trz, &below.w, &below.u};
        for (int q = 0; q < 4; ++q) {
          Put(a, row + q, upper, false, *up[q], 1);
          Put(a, row + q, lower, lowerIsHalfSpace, *down[q], -1);
        }
      } else {
        Put(a, row, upper, false, above.sz, 1);
        Put(a, row, lower, lowerIsHalfSpace, below.sz, -1);
        Put(a, row + 1, upper, false, above.w, 1);
        Put(a, row + 1, lower, lowerIsHalfSpace, below.w, -1);
        Put(a, row + 2, upper, false, above.trz, 1);
        Put(a, row + 3, lower, lowerIsHalfSpace, below.trz, 1);
      }
    }
    lu.compute(a);
    x = lu.solve(b);

    const ElasticLayer& layer = layers[target];
    const double xi = targetIsHalfSpace ? 0 : m * (z - top - layer.thickness);
    const Derivatives d = LayerDerivatives(xi, m * (z - top));
    const int column = 4 * static_cast<int>(target);
    std::array<double, 4> g{};
    for (int k = 0; k < 4; ++k)
      for (int j = targetIsHalfSpace ? 2 : 0; j < 4; ++j)
        g[k] += d.g[k][j] * x(column + (targetIsHalfSpace ? j - 2 : j));
    const double nu = layer.poisson;
    kernel.zz[i] = (1 - nu) * g[3] - (2 - nu) * g[1];
    kernel.rz[i] = nu * g[2] + (1 - nu) * g[0];
    kernel.rr[i] = nu * g[3] + (1 - nu) * g[1];
    kernel.tt[i] = nu * (g[3] - g[1]);
    kernel.shear[i] = g[1];
  }
}

}  // namespace

DepthKernel ComputeDepthKernel(const LayeredStructure& structure, double z, const WavenumberGrid& grid,
                               std::size_t nodes) {
  DepthKernel kernel;
  for (std::vector<double>* v : {&kernel.zz, &kernel.rz, &kernel.rr, &kernel.tt, &kernel.shear}) v->resize(nodes);
  switch (structure.layers.size()) {
    case 3:
      FillKernel<Eigen::Matrix<double, 10, 10>, Eigen::Vector<double, 10>>(structure, z, grid, kernel);
      break;
    default:
      FillKernel<Eigen::MatrixXd, Eigen::VectorXd>(structure, z, grid, kernel);
  }
  return kernel;
}
