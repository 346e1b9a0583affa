// The initial state of the main window's data, set at creation and again as the reset before a file read.
#pragma once

#include <string>

#include "state/outcome.h"
#include "state/program_state.h"

// Re-reads the aircraft library (restoring every row the file holds to its English values), sets the
// English unit labels and flags. Input texts, the thickness caption and the mix are not touched.
// A library that cannot be read fully is reported; the rows that were read are kept. A library of more
// than 65 aircraft gives its first 65 and a warning.
Outcome InitializeState(ProgramState& state, const std::string& libraryPath);
