// The checks and design of the "Design Thickness" command.
#pragma once

#include <functional>

#include "engine/design_thickness.h"
#include "services/message_box.h"
#include "state/outcome.h"
#include "state/program_state.h"

// What "Design Thickness" does with the data: checks TxtE, TxtSc and Txtk in turn against the English
// ranges when `englishChecked` (the check mark of the English menu item) or else the metric ones, each
// text replaced by the check's answer before the next check; then designs when all three are numbers of
// 0 or more. `showChecked` runs after each check, so the box shows its text before the next question.
// Returns the design's outcome (success when no design was run).
Outcome CheckInputsAndDesign(ProgramState& state, bool englishChecked, MessageBox& box,
                             const std::function<void()>& showChecked = {});
