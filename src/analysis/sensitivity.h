// How the design thickness answers to the least certain inputs: E, Sc, k and the traffic, each scaled.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/design_verdict.h"
#include "state/outcome.h"
#include "state/program_state.h"

enum class SensitivityInput { kE, kSc, kK, kDepartures };

// "E", "Sc", "k" or "departures": the input's name in the window, the document and the batch JSON.
const char* SensitivityInputName(SensitivityInput input);

// The factors each input is scaled by, in the order the cases are listed.
inline constexpr double kMaterialFactors[] = {0.8, 0.9, 1.1, 1.2};  // E, Sc and k
inline constexpr double kDepartureFactors[] = {0.5, 2};             // every mix aircraft's departures

// The design of the inputs with one of them scaled.
struct SensitivityCase {
  SensitivityInput input = SensitivityInput::kE;
  std::string inputName;  // SensitivityInputName(input)
  double factor = 1;
  bool designed = false;  // false: the scaled inputs cannot be designed; see failure
  double thicknessIn = 0;
  std::string caption;  // VerdictCaption in the unit in force, or kNoThickness when not designed
  std::string failure;  // why the design could not be made, as "Design Thickness" would say it
  DesignVerdict verdict = DesignVerdict::kCarried;  // of a search made: whether its thickness is a design
};

// The case has a design thickness: its search was made and found one.
inline bool IsDesign(const SensitivityCase& c) { return c.designed && c.verdict == DesignVerdict::kCarried; }

struct Sensitivity {
  Outcome outcome;  // a failure: the unscaled inputs cannot be designed, and there are no cases
  bool metric = false;
  DesignVerdict verdict = DesignVerdict::kCarried;  // whether the unscaled search found a design
  double designIn = 0;                              // the thickness of the unscaled inputs, inches
  std::string designCaption;                        // VerdictCaption in the unit in force
  std::vector<SensitivityCase> cases;  // E, Sc, k by kMaterialFactors, then departures by kDepartureFactors
};

// Designs the state's inputs and mix as they are and with each input scaled in turn, each on a copy of
// the state by DesignThickness itself, so with its search and numerics; the state is not touched.
// Scaling E, Sc or k scales the number its text holds, in the unit in force; scaling the departures
// scales field 3 of every library row in the mix. The product is written back as number text, as an
// input data file would hold it: designing a file with that text gives the same thickness. The 15
// designs run side by side on the processor's cores (at most 8 threads, all ended before it returns).
Sensitivity DesignSensitivity(const ProgramState& state);

// The same designs shown in the other unit system: each caption as VerdictCaption gives it there
// ("0.0" or "over 76.2 cm", centimetres when metric). Converting to the unit they were designed in
// changes nothing.
Sensitivity InUnit(const Sensitivity& sensitivity, bool metric);

// The text of a value scaled by factor: the number text of the product in double precision of the
// text's leading number and the factor. Number text keeps 15 significant digits, so the binary residue
// of the product is dropped: "4000000" x 1.1 gives "4400000", "200" x 0.8 gives "160".
std::string ScaledText(const std::string& text, double factor);

// A copy of the state with one input scaled by factor, as DesignSensitivity designs it; nothing when a
// scaled value is beyond a double, which no number text could hold.
std::optional<ProgramState> ScaledState(const ProgramState& state, SensitivityInput input, double factor);
