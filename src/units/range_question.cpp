// The questions of the typical-range check, asked through the message box.
#include "units/range_question.h"

#include "units/number_text.h"
#include "units/typical_range.h"

namespace {

// A limit inside a message: the single's text form with the leading blank of a non-negative number.
std::string LimitInMessage(float limit) {
  std::string text(1, ' ');
  return text.append(SingleText(limit));
}

}  // namespace

std::string CheckInputValue(const std::string& value, const std::string& name, float min, float max, MessageBox& box) {
  const RangeVerdict verdict = JudgeTypedValue(value, min, max);
  if (verdict == RangeVerdict::kInvalidNumber) {
    box.MsgBox(name + " is an invalid number; please try again!", kMsgCancelTryAgainContinue, kInputCheckTitle);
    return value;
  }
  if (verdict == RangeVerdict::kWithin) return value;

  const bool belowMin = verdict == RangeVerdict::kBelowMin;
  const std::string question = name + " is not within the typical data range" + "(" + LimitInMessage(min) + ", " +
                               LimitInMessage(max) + "). " + "Accept the suggested " +
                               (belowMin ? "minimum" : "maximum") + " value?";
  if (box.MsgBox(question, kMsgYesNo, kInputCheckTitle) == MsgBoxAnswer::kYes) return SingleText(belowMin ? min : max);
  box.MsgBox("Keep the " + name + " input value anyway!", kMsgOk, kInputCheckTitle);
  return value;
}
