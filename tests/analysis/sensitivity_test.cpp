// The sensitivity of a design against the designs of scaled input data files.
#include "analysis/sensitivity.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "project/input_file_reader.h"
#include "support/test_state.h"

namespace {

struct ScaledFileCase {
  const char* example;
  SensitivityInput input;
  double factor;
  const char* scaledText;  // the value as the scaled file holds it (E, Sc, k; departures of the first aircraft)
  double thicknessIn;      // ripades-batch --json on the example with that one value scaled by hand
  const char* caption;
};

// Each example was copied with one input scaled by hand and designed with ripades-batch.
constexpr ScaledFileCase kScaledFiles[] = {
    {"english_mixed_fleet", SensitivityInput::kK, 0.8, "120", 18.8873291015625, "18.9"},
    {"english_mixed_fleet", SensitivityInput::kE, 1.2, "4800000", 18.7554931640625, "18.8"},
    {"english_mixed_fleet", SensitivityInput::kSc, 0.9, "630", 19.6893310546875, "19.7"},
    {"english_mixed_fleet", SensitivityInput::kDepartures, 2, "6000", 18.922119140625, "18.9"},
    {"metric_regional", SensitivityInput::kE, 0.9, "24804000", 19.6160888671875, "49.8"},
    {"metric_regional", SensitivityInput::kK, 1.2, "32.52", 19.456787109375, "49.4"},  // 27.1 x 1.2 has residue
    {"metric_regional", SensitivityInput::kSc, 0.8, "3582.8", 22.93212890625, "58.2"},
    {"metric_regional", SensitivityInput::kDepartures, 0.5, "1000", 19.163818359375, "48.7"},
};

const std::string& ScaledValue(const ProgramState& s, SensitivityInput input) {
  const std::string* values[] = {&s.TxtE, &s.TxtSc, &s.Txtk, &s.acdata[s.mixlist[1]][kFieldDepartures]};
  return *values[static_cast<int>(input)];
}

ProgramState Example(const std::string& name) {
  ProgramState state;
  const std::string path = std::string(RIPADES_SOURCE_DIR) + "/examples/" + name + ".inp";
  EXPECT_EQ(LoadInputFile(state, path, RIPADES_LIBRARY_PATH).status, ReadStatus::kLoaded);
  return state;
}

TEST(Sensitivity, EachCaseDesignsAsTheScaledInputFileDoesAndTheStateStaysAsRead) {
  for (const ScaledFileCase& c : kScaledFiles) {
    SCOPED_TRACE(std::string(c.example) + " " + SensitivityInputName(c.input) + " x " + std::to_string(c.factor));
    const ProgramState state = Example(c.example);
    const std::optional<ProgramState> scaled = ScaledState(state, c.input, c.factor);
    ASSERT_TRUE(scaled.has_value());
    EXPECT_EQ(ScaledValue(*scaled, c.input), c.scaledText);

    ProgramState designed = state;
    const Sensitivity s = DesignSensitivity(designed);
    ASSERT_TRUE(s.outcome.ok);
    ASSERT_EQ(s.cases.size(), 14u);
    const auto found = std::find_if(s.cases.begin(), s.cases.end(), [&](const SensitivityCase& sc) {
      return sc.input == c.input && sc.factor == c.factor;
    });
    ASSERT_NE(found, s.cases.end());
    EXPECT_TRUE(found->designed);
    EXPECT_EQ(found->thicknessIn, c.thicknessIn);
    EXPECT_EQ(found->caption, c.caption);
    EXPECT_EQ(designed.acdata, state.acdata);  // no design was made on the state
    EXPECT_EQ(designed.TxtE + designed.TxtSc + designed.Txtk, state.TxtE + state.TxtSc + state.Txtk);
    EXPECT_TRUE(designed.lbh.empty());
  }
}

TEST(Sensitivity, HoldsTheUnscaledDesignAndShowsTheCasesInEitherUnit) {
  ProgramState state = Example("metric_regional");
  const Sensitivity s = DesignSensitivity(state);
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

// Doubling departures of 1e308 leaves no number to design with: that case alone has no thickness.
TEST(Sensitivity, ACaseThatCannotBeDesignedHasNoThickness) {
  ProgramState state = StateWithLibrary();
  const int row = RowNamed(state, "B737-800");
  SetMix(state, {row});
  state.acdata[row][kFieldDepartures] = "1e308";
  const Sensitivity s = DesignSensitivity(state);
  ASSERT_TRUE(s.outcome.ok);
  for (const SensitivityCase& c : s.cases) {
    const bool overflows = c.input == SensitivityInput::kDepartures && c.factor == 2;
    EXPECT_EQ(c.designed, !overflows) << c.inputName << " x " << c.factor;
    if (overflows) {
      EXPECT_EQ(c.caption, "no thickness");
      EXPECT_EQ(c.failure, "Cannot design: departures scaled by 2 are beyond the largest number.");
      EXPECT_EQ(InUnit(s, true).cases.back().caption, "no thickness");
    }
  }

  state.Txtk.assign(1, '0');  // = "0" here makes GCC 12 warn of an overlapping copy (-Wrestrict)
  const Sensitivity none = DesignSensitivity(state);
  EXPECT_FALSE(none.outcome.ok);
  EXPECT_TRUE(none.cases.empty());
}

}  // namespace
