// The typical-range check of a typed value and the data side of the "Design Thickness" command.
#include "engine/input_check.h"

#include "engine/design_thickness.h"
#include "units/number_text.h"

namespace {

// A limit inside a message: the single's text form with the leading blank of a non-negative number.
std::string LimitInMessage(float limit) {
  std::string text(1, ' ');
  return text.append(SingleText(limit));
}

}  // namespace

bool IsNonNegativeNumber(const std::string& text) { return IsNumber(text) && LeadingNumber(text) >= 0; }

std::string CheckInputValue(const std::string& value, const std::string& name, float min, float max, MessageBox& box) {
  if (!IsNonNegativeNumber(value)) {
    box.MsgBox(name + " is an invalid number; please try again!", kMsgCancelTryAgainContinue, kInputCheckTitle);
    return value;
  }
  const float v = static_cast<float>(LeadingNumber(value));
  const bool belowMin = v < min;
  if (!belowMin && !(v > max)) return value;

  const std::string question = name + " is not within the typical data range" + "(" + LimitInMessage(min) + ", " +
                               LimitInMessage(max) + "). " + "Accept the suggested " +
                               (belowMin ? "minimum" : "maximum") + " value?";
  if (box.MsgBox(question, kMsgYesNo, kInputCheckTitle) == MsgBoxAnswer::kYes) return SingleText(belowMin ? min : max);
  box.MsgBox("Keep the " + name + " input value anyway!", kMsgOk, kInputCheckTitle);
  return value;
}

Outcome CheckInputsAndDesign(ProgramState& state, bool englishChecked, MessageBox& box,
                             const std::function<void()>& showChecked, PreparedDesign* used) {
  const DesignInputRanges& ranges = InputRangesFor(!englishChecked);
  const std::pair<std::string*, const InputRange*> inputs[] = {
      {&state.TxtE, &ranges.e}, {&state.TxtSc, &ranges.sc}, {&state.Txtk, &ranges.k}};
  for (const auto& [text, range] : inputs) {
    *text = CheckInputValue(*text, range->name, range->min, range->max, box);
    if (showChecked) showChecked();
  }
  for (const auto& [text, range] : inputs)
    if (!IsNonNegativeNumber(*text)) return Outcome::Success();
  return DesignThickness(state, used);
}
