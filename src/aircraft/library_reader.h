// Reading the aircraft library file "fly.dll" into the library tables.
#pragma once

#include <istream>
#include <string>

#include "state/outcome.h"
#include "state/program_state.h"

inline constexpr const char* kLibraryFileName = "fly.dll";
inline constexpr std::size_t kMaxLibraryFileBytes = 1 << 20;  // a full library is a few kilobytes

// Reads the heading record into achead and up to 65 aircraft records into acdata rows 1.., sets
// account to the records stored. Rows the file does not fill keep their content. A missing file or
// a file ending inside a record keep what was read and fail with the reason. Records after the 65th
// are left out with a warning: the first 65 are a whole library.
// A line end inside a quoted field reads as a blank, so that every value fits on one line.
Outcome ReadLibrary(ProgramState& state, const std::string& path);
Outcome ReadLibrary(ProgramState& state, std::istream& in);
