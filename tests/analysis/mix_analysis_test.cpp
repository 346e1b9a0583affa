// The analysis of a design: stresses and units of an evaluation, damage curve, shares, life left, slab
// thickness input. The damage ratios and damage of the metric example at its design thickness: the batch
// case evaluate_metric_mix.
#include "analysis/mix_analysis.h"

#include <gtest/gtest.h>

#include "golden/example_states.h"

namespace {

// The example's design: 19.833984375 in (ripades-batch --json examples/metric_regional.inp).
class MixAnalysisTest : public testing::Test {
 protected:
  ProgramState state = MetricRegional();
  void SetUp() override { ASSERT_TRUE(DesignThickness(state).ok); }
};

// The stresses (sigma_we x Fg of the batch JSON) and coverages in the unit in force: cm and kPa (x 2.54, x 6.89).
TEST_F(MixAnalysisTest, EvaluationGivesStressesAndCoveragesInEitherUnit) {
  const MixDamage mix = EvaluateMixDamage(state.designResult.basis, 19.833984375);
  EXPECT_NEAR(mix.aircraft[0].allowableCoverages, 12227.915121223634, 1e-6);
  const EvaluationInUnits metric = InUnitsInForce(mix, true);
  EXPECT_DOUBLE_EQ(metric.thickness, 19.833984375 * 2.54);
  EXPECT_NEAR(metric.edgeStress[0], 537.9381713867188 * 6.89, 1e-9);
  const EvaluationInUnits english = InUnitsInForce(mix, false);
  EXPECT_EQ(english.thickness, 19.833984375);
  EXPECT_FLOAT_EQ(english.edgeStress[1], 465.91204833984375f);
}

TEST_F(MixAnalysisTest, CurveSpansHalfToTwiceTheDesignClampedToThirtyInches) {
  const auto curve = DamageCurve(state.designResult, false);
  ASSERT_EQ(curve.size(), static_cast<std::size_t>(kCurvePoints + 1));  // the samples and the design's own
  EXPECT_DOUBLE_EQ(curve.front().thickness, 19.833984375 / 2);
  EXPECT_DOUBLE_EQ(curve.back().thickness, 30);
  // Damage falls over the range, though not everywhere: the gear models jump at their knots.
  EXPECT_GT(curve.front().damage, 1);
  EXPECT_LT(curve.back().damage, 1);
  state.designResult.thicknessIn = 10;
  const auto thin = DamageCurve(state.designResult, true);
  EXPECT_DOUBLE_EQ(thin.back().thickness, 20 * 2.54);
  EXPECT_DOUBLE_EQ(thin.front().thickness, 5 * 2.54);
  // A design thickness of 0 leaves no point at or below 0.
  state.designResult.thicknessIn = 0.0000572;
  const auto thinnest = DamageCurve(state.designResult, false);
  EXPECT_DOUBLE_EQ(thinnest.front().thickness, 0.0000286);
  for (const CurvePoint& p : thinnest) EXPECT_GT(p.thickness, 0);
}

// The shares are the given damage ratios, largest first; equal ones stay in mix order.
TEST_F(MixAnalysisTest, SharesAreTheDamageRatiosLargestFirst) {
  DesignResult result;
  result.basis = state.designResult.basis;
  result.damageRatioPct[RowNamed(state, "ATR 72-600")] = 50;
  result.damageRatioPct[RowNamed(state, "A321neo")] = 10;
  const std::vector<AircraftShare> shares = DamageShares(result);
  std::string order;
  for (const AircraftShare& share : shares) order += share.name + ", ";
  EXPECT_EQ(order, "ATR 72-600, A321neo, B737 MAX 8, Embraer E175, Dash 8-400, ");
  EXPECT_EQ(shares[0].damageRatioPct, 50);
  EXPECT_EQ(shares[1].damageRatioPct, 10);
}

TEST(RemainingLife, IsTwentyYearsOverTheDamageUpToAThousand) {
  EXPECT_DOUBLE_EQ(RemainingLifeYears(0.5), 40);
  for (const auto& [damage, text] : std::initializer_list<std::pair<double, const char*>>{
           {0.5, "40.0 years"}, {0.02, "1000.0 years"}, {0.0199, "more than 1000 years"}, {0, "more than 1000 years"}})
    EXPECT_EQ(LifeText(damage), text) << damage;
}

TEST(ReadSlabThickness, AcceptsAboveZeroUpToThirtyInchesInTheUnitInForce) {
  double h = 0;
  EXPECT_TRUE(ReadSlabThickness(" 12.5 ", false, h).ok);
  EXPECT_EQ(h, 12.5);
  EXPECT_TRUE(ReadSlabThickness("30", false, h).ok);
  EXPECT_TRUE(ReadSlabThickness("76.2", true, h).ok);
  EXPECT_EQ(h, 30);
  for (const char* bad : {"", "abc", "0", "-3", "30.01", "1e400", "12 in"}) {
    const Outcome o = ReadSlabThickness(bad, false, h);
    EXPECT_FALSE(o.ok) << bad;
    EXPECT_NE(o.message.find("at most 30 in"), std::string::npos);
  }
  EXPECT_NE(ReadSlabThickness("80", true, h).message.find("76.2 cm"), std::string::npos);
}

}  // namespace
