// Evaluation of an existing slab: the thickness the user typed, against the data as they are now.
#pragma once

#include <string>

#include "analysis/mix_analysis.h"
#include "state/outcome.h"
#include "state/program_state.h"

// Evaluates the mix at thickness h (in) and refuses an evaluation whose figures are not numbers: data
// whose stress cannot be computed are refused as a design refuses them, and a damage too large to
// compute names the aircraft that makes it (the thickness in the unit in force).
Outcome EvaluateSlabAt(const DesignBasis& design, double thicknessIn, bool metric, MixDamage& mix);

// Reads the thickness typed in the unit in force and evaluates the current inputs and mix at it,
// prepared exactly as a design prepares them; the state is not changed. On failure the outcome says
// what is wrong with the thickness or with the data.
Outcome EvaluateSlab(const ProgramState& state, const std::string& typed, MixDamage& mix);
