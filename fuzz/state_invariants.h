// What must hold of the program state after any input: its tables, and a save that reads back the same.
#pragma once

#include <string>

#include "state/program_state.h"

// The first broken rule of the tables, or an empty text when all hold: account 0..65, every mixlist
// entry 0..65, mixnext - 1 within 0..65, mix positions 1..m holding distinct library rows and the
// positions after them 0, exactly one unit flag set.
std::string BrokenInvariant(const ProgramState& state);

// Saves the state as an input data file (in memory) and reads it back the way "&Read Data From File..."
// does: the first difference in the unit system, the three input texts, the mix or a mix row's fields,
// or an empty text when the read-back state is the same and saves to the same bytes.
std::string RoundTripDifference(const ProgramState& state);

// Both checks: the first problem found, or an empty text.
std::string StateProblem(const ProgramState& state);
