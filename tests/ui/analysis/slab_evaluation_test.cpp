// Evaluating an existing slab: the thickness read in the unit in force, the data as they are.
#include "analysis/slab_evaluation.h"

#include "analysis_fixture.h"
#include "units/unit_switch.h"

namespace {

using SlabEvaluationTest = DesignedMixTest;

TEST_F(SlabEvaluationTest, TheEvaluationUsesTheDataAsTheyAreAndChangesNothing) {
  const ProgramState before = state;
  MixDamage mix;
  ASSERT_TRUE(EvaluateSlab(state, "16", mix).ok);
  EXPECT_EQ(mix.damage, EvaluateMixDamage(PrepareDesign(state), 16).damage);
  ASSERT_EQ(mix.aircraft.size(), 4u);
  EXPECT_EQ(state.acdata, before.acdata);
  EXPECT_EQ(state.lbh, before.lbh);
  EXPECT_EQ(state.designResult.damageRatioPct, before.designResult.damageRatioPct);

  // A metric thickness is read in centimetres.
  ConvertToMetric(state);
  ASSERT_TRUE(EvaluateSlab(state, "40.64", mix).ok);
  EXPECT_DOUBLE_EQ(mix.thicknessIn, 16);
}

TEST_F(SlabEvaluationTest, ASlabNoAircraftDamagesHasMoreThanAThousandYears) {
  Design({"Single Wheel 12500"});
  MixDamage mix;
  ASSERT_TRUE(EvaluateSlab(state, "30", mix).ok);
  EXPECT_EQ(mix.damage, 0);
  EXPECT_EQ(LifeText(mix.damage), "more than 1000 years");
}

}  // namespace
