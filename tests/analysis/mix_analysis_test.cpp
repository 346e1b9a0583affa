// The analysis of a design: stresses and units of an evaluation, shares, life left. The damage ratios and
// damage at a thickness, the damage curve and the slab thickness typed: the batch cases evaluate_* and curve_*.
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
  EXPECT_FLOAT_EQ(InUnitsInForce(mix, false).edgeStress[1], 465.91204833984375f);
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
}

TEST(LifeText, IsTwentyYearsOverTheDamageUpToAThousand) {
  for (const auto& [damage, text] : std::initializer_list<std::pair<double, const char*>>{
           {0.5, "40.0 years"}, {0.02, "1000.0 years"}, {0.0199, "more than 1000 years"}, {0, "more than 1000 years"}})
    EXPECT_EQ(LifeText(damage), text) << damage;
}

}  // namespace
