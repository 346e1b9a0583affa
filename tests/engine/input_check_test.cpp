// The typical-range check of a typed value and the checks before a design. Which texts are invalid, below,
// within or above the limits (the bounds themselves too): the batch case material_inputs_checked; the boxes
// of E below and above its range, kept or not, and of invalid texts: the window session design_command_outcomes.
#include <gtest/gtest.h>

#include "engine/design_command.h"
#include "engine/design_thickness.h"
#include "support/scripted_services.h"
#include "support/test_state.h"
#include "units/range_question.h"
#include "units/typical_range.h"
#include "units/unit_system.h"

namespace {

using A = MsgBoxAnswer;

// Each case: the typed text and its range, the answer Yes, the text returned for the box and the box asked.
TEST(CheckInputValue, SuggestsTheLimitAsTheBoxShowsIt) {
  const std::string range = " is not within the typical data range";
  const struct {
    const char *value, *returned;
    InputRange range;
    std::string asked;
  } cases[] = {
      {"13.54", "13.55", kMetricUnits.ranges.k, "k" + range + "( 13.55,  189.7). Accept the suggested minimum value?"},
      {"2e8", "1E+08", kChangeDataRange, "This" + range + "( 0,  1E+08). Accept the suggested maximum value?"}};
  for (const auto& c : cases) {
    ScriptedMessageBox box;
    box.Answer({A::kYes});
    EXPECT_EQ(CheckInputValue(c.value, c.range.name, c.range.min, c.range.max, box), c.returned);
    ASSERT_EQ(box.asked.size(), 1u);
    EXPECT_EQ(box.asked[0].text, c.asked);
  }
}

// The checks before a design: each answer is in its box before the next question; an invalid input stops
// the design only after every check; the ranges follow the English check mark (English values against the
// metric ranges: Sc 650 is below 3445 kPa).
TEST(CheckInputsAndDesign, AnswersEachQuestionInTurnAndTheRangesFollowTheCheckMark) {
  ProgramState state = StateWithLibrary();
  SetMix(state, {RowNamed(state, "B737-800"), RowNamed(state, "B777-300ER")});
  ScriptedMessageBox box;
  state.TxtE = "0";
  state.TxtSc = "5000";
  box.Answer({A::kYes, A::kYes});
  std::vector<std::string> shownE;
  EXPECT_TRUE(CheckInputsAndDesign(state, true, box, [&] { shownE.push_back(state.TxtE); }).ok);
  EXPECT_EQ(shownE, (std::vector<std::string>{"500000", "500000", "500000"}));
  EXPECT_EQ(state.TxtSc, "1000");
  EXPECT_FALSE(state.lbh.empty());

  state.TxtE = "4000000", state.TxtSc = "650", state.Txtk = "200";
  box.asked.clear();
  box.Answer({A::kNo, A::kOk, A::kNo});
  CheckInputsAndDesign(state, false, box);
  ASSERT_FALSE(box.asked.empty());
  EXPECT_EQ(box.asked[0].text,
            "Sc is not within the typical data range( 3445,  6890). Accept the suggested minimum value?");
}

}  // namespace
