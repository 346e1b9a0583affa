// The sensitivity of a design: the unscaled design, its cases in either unit, cases without a design. The
// thickness of each case in the file's unit, in order: the batch cases sensitivity_json and sensitivity_text.
#include "analysis/sensitivity.h"

#include <gtest/gtest.h>

#include "golden/example_states.h"

namespace {

// The designs of the metric example (examples/metric_regional.inp): 19.833984375 in unscaled, 19.456787109375 in with k
// x 1.2.
TEST(Sensitivity, HoldsTheUnscaledDesignAndShowsTheCasesInEitherUnit) {
  const Sensitivity s = DesignSensitivity(MetricRegional());
  EXPECT_TRUE(s.metric);
  EXPECT_EQ(s.designIn, 19.833984375);
  EXPECT_EQ(s.designCaption, "50.4");
  const Sensitivity english = InUnit(s, false);
  EXPECT_FALSE(english.metric);
  EXPECT_EQ(english.designCaption, "19.8");
  EXPECT_EQ(english.cases[11].caption, "19.5");
  EXPECT_EQ(InUnit(english, true).cases[11].caption, "49.4");
}

// Doubling departures of 1e308 leaves no number to design with: that case has no thickness in either unit;
// a design refused unscaled gives no cases.
TEST(Sensitivity, ACaseThatCannotBeDesignedHasNoThickness) {
  ProgramState state = StateWithLibrary();
  const int row = RowNamed(state, "B737-800");
  SetMix(state, {row});
  state.acdata[row][kFieldDepartures] = "1e308";
  const Sensitivity s = DesignSensitivity(state);
  ASSERT_TRUE(s.outcome.ok);
  EXPECT_EQ(InUnit(s, true).cases.back().caption, "no thickness");
  state.Txtk.assign(1, '0');  // = "0" here makes GCC 12 warn of an overlapping copy (-Wrestrict)
  const Sensitivity none = DesignSensitivity(state);
  EXPECT_FALSE(none.outcome.ok);
  EXPECT_TRUE(none.cases.empty());
}

// Every aircraft of a full mix of 65 (more than a file can name) has its departures scaled, the last one
// too, and no other row; a row the mix names twice is scaled once.
TEST(Sensitivity, ScaledDeparturesReachEveryAircraftOfAFullMixOnce) {
  ProgramState state;
  for (int p = 1; p <= kMaxAircraft; ++p) {
    state.acdata[p][kFieldDepartures] = "100";
    state.mixlist[p] = static_cast<int16_t>(p);
  }
  state.mixlist[2] = 1;
  state.mixnext = kMaxAircraft + 1;
  const std::optional<ProgramState> scaled = ScaledState(state, SensitivityInput::kDepartures, 2);
  ASSERT_TRUE(scaled);
  EXPECT_EQ(scaled->acdata[1][kFieldDepartures], "200");
  EXPECT_EQ(scaled->acdata[2][kFieldDepartures], "100");
  EXPECT_EQ(scaled->acdata[kMaxAircraft][kFieldDepartures], "200");
  state.mixnext = 3;  // positions after the mix's two are not in it
  EXPECT_EQ(ScaledState(state, SensitivityInput::kDepartures, 2)->acdata[3][kFieldDepartures], "100");
}

}  // namespace
