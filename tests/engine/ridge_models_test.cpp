// The regression models and the gear factor against their worked values; the factors of real aircraft
// (single wheel, dual, dual tandem, dual triple tandem): the fg of each aircraft of the batch JSON cases.
#include <gtest/gtest.h>

#include <limits>

#include "engine/mdlR.h"

namespace {

// Inputs beyond the domain take the bound; a/l of the edge-offset model is bounded to the narrower [0.1, 0.4];
// the tandem model's corner is returned negative, unchanged.
TEST(RidgeModels, MatchTheWorkedValuesToFourDecimals) {
  const struct {
    const char *name;
    float (*model)(float, float);
    float p1, p2;
    double expected;
  } cases[] = {{"dual", DualFactor, 1, 0.2f, 0.5953},
               {"tandem", TandemFactor, 1, 0.2f, 0.4765},
               {"triple tandem", TripleTandemFactor, 1, 0.2f, 0.5143},
               {"edge offset", EdgeOffsetRatio, 0.5f, 0.2f, 0.5853},
               {"edge offset 0.25", EdgeOffsetRatio, 0.25f, 0.1f, 0.6423},
               {"dual 4", DualFactor, 4, 0.2f, 0.4981},
               {"tandem 2", TandemFactor, 2, 0.3f, 0.4050},
               {"triple tandem 2", TripleTandemFactor, 2, 0.3f, 0.3427},
               {"dual clamped", DualFactor, 4, 0.05f, 0.5000},
               {"edge offset clamped", EdgeOffsetRatio, 2, 0.4f, 0.5760},
               {"dual beyond", DualFactor, 5, 0.01f, 0.5000},
               {"edge offset beyond", EdgeOffsetRatio, 2.5f, 0.5f, 0.5760},
               {"edge offset below", EdgeOffsetRatio, 0.25f, 0.05f, 0.6423},
               {"tandem corner", TandemFactor, 4, 0.05f, -1.0558},
               {"edge offset at the edge", EdgeOffsetRatio, 0, 0.05f, 1},
               {"edge offset negative", EdgeOffsetRatio, -3, 0.9f, 1}};
  for (const auto &c : cases) EXPECT_NEAR(c.model(c.p1, c.p2), c.expected, 0.00005) << c.name;
  EXPECT_LT(EdgeOffsetRatio(0.001f, 0.2f), 1.0f);
  EXPECT_EQ(ClampRange(std::numeric_limits<float>::quiet_NaN(), 0.1f, 0.4f), 0.1f);
}

TEST(RidgeModels, AProjectionOnItsKnotTakesTheLowerPiece) {
  // Direction (1) with knot 0: Y = p1 = 0 lies on the knot; the upper piece would give 1, the lower 0.
  RidgeModel m{};
  m.lo1 = -1, m.hi1 = 1, m.lo2 = 0, m.hi2 = 1;
  m.inputs = RidgeModel::Inputs::kProduct;
  m.direction[0][0] = 1;
  m.upperPiece[0][0] = 1;
  m.weight[0] = 1;
  EXPECT_EQ(EvaluateRidgeModel(m, 0, 0.5f), 0.0f);
  EXPECT_EQ(EvaluateRidgeModel(m, 0.01f, 0.5f), 1.0f);
}

// a/l = 8/40 = 0.2 and spacings of 40 in put each model on its worked value at 1.
TEST(GearFactor, ChoosesAndMultipliesTheModelsByTheGear) {
  const struct {
    const char *gear;
    double sd, st;
    int n;
    double expected;
  } cases[] = {{"n = 6 without tandem: dual only", 40, 0, 6, 0.5953},
               {"n = 6 without dual: tandem at St/l", 0, 40, 6, 0.4765}};
  for (const auto &c : cases) EXPECT_NEAR(GearFactor(8, 40, c.sd, c.st, c.n), c.expected, 0.0001) << c.gear;
}

}  // namespace
