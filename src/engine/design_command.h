// Checking a typed value against its typical range, and the checks and design of "Design Thickness".
#pragma once

#include <functional>
#include <string>

#include "engine/design_thickness.h"
#include "engine/input_ranges.h"
#include "services/message_box.h"
#include "state/outcome.h"
#include "state/program_state.h"

inline constexpr const char* kInputCheckTitle = "Input Data Check";

// Returns the text to put back into the box: the typed text, or the violated limit's text when the user
// accepts it. A text that is not a non-negative number gets the invalid-number message; a value outside
// [min, max] (compared in single precision) is offered the limit, and refusing it is acknowledged.
std::string CheckInputValue(const std::string& value, const std::string& name, float min, float max, MessageBox& box);

// True when the whole text is a number of 0 or more, the condition every checked value must meet.
bool IsNonNegativeNumber(const std::string& text);

// What "Design Thickness" does with the data: checks TxtE, TxtSc and Txtk in turn against the English
// ranges when `englishChecked` (the check mark of the English menu item) or else the metric ones, each
// text replaced by the check's answer before the next check; then designs when all three are numbers of
// 0 or more. `showChecked` runs after each check, so the box shows its text before the next question.
// Returns the design's outcome (success when no design was run). A successful design also hands
// what it computed with to `used`, when given (see DesignThickness); otherwise `used` is untouched.
Outcome CheckInputsAndDesign(ProgramState& state, bool englishChecked, MessageBox& box,
                             const std::function<void()>& showChecked = {}, PreparedDesign* used = nullptr);
