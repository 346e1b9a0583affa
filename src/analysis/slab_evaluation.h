// Evaluation of an existing slab: the thickness the user typed, against the data as they are now.
#pragma once

#include <string>

#include "analysis/mix_analysis.h"
#include "state/outcome.h"
#include "state/program_state.h"

// Reads the thickness typed in the unit in force and evaluates the current inputs and mix at it,
// prepared exactly as a design prepares them; the state is not changed. On failure the outcome says
// what is wrong with the thickness or with the data.
Outcome EvaluateSlab(const ProgramState& state, const std::string& typed, MixDamage& mix);
