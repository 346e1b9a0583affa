// Layered elastic stresses against Boussinesq's closed form, layer splits and finer integration.
#include "layered/layered_stresses.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kP = 100;  // psi
constexpr double kA = 6;    // in
constexpr double kNu = 0.3;
const ElasticLayer kSoil{30000, kNu, 0};

// Boussinesq under the centre of a uniform circular load on a homogeneous half-space.
double BoussinesqZz(double z) { return -kP * (1 - z * z * z / std::pow(kA * kA + z * z, 1.5)); }
double BoussinesqRr(double z) {
  const double s = std::sqrt(kA * kA + z * z);
  return -kP / 2 * ((1 + 2 * kNu) - 2 * (1 + kNu) * z / s + z * z * z / (s * s * s));
}

LayeredStructure Uniform(std::vector<double> thicknesses) {
  LayeredStructure s;
  for (double t : thicknesses) {
    s.layers.push_back({kSoil.modulus, kNu, t});
    s.interfaces.push_back(Interface::kBonded);
  }
  s.layers.push_back(kSoil);
  return s;
}

std::vector<StressTensor> Stresses(const LayeredStructure& s, const std::vector<CircularLoad>& loads,
                                   const std::vector<StressPoint>& points, const QuadratureSettings& q = {}) {
  const LayeredStressResult result = LayeredStresses(s, loads, points, q);
  EXPECT_TRUE(result.ok) << result.error;
  return result.stresses;
}

void ExpectRelative(double actual, double expected, double tolerance) {
  EXPECT_NEAR(actual, expected, tolerance * std::abs(expected));
}

// One layer on a half-space of its own material, three bonded layers of it, and the half-space alone
// are the homogeneous half-space, also at the interfaces' depths.
TEST(LayeredStresses, UniformStructuresEqualBoussinesqUnderTheCentre) {
  const std::vector<double> depths{0.5, 3, 8, 10, 20, 45};
  std::vector<StressPoint> points;
  for (double z : depths) points.push_back({0, 0, z});
  for (const LayeredStructure& s : {Uniform({}), Uniform({8}), Uniform({3, 7, 10})}) {
    const std::vector<StressTensor> st = Stresses(s, {{0, 0, kP, kA}}, points);
    for (std::size_t i = 0; i < depths.size(); ++i) {
      SCOPED_TRACE(depths[i]);
      ExpectRelative(st[i].zz, BoussinesqZz(depths[i]), 1e-8);
      ExpectRelative(st[i].xx, BoussinesqRr(depths[i]), 1e-8);
      ExpectRelative(st[i].yy, BoussinesqRr(depths[i]), 1e-8);
    }
  }
}

// A small load seen from afar is Boussinesq's point load: sigma z = -3 P z^3 / (2 pi R^5), and the shear
// on horizontal planes points away from the load with tau / sigma z = (horizontal offset) / z, in x or y.
TEST(LayeredStresses, ASmallLoadFromAfarIsBoussinesqsPointLoad) {
  constexpr double kSmall = 0.05, kZ = 8, kOffset = 6;
  const double load = kP * M_PI * kSmall * kSmall;
  const double r = std::hypot(kOffset, kZ);
  const double zz = -3 * load * std::pow(kZ, 3) / (2 * M_PI * std::pow(r, 5));
  const std::vector<StressTensor> st =
      Stresses(Uniform({}), {{0, 0, kP, kSmall}}, {{kOffset, 0, kZ}, {0, -kOffset, kZ}});
  for (const StressTensor& t : st) ExpectRelative(t.zz, zz, 1e-3);
  ExpectRelative(st[0].xz, zz * kOffset / kZ, 1e-3);
  EXPECT_NEAR(st[0].yz, 0, 1e-9);
  ExpectRelative(st[1].yz, -zz * kOffset / kZ, 1e-3);
  EXPECT_NEAR(st[1].xz, 0, 1e-9);
}

// A rigid-pavement-like structure: a slab frictionless on a base bonded to the subgrade, loaded by a
// dual-tandem gear, stresses at and beside the wheels.
LayeredStructure Pavement(std::vector<double> slab) {
  LayeredStructure s;
  for (double t : slab) s.layers.push_back({4e6, 0.15, t});
  s.interfaces.assign(slab.size() - 1, Interface::kBonded);
  s.layers.push_back({72519, 0.35, 7.874});
  s.layers.push_back({11603, 0.4, 0});
  s.interfaces.push_back(Interface::kFrictionless);
  s.interfaces.push_back(Interface::kBonded);
  return s;
}

const std::vector<CircularLoad> kDualTandem{
    {-15, 0, 200, 8.7}, {15, 0, 200, 8.7}, {-15, 55, 200, 8.7}, {15, 55, 200, 8.7}};

// Splitting the slab into bonded layers of its material changes nothing; neither does integrating
// twice as finely, at the slab's bottom or inside the lower layers.
TEST(LayeredStresses, LayerSplitsAndFinerIntegrationAgree) {
  const std::vector<StressPoint> points{{15, 0, 14}, {0, 27.5, 14}, {40, 70, 14}, {15, 0, 6}, {15, 0, 18}, {0, 0, 30}};
  const std::vector<StressTensor> whole = Stresses(Pavement({14}), kDualTandem, points);
  const std::vector<StressTensor> split = Stresses(Pavement({5, 9}), kDualTandem, points);
  const std::vector<StressTensor> finer = Stresses(Pavement({14}), kDualTandem, points, QuadratureSettings{}.Doubled());
  for (std::size_t i = 0; i < points.size(); ++i) {
    SCOPED_TRACE(i);
    const StressTensor& w = whole[i];
    const double scale = std::max({std::abs(w.xx), std::abs(w.yy), std::abs(w.zz)});
    for (const StressTensor& other : {split[i], finer[i]}) {
      EXPECT_NEAR(other.xx, w.xx, 1e-6 * scale);
      EXPECT_NEAR(other.yy, w.yy, 1e-6 * scale);
      EXPECT_NEAR(other.zz, w.zz, 1e-6 * scale);
      EXPECT_NEAR(other.xy, w.xy, 1e-6 * scale);
      EXPECT_NEAR(other.xz, w.xz, 1e-6 * scale);
      EXPECT_NEAR(other.yz, w.yz, 1e-6 * scale);
    }
  }
}

}  // namespace
