// An evaluation in the unit in force: inches to centimetres, psi to kPa, worked by hand.
#include <gtest/gtest.h>

#include "analysis/mix_analysis.h"

namespace {

MixDamage TwoAircraftAtTenInches() {
  MixDamage mix;
  mix.thicknessIn = 10;
  mix.aircraft.resize(2);
  mix.aircraft[0].edgeStress = 100;
  mix.aircraft[1].edgeStress = 250;
  return mix;
}

TEST(EvaluationUnitsTest, MetricShowsCentimetresAndKilopascals) {
  const EvaluationInUnits shown = InUnitsInForce(TwoAircraftAtTenInches(), true);
  EXPECT_DOUBLE_EQ(shown.thickness, 25.4);
  ASSERT_EQ(shown.edgeStress.size(), 2u);
  EXPECT_DOUBLE_EQ(shown.edgeStress[0], 689);
  EXPECT_DOUBLE_EQ(shown.edgeStress[1], 1722.5);
}

TEST(EvaluationUnitsTest, EnglishShowsInchesAndPsiAsStored) {
  const EvaluationInUnits shown = InUnitsInForce(TwoAircraftAtTenInches(), false);
  EXPECT_EQ(shown.thickness, 10);
  ASSERT_EQ(shown.edgeStress.size(), 2u);
  EXPECT_EQ(shown.edgeStress[0], 100);
  EXPECT_EQ(shown.edgeStress[1], 250);
}

}  // namespace
