// The typical-range check of a typed value and the checks before a design.
#include <gtest/gtest.h>

#include "engine/design_command.h"
#include "engine/design_thickness.h"
#include "support/scripted_services.h"
#include "support/test_state.h"
#include "units/range_question.h"
#include "units/typical_range.h"

namespace {

struct CheckCase {
  const char* name;
  const char* value;
  InputRange range;
  std::vector<MsgBoxAnswer> answers;
  std::string returned;
  std::vector<std::pair<std::string, int>> boxes;  // text and style of each box, in order
};

class CheckInputValueTest : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckInputValueTest, AsksWhatTheValueNeedsAndReturnsTheTextForTheBox) {
  const CheckCase& c = GetParam();
  ScriptedMessageBox box;
  box.answers.assign(c.answers.begin(), c.answers.end());
  EXPECT_EQ(CheckInputValue(c.value, c.range.name, c.range.min, c.range.max, box), c.returned);
  ASSERT_EQ(box.asked.size(), c.boxes.size());
  for (std::size_t i = 0; i < c.boxes.size(); ++i) {
    EXPECT_EQ(box.asked[i].text, c.boxes[i].first);
    EXPECT_EQ(box.asked[i].style, c.boxes[i].second);
    EXPECT_EQ(box.asked[i].title, "Input Data Check");
  }
}

const InputRange kE = kEnglishInputRanges.e;
const InputRange kSc = kEnglishInputRanges.sc;
const InputRange kMetricE = kMetricInputRanges.e;
const InputRange kMetricK = kMetricInputRanges.k;
const std::string kEBelow =
    "E is not within the typical data range( 500000,  8000000). Accept the suggested minimum value?";
const std::string kMetricEAbove =
    "E is not within the typical data range( 3445000,  5.512E+07). Accept the suggested maximum value?";
const std::string kMetricKBelow =
    "k is not within the typical data range( 13.55,  189.7). Accept the suggested minimum value?";
const std::string kThisAbove =
    "This is not within the typical data range( 0,  1E+08). Accept the suggested maximum value?";
const std::string kEInvalid = "E is an invalid number; please try again!";
using A = MsgBoxAnswer;

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckInputValueTest,
    testing::Values(
        CheckCase{"BelowAcceptedGivesTheMinimum", "0", kE, {A::kYes}, "500000", {{kEBelow, 4}}},
        CheckCase{"BelowKeptSaysSo", "0", kE, {A::kNo}, "0", {{kEBelow, 4}, {"Keep the E input value anyway!", 0}}},
        CheckCase{"NegativeIsInvalid", "-5", kE, {}, "-5", {{kEInvalid, 6}}},
        CheckCase{"LettersInvalidWhateverTheAnswer", "abc", kE, {A::kTryAgain}, "abc", {{kEInvalid, 6}}},
        CheckCase{"AtTheMaximumAsksNothing", "1000", kSc, {}, "1000", {}},
        CheckCase{"AtTheMinimumAsksNothing", "500000", kE, {}, "500000", {}},
        CheckCase{
            "MetricAboveGivesSingleTextMaximum", "60000000", kMetricE, {A::kYes}, "5.512E+07", {{kMetricEAbove, 4}}},
        CheckCase{"MetricJustBelowTheMinimum", "13.54", kMetricK, {A::kYes}, "13.55", {{kMetricKBelow, 4}}},
        CheckCase{"ChangeDataAboveGivesENotation", "2e8", kChangeDataRange, {A::kYes}, "1E+08", {{kThisAbove, 4}}}),
    [](const testing::TestParamInfo<CheckCase>& info) { return info.param.name; });

class CheckInputsAndDesignTest : public testing::Test {
 protected:
  ProgramState state = StateWithLibrary();
  ScriptedMessageBox box;

  void SetUp() override { SetMix(state, {RowNamed(state, "B737-800"), RowNamed(state, "B777-300ER")}); }
};

TEST_F(CheckInputsAndDesignTest, EachBoxHoldsItsAnswerBeforeTheNextQuestion) {
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
}

TEST_F(CheckInputsAndDesignTest, AnInvalidInputStopsTheDesignAfterAllChecks) {
  for (const char* bad : {"abc", "", "-5"}) {
    state.lbh.clear();
    state.TxtSc = bad;
    state.Txtk = "5";  // still checked after the bad Sc
    box.asked.clear();
    box.Answer({A::kCancel, A::kNo});
    EXPECT_TRUE(CheckInputsAndDesign(state, true, box).ok);
    EXPECT_EQ(state.TxtSc, bad);
    EXPECT_TRUE(state.lbh.empty()) << bad;
    ASSERT_EQ(box.asked.size(), 3u);  // invalid Sc, k range, keep k
    EXPECT_EQ(box.asked[0].text, "Sc is an invalid number; please try again!");
  }
}

TEST_F(CheckInputsAndDesignTest, RangesFollowTheEnglishCheckMark) {
  // English values checked against the metric ranges: Sc 650 is below 3445 kPa.
  box.Answer({A::kNo, A::kOk, A::kNo});
  CheckInputsAndDesign(state, false, box);
  ASSERT_FALSE(box.asked.empty());
  EXPECT_EQ(box.asked[0].text,
            "Sc is not within the typical data range( 3445,  6890). Accept the suggested minimum value?");
}

}  // namespace
