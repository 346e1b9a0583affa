// The typical-range check of a typed value and the checks before a design. Which texts are invalid, below,
// within or above the limits (the bounds themselves too): the batch case material_inputs_checked.
#include <gtest/gtest.h>

#include "engine/design_command.h"
#include "engine/design_thickness.h"
#include "support/scripted_services.h"
#include "support/test_state.h"
#include "units/range_question.h"
#include "units/typical_range.h"

namespace {

using A = MsgBoxAnswer;

// Each case: the typed text and its range, the one answer given, the text returned for the box, and the
// box asked (style 4 Yes/No, 6 Cancel/Try Again/Continue); refusing a limit is acknowledged in a second box.
TEST(CheckInputValue, AsksWhatTheValueNeedsAndReturnsTheTextForTheBox) {
  const std::string range = " is not within the typical data range";
  const struct {
    const char *value, *returned;
    InputRange range;
    MsgBoxAnswer answer;
    std::string asked;
    int style;
  } cases[] = {{"0", "500000", kEnglishInputRanges.e, A::kYes,
                "E" + range + "( 500000,  8000000). Accept the suggested minimum value?", 4},
               {"0", "0", kEnglishInputRanges.e, A::kNo,
                "E" + range + "( 500000,  8000000). Accept the suggested minimum value?", 4},
               {"abc", "abc", kEnglishInputRanges.e, A::kTryAgain, "E is an invalid number; please try again!", 6},
               {"60000000", "5.512E+07", kMetricInputRanges.e, A::kYes,
                "E" + range + "( 3445000,  5.512E+07). Accept the suggested maximum value?", 4},
               {"13.54", "13.55", kMetricInputRanges.k, A::kYes,
                "k" + range + "( 13.55,  189.7). Accept the suggested minimum value?", 4},
               {"2e8", "1E+08", kChangeDataRange, A::kYes,
                "This" + range + "( 0,  1E+08). Accept the suggested maximum value?", 4}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    ScriptedMessageBox box;
    box.Answer({c.answer});
    EXPECT_EQ(CheckInputValue(c.value, c.range.name, c.range.min, c.range.max, box), c.returned);
    ASSERT_EQ(box.asked.size(), c.answer == A::kNo ? 2u : 1u);
    EXPECT_EQ(box.asked[0].text, c.asked);
    EXPECT_EQ(box.asked[0].style, c.style);
    EXPECT_EQ(box.asked[0].title, "Input Data Check");
    if (c.answer == A::kNo) {
      EXPECT_EQ(box.asked[1].text, "Keep the E input value anyway!");
    }
  }
}

// The checks before a design: each answer is in its box before the next question; an invalid input (the
// batch case material_inputs_checked has each kind) stops the design only after every check; the ranges
// follow the English check mark (English values against the metric ranges: Sc 650 is below 3445 kPa).
TEST(CheckInputsAndDesign, AnswersEachQuestionInTurnAndAnInvalidInputStopsTheDesign) {
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
  ASSERT_EQ(box.asked.size(), 2u);
  EXPECT_EQ(box.asked[1].text.substr(0, 2), "Sc");
  EXPECT_FALSE(state.lbh.empty());

  state.lbh.clear();
  state.TxtSc = "abc";
  state.Txtk = "5";  // still checked after the bad Sc
  box.asked.clear();
  box.Answer({A::kCancel, A::kNo});
  EXPECT_TRUE(CheckInputsAndDesign(state, true, box).ok);
  EXPECT_EQ(state.TxtSc, "abc");
  EXPECT_TRUE(state.lbh.empty());
  ASSERT_EQ(box.asked.size(), 3u);  // invalid Sc, k range, keep k
  EXPECT_EQ(box.asked[0].text, "Sc is an invalid number; please try again!");

  state.TxtE = "4000000", state.TxtSc = "650", state.Txtk = "200";
  box.asked.clear();
  box.Answer({A::kNo, A::kOk, A::kNo});
  CheckInputsAndDesign(state, false, box);
  ASSERT_FALSE(box.asked.empty());
  EXPECT_EQ(box.asked[0].text,
            "Sc is not within the typical data range( 3445,  6890). Accept the suggested minimum value?");
}

}  // namespace
