// Reading the aircraft library file "fly.dll" into the library tables.
#pragma once

#include <istream>
#include <string>

#include "state/outcome.h"
#include "state/program_state.h"

inline constexpr const char* kLibraryFileName = "fly.dll";
inline constexpr std::size_t kMaxLibraryFileBytes = 1 << 20;  // a full library is a few kilobytes

// Reads the heading record into achead and up to 65 aircraft records into acdata rows 1.., sets
// account to the records stored. Rows the file does not fill keep their content. A missing file,
// a 66th record or a file ending inside a record keep what was read and return the reason.
// A line end inside a quoted field reads as a blank, so that every value fits on one line.
Outcome ReadLibrary(ProgramState& state, const std::string& path);
Outcome ReadLibrary(ProgramState& state, std::istream& in);
