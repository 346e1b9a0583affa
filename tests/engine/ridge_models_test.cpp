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
                                         ModelCase{"EdgeOffsetClamped", EdgeOffsetRatio, 2, 0.4f, 0.5760}),
                         [](const testing::TestParamInfo<ModelCase>& info) {
                           return std::string(info.param.name) + std::to_string(info.index);
                         });

TEST(RidgeModels, InputsBeyondTheDomainUseTheBound) {
  EXPECT_EQ(DualFactor(5, 0.01f), DualFactor(4, 0.05f));
  EXPECT_EQ(EdgeOffsetRatio(2.5f, 0.5f), EdgeOffsetRatio(2, 0.4f));
  // The edge-offset model's a/l domain is the narrower [0.1, 0.4].
  EXPECT_EQ(EdgeOffsetRatio(0.25f, 0.05f), EdgeOffsetRatio(0.25f, 0.1f));
}

TEST(RidgeModels, EdgeOffsetIsExactlyOneAtTheEdgeAndForNegativeOffsets) {
  for (float alpha : {0.05f, 0.1f, 0.25f, 0.4f, 0.9f}) {
    EXPECT_EQ(EdgeOffsetRatio(0, alpha), 1.0f);
    EXPECT_EQ(EdgeOffsetRatio(-3, alpha), 1.0f);
  }
  EXPECT_LT(EdgeOffsetRatio(0.001f, 0.2f), 1.0f);
}

TEST(RidgeModels, TandemCornerIsReturnedNegativeUnchanged) { EXPECT_NEAR(TandemFactor(4, 0.05f), -1.056, 0.001); }

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

TEST(GearFactor, ChoosesTheModelByTheFirstRuleThatHolds) {
  const double a = 6, l = 40;
  const float alpha = static_cast<float>(a / l);
  const float dual = DualFactor(static_cast<float>(34 / l), alpha);
  EXPECT_EQ(GearFactor(a, l, 0, 0, 6), 1.0f);   // single wheel, whatever n
  EXPECT_EQ(GearFactor(a, l, 34, 0, 6), dual);  // n = 6 without tandem: dual only
  EXPECT_EQ(GearFactor(a, l, 0, 57, 6), TandemFactor(static_cast<float>(57 / l), alpha));
  EXPECT_EQ(GearFactor(a, l, 34, 57, 4), dual * TandemFactor(static_cast<float>(57 / l), alpha));
  EXPECT_EQ(GearFactor(a, l, 34, 57, 6), dual * TripleTandemFactor(static_cast<float>(2 * 57 / l), alpha));
  EXPECT_NE(GearFactor(a, l, 34, 57, 6), GearFactor(a, l, 34, 57, 4));
}

}  // namespace
