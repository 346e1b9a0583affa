// The analysis of a design: pure evaluation, damage curve, shares, life left, slab thickness input.
#include "analysis/mix_analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "support/test_state.h"
#include "units/unit_switch.h"

namespace {

class MixAnalysisTest : public testing::Test {
 protected:
  ProgramState state = StateWithLibrary();
  void SetUp() override {
    ASSERT_NE(RowNamed(state, "Bombardier CRJ900"), 0);
    SetMix(state, {RowNamed(state, "B737-800"), RowNamed(state, "B777-300ER"), RowNamed(state, "A320-200"),
                   RowNamed(state, "Bombardier CRJ900")});
  }
  // Designs and checks the pure evaluation against the design's last pass, bit for bit.
  void ExpectEvaluationReproducesTheDesign() {
    ASSERT_TRUE(DesignThickness(state).ok);
    const ProgramState after = state;
    const MixDamage mix = EvaluateMixDamage(state.designResult.basis, state.designResult.thicknessIn);
    EXPECT_LT(std::fabs(1.0f - mix.damage), kDamageTolerance);
    float sum = 0;
    for (const AircraftDamage& a : mix.aircraft) {
      EXPECT_EQ(a.damageRatioPct, state.designResult.damageRatioPct[a.row]) << a.name;
      EXPECT_EQ(a.edgeStress, state.designResult.sigmaWe[a.row] * state.designResult.gearFactor[a.row]);
      sum += a.damageRatioPct / 100.0f;
    }
    EXPECT_EQ(mix.damage, sum);
    // The evaluation leaves the state as the design left it.
    EXPECT_EQ(state.acdata, after.acdata);
    EXPECT_EQ(state.lbh, after.lbh);
    EXPECT_EQ(state.designResult.damageRatioPct, after.designResult.damageRatioPct);
  }
};

TEST_F(MixAnalysisTest, EvaluationAtTheDesignThicknessReproducesTheDesignInEnglishAndMetric) {
  ExpectEvaluationReproducesTheDesign();
  ConvertToMetric(state);
  ExpectEvaluationReproducesTheDesign();
}

TEST_F(MixAnalysisTest, CurveSpansHalfToTwiceTheDesignClampedToThirtyInches) {
  ASSERT_TRUE(DesignThickness(state).ok);
  const double h = state.designResult.thicknessIn;
  const auto curve = DamageCurve(state.designResult, false);
  ASSERT_EQ(curve.size(), static_cast<std::size_t>(kCurvePoints + 1));  // the samples and the design's own
  EXPECT_DOUBLE_EQ(curve.front().thickness, h / 2);
  EXPECT_DOUBLE_EQ(curve.back().thickness, std::min(2 * h, 30.0));
  // Damage falls over the range, though not everywhere: the gear models jump at their knots.
  EXPECT_GT(curve.front().damage, 1);
  EXPECT_LT(curve.back().damage, 1);

  state.designResult.thicknessIn = 20;
  const auto thick = DamageCurve(state.designResult, true);
  EXPECT_DOUBLE_EQ(thick.back().thickness, 30 * 2.54);
  EXPECT_DOUBLE_EQ(thick.front().thickness, 10 * 2.54);
  // A design thickness of 0 leaves no point at or below 0.
  state.designResult.thicknessIn = 0.0000572;
  for (const CurvePoint& p : DamageCurve(state.designResult, false)) EXPECT_GT(p.thickness, 0);
}

TEST_F(MixAnalysisTest, SharesAreTheDesignsDamageRatiosLargestFirst) {
  ASSERT_TRUE(DesignThickness(state).ok);
  const auto shares = DamageShares(state.designResult);
  ASSERT_EQ(shares.size(), 4u);
  // The design's damage ratios: D is within 0.001 of 1, so they add up to within 0.1 of 100 %.
  const double total = std::accumulate(shares.begin(), shares.end(), 0.0,
                                       [](double s, const AircraftShare& a) { return s + a.damageRatioPct; });
  EXPECT_NEAR(total, 100, 0.1);
  for (std::size_t i = 1; i < shares.size(); ++i) EXPECT_GE(shares[i - 1].damageRatioPct, shares[i].damageRatioPct);
  EXPECT_EQ(shares.front().name, "B737-800");  // the governing aircraft of this mix
  EXPECT_EQ(shares.back().name, "Bombardier CRJ900");
}

TEST(RemainingLife, IsTwentyYearsOverTheDamage) {
  EXPECT_DOUBLE_EQ(RemainingLifeYears(0.5), 40);
  EXPECT_EQ(LifeText(0.5), "40.0 years");
  EXPECT_EQ(LifeText(4), "5.0 years");
  EXPECT_EQ(LifeText(0.02), "1000.0 years");
  EXPECT_EQ(LifeText(0.0199), "more than 1000 years");
  EXPECT_EQ(LifeText(0), "more than 1000 years");
}

TEST(ReadSlabThickness, AcceptsAboveZeroUpToThirtyInchesInTheUnitInForce) {
  double h = 0;
  EXPECT_TRUE(ReadSlabThickness(" 12.5 ", false, h).ok);
  EXPECT_EQ(h, 12.5);
  EXPECT_TRUE(ReadSlabThickness("30", false, h).ok);
  EXPECT_TRUE(ReadSlabThickness("76.2", true, h).ok);
  EXPECT_EQ(h, 30);
  EXPECT_TRUE(ReadSlabThickness("25.4", true, h).ok);
  EXPECT_DOUBLE_EQ(h, 10);
  for (const char* bad : {"", "abc", "0", "-3", "30.01", "1e400", "12 in"}) {
    const Outcome o = ReadSlabThickness(bad, false, h);
    EXPECT_FALSE(o.ok) << bad;
    EXPECT_NE(o.message.find("at most 30 in"), std::string::npos);
  }
  EXPECT_NE(ReadSlabThickness("80", true, h).message.find("76.2 cm"), std::string::npos);
}

}  // namespace
