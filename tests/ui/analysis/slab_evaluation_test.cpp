// Evaluating an existing slab: the thickness checked as typed, the data as they are, the life left.
#include "ui/analysis/slab_evaluation.h"

#include "analysis_fixture.h"
#include "units/conversion.h"
#include "units/number_text.h"
#include "units/unit_switch.h"

namespace {

using SlabEvaluationTest = DesignedMixTest;

TEST_F(SlabEvaluationTest, TextsThatAreNotAThicknessAreRefusedWithTheMessage) {
  const std::pair<const char*, bool> refused[] = {{"", false},      {"abc", false},   {"0", false},   {"-3", false},
                                                  {"30.01", false}, {"16 in", false}, {"76.3", true}, {"1e400", true}};
  for (const auto& [text, metric] : refused) {
    if (metric != state.IsMetric()) metric ? ConvertToMetric(state) : ConvertToEnglish(state);
    MixDamage mix;
    const Outcome outcome = EvaluateSlab(state, text, mix);
    EXPECT_FALSE(outcome.ok) << text;
    EXPECT_EQ(outcome.message, std::string("The slab thickness must be a number above 0 and at most ") +
                                   (metric ? "76.2 cm." : "30 in."))
        << text;
  }
  MixDamage mix;
  EXPECT_TRUE(EvaluateSlab(state, "76.2", mix).ok);  // metric by now
  EXPECT_EQ(mix.thicknessIn, 30);
}

TEST_F(SlabEvaluationTest, TheEvaluationUsesTheDataAsTheyAreAndChangesNothing) {
  const ProgramState before = state;
  MixDamage mix;
  ASSERT_TRUE(EvaluateSlab(state, "16", mix).ok);
  EXPECT_EQ(mix.damage, EvaluateMixDamage(PrepareDesign(state), 16).damage);
  ASSERT_EQ(mix.aircraft.size(), 4u);
  EXPECT_EQ(state.acdata, before.acdata);
  EXPECT_EQ(state.lbh, before.lbh);
  EXPECT_EQ(state.designResult.damageRatioPct, before.designResult.damageRatioPct);

  // Data that cannot be designed cannot be evaluated either, for the same reason.
  state.acdata[state.mixlist[1]][kFieldGrossWeight] = "0";
  const Outcome refused = EvaluateSlab(state, "16", mix);
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(refused.message, PrepareDesign(state).outcome.message);
}

TEST_F(SlabEvaluationTest, LifeLeftIsTwentyYearsOverTheDamage) {
  MixDamage mix;
  ASSERT_TRUE(EvaluateSlab(state, "16", mix).ok);
  ASSERT_GT(mix.damage, 1);
  EXPECT_DOUBLE_EQ(RemainingLifeYears(mix.damage), 20 / static_cast<double>(mix.damage));
  EXPECT_EQ(LifeText(mix.damage), FormatDecimals(20 / static_cast<double>(mix.damage), 1) + " years");
}

TEST_F(SlabEvaluationTest, ASlabNoAircraftDamagesHasMoreThanAThousandYears) {
  Design({"Single Wheel 12500"});
  MixDamage mix;
  ASSERT_TRUE(EvaluateSlab(state, "30", mix).ok);
  EXPECT_EQ(mix.damage, 0);
  EXPECT_EQ(LifeText(mix.damage), "more than 1000 years");
}

}  // namespace
