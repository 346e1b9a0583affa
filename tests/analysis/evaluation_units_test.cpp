// An evaluation in the unit in force: inches to centimetres, psi to kPa, worked by hand.
#include <gtest/gtest.h>

#include "analysis/mix_analysis.h"

namespace {

TEST(EvaluationUnitsTest, MetricShowsCentimetresAndKilopascalsEnglishAsStored) {
  MixDamage mix;
  mix.thicknessIn = 10;
  mix.aircraft.resize(2);
  mix.aircraft[0].edgeStress = 100;
  mix.aircraft[1].edgeStress = 250;
  const EvaluationInUnits metric = InUnitsInForce(mix, true);
  EXPECT_DOUBLE_EQ(metric.thickness, 25.4);
  EXPECT_EQ(metric.edgeStress, (std::vector<double>{689, 1722.5}));
  const EvaluationInUnits english = InUnitsInForce(mix, false);
  EXPECT_EQ(english.thickness, 10);
  EXPECT_EQ(english.edgeStress, (std::vector<double>{100, 250}));
}

}  // namespace
