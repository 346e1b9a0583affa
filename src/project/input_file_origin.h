// The input data file the program's data came from or went to, and whether a design's data are the file's.
#pragma once

#include <string>

#include "state/program_state.h"

// The state's data were just read from (or saved to) the file at path, whose first line is `title`: the
// state names the file and keeps what a design of its data computes with.
void NameInputFile(ProgramState& state, const std::string& path, const std::string& title, bool saved);

// The state names no input data file any more.
void ForgetInputFile(ProgramState& state);

// True when the state's last design computed with exactly the data its input data file holds: inputs and
// mix as they were read or saved, not changed since (a unit switch after the design changes nothing).
bool DesignIsOfInputFile(const ProgramState& state);
