// Writing the input data file (".inp"): unit marker, the three input texts and the traffic mix.
#pragma once

#include <string>

#include "state/outcome.h"
#include "state/program_state.h"

inline constexpr const char* kEnglishMarker = "****ENG****";
inline constexpr const char* kMetricMarker = "****SI****";
inline constexpr const char* kAircraftMarker = "***Aircraft";
inline constexpr const char* kLineEnd = "\r\n";

// An integer number line: a blank (or a minus sign) before the digits and a blank after (" 3 ").
std::string IntegerNumberLine(long value);

// The file's text: title line, marker of the unit system in force, empty line, the texts of E, Sc
// and k verbatim, empty line, "***Aircraft", the mix count, and per mix position its library row
// and fields 2..9 verbatim; CR LF after every line. A mix counter below 1 writes a count of 0.
std::string InputFileText(const ProgramState& state);

// Writes InputFileText to path (the data side of FileSave_Click). A previous file at path survives
// any failure: the text is written beside it and renamed over it only when complete.
Outcome WriteInputFile(const ProgramState& state, const std::string& path);

// WriteInputFile; once the file is written it becomes the state's input data file (path and title line).
Outcome SaveInputFile(ProgramState& state, const std::string& path);
