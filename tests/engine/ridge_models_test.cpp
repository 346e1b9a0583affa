// The regression models and the gear factor against their worked values.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/mdlR.h"

namespace {

struct ModelCase {
  const char* name;
  float (*model)(float, float);
  float p1, p2;
  double expected;  // to four decimals
};

class RidgeModelValues : public testing::TestWithParam<ModelCase> {};

TEST_P(RidgeModelValues, MatchWorkedValueToFourDecimals) {
  const ModelCase& c = GetParam();
  EXPECT_NEAR(c.model(c.p1, c.p2), c.expected, 0.00005) << c.name << "(" << c.p1 << ", " << c.p2 << ")";
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, RidgeModelValues,
                         testing::Values(ModelCase{"Dual", DualFactor, 1, 0.2f, 0.5953},
                                         ModelCase{"Tandem", TandemFactor, 1, 0.2f, 0.4765},
                                         ModelCase{"TripleTandem", TripleTandemFactor, 1, 0.2f, 0.5143},
                                         ModelCase{"EdgeOffset", EdgeOffsetRatio, 0.5f, 0.2f, 0.5853},
                                         ModelCase{"EdgeOffset", EdgeOffsetRatio, 0.25f, 0.1f, 0.6423},
                                         ModelCase{"Dual", DualFactor, 4, 0.2f, 0.4981},
                                         ModelCase{"Tandem", TandemFactor, 2, 0.3f, 0.4050},
                                         ModelCase{"TripleTandem", TripleTandemFactor, 2, 0.3f, 0.3427},
                                         ModelCase{"DualClamped", DualFactor, 4, 0.05f, 0.5000},
                                         ModelCase{"EdgeOffsetClamped", EdgeOffsetRatio, 2, 0.4f, 0.5760},
                                         // Inputs beyond the domain take the bound; a/l of the edge-offset
                                         // model is bounded to the narrower [0.1, 0.4].
                                         ModelCase{"DualBeyond", DualFactor, 5, 0.01f, 0.5000},
                                         ModelCase{"EdgeOffsetBeyond", EdgeOffsetRatio, 2.5f, 0.5f, 0.5760},
                                         ModelCase{"EdgeOffsetBelow", EdgeOffsetRatio, 0.25f, 0.05f, 0.6423},
                                         // The tandem model's corner is returned negative, unchanged.
                                         ModelCase{"TandemCorner", TandemFactor, 4, 0.05f, -1.0558}),
                         [](const testing::TestParamInfo<ModelCase>& info) {
                           return std::string(info.param.name) + std::to_string(info.index);
                         });

TEST(RidgeModels, EdgeOffsetIsExactlyOneAtTheEdgeAndForNegativeOffsets) {
  for (float alpha : {0.05f, 0.1f, 0.25f, 0.4f, 0.9f}) {
    EXPECT_EQ(EdgeOffsetRatio(0, alpha), 1.0f);
    EXPECT_EQ(EdgeOffsetRatio(-3, alpha), 1.0f);
  }
  EXPECT_LT(EdgeOffsetRatio(0.001f, 0.2f), 1.0f);
}

TEST(RidgeModels, ClampRangeSendsNotANumberToTheLowerBound) {
  EXPECT_EQ(ClampRange(std::numeric_limits<float>::quiet_NaN(), 0.1f, 0.4f), 0.1f);
  EXPECT_EQ(ClampRange(0.5f, 0.1f, 0.4f), 0.4f);
  EXPECT_EQ(ClampRange(0.2f, 0.1f, 0.4f), 0.2f);
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

// a/l = 8/40 = 0.2 and spacings of 40 or 20 in put each model on its worked value at 1 or 2 x 20/40.
TEST(GearFactor, ChoosesAndMultipliesTheModelsByTheGear) {
  const struct {
    const char* gear;
    double sd, st;
    int n;
    double expected;
  } cases[] = {{"single wheel, whatever n", 0, 0, 6, 1},
               {"n = 6 without tandem: dual only", 40, 0, 6, 0.5953},
               {"n = 6 without dual: tandem at St/l", 0, 40, 6, 0.4765},
               {"dual tandem", 40, 40, 4, 0.5953 * 0.4765},
               {"dual triple tandem at 2 St/l", 40, 20, 6, 0.5953 * 0.5143}};
  for (const auto& c : cases) EXPECT_NEAR(GearFactor(8, 40, c.sd, c.st, c.n), c.expected, 0.0001) << c.gear;
}

}  // namespace
