// The data side of the "Design Thickness" command: the typical-range questions, then the design.
#include "engine/design_command.h"

#include "units/range_question.h"
#include "units/typical_range.h"
#include "units/unit_system.h"

Outcome CheckInputsAndDesign(ProgramState& state, bool englishChecked, MessageBox& box,
                             const std::function<void()>& showChecked) {
  const DesignInputRanges& ranges = UnitSystemOf(!englishChecked).ranges;
  const std::pair<std::string*, const InputRange*> inputs[] = {
      {&state.TxtE, &ranges.e}, {&state.TxtSc, &ranges.sc}, {&state.Txtk, &ranges.k}};
  for (const auto& [text, range] : inputs) {
    *text = CheckInputValue(*text, range->name, range->min, range->max, box);
    if (showChecked) showChecked();
  }
  for (const auto& [text, range] : inputs)
    if (!IsNonNegativeNumber(*text)) return Outcome::Success();
  return DesignThickness(state);
}
