// The sensitivity of a design: the state it leaves, its cases in either unit, cases without a design. The
// thickness of each case of the examples: the batch cases sensitivity_json and sensitivity_text.
#include "analysis/sensitivity.h"

#include <gtest/gtest.h>

#include "project/input_file_reader.h"
#include "support/test_state.h"

namespace {

ProgramState Example(const std::string& name) {
  ProgramState state;
  const std::string path = std::string(RIPADES_SOURCE_DIR) + "/examples/" + name + ".inp";
  EXPECT_EQ(LoadInputFile(state, path, RIPADES_LIBRARY_PATH).status, ReadStatus::kLoaded);
  return state;
}

// The unscaled design and the cases shown in either unit; the state stays as read: no design is made on it.
TEST(Sensitivity, HoldsTheUnscaledDesignAndShowsTheCasesInEitherUnit) {
  const ProgramState state = Example("metric_regional");
  ProgramState designed = state;
  const Sensitivity s = DesignSensitivity(designed);
  EXPECT_EQ(designed.acdata, state.acdata);
  EXPECT_EQ(designed.TxtE + designed.TxtSc + designed.Txtk, state.TxtE + state.TxtSc + state.Txtk);
  EXPECT_TRUE(designed.lbh.empty());
  EXPECT_TRUE(s.metric);
  EXPECT_EQ(s.designIn, 19.833984375);  // ripades-batch --json examples/metric_regional.inp
  EXPECT_EQ(s.designCaption, "50.4");
  // The cases keep the order the window, the document and the JSON list them in.
  const std::pair<std::size_t, const char*> listed[] = {{3, "E"}, {11, "k"}, {13, "departures"}};
  for (const auto& [index, input] : listed) EXPECT_EQ(s.cases[index].inputName, input);
  EXPECT_EQ(s.cases[3].factor + s.cases[11].factor + s.cases[13].factor, 1.2 + 1.2 + 2);

  // Shown in inches, the same designs: 19.833984375 and 19.456787109375 in.
  const Sensitivity english = InUnit(s, false);
  EXPECT_FALSE(english.metric);
  EXPECT_EQ(english.designCaption, "19.8");
  EXPECT_EQ(english.cases[11].caption, "19.5");
  EXPECT_EQ(english.cases[11].thicknessIn, s.cases[11].thicknessIn);
  EXPECT_EQ(InUnit(english, true).cases[11].caption, "49.4");
}

// Doubling departures of 1e308 leaves no number to design with: that case has no thickness in either unit
// (its message: the batch case sensitivity_json); a design refused unscaled gives no cases.
TEST(Sensitivity, ACaseThatCannotBeDesignedHasNoThickness) {
  ProgramState state = StateWithLibrary();
  const int row = RowNamed(state, "B737-800");
  SetMix(state, {row});
  state.acdata[row][kFieldDepartures] = "1e308";
  const Sensitivity s = DesignSensitivity(state);
  ASSERT_TRUE(s.outcome.ok);
  EXPECT_FALSE(s.cases.back().designed);
  EXPECT_EQ(InUnit(s, true).cases.back().caption, "no thickness");

  state.Txtk.assign(1, '0');  // = "0" here makes GCC 12 warn of an overlapping copy (-Wrestrict)
  const Sensitivity none = DesignSensitivity(state);
  EXPECT_FALSE(none.outcome.ok);
  EXPECT_TRUE(none.cases.empty());
}

// Every aircraft of a full mix of 65 has its departures scaled, the last one too, and no other row; a row
// the mix names twice is scaled once.
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
