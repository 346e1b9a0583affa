// The unit switch on the program state.
#include "units/unit_switch.h"

#include <string>

#include "units/conversion.h"
#include "units/number_text.h"
#include "units/unit_system.h"

namespace {

// Converts a text that is wholly a number; any other text (empty included) stays as it is, since
// the switch has no value to put in its place.
void ConvertText(std::string& text, double factor, Conversion conversion) {
  if (!IsNumber(text)) return;
  const double value = LeadingNumber(text);
  if (ReplacedOnSwitch(value, factor, conversion)) text = NumberText(Convert(value, factor, conversion));
}

void Switch(ProgramState& state, bool toMetric) {
  const bool convert = toMetric ? state.EngFlag == 1 : state.SIFlag == 1;
  const Conversion conversion = toMetric ? Conversion::kToMetric : Conversion::kToEnglish;
  if (convert) {
    ConvertText(state.TxtE, kStressFactor, conversion);
    ConvertText(state.TxtSc, kStressFactor, conversion);
    ConvertText(state.Txtk, kSubgradeFactor, conversion);
    // A caption shows the current design: it is shown again from the design's own thickness, rounded
    // once in the new unit, as a design made in that unit shows it; converting the one-decimal text
    // would round twice and drift from the design (50.4 cm would come back as 50.3 cm).
    if (state.HasCurrentDesign()) state.lbh = UnitSystemOf(toMetric).ThicknessCaption(state.designResult.thicknessIn);
    ConvertLibraryFields(state.acdata, conversion, /*unitSwitch=*/true);
  }
  ApplyUnitSystem(state, toMetric);
}

}  // namespace

void ConvertToMetric(ProgramState& state) { Switch(state, true); }

void ConvertToEnglish(ProgramState& state) { Switch(state, false); }
