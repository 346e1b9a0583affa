// Whole-file reading, and the safe replacement of every file the program writes (text, PDF, pictures).
#pragma once

#include <cstddef>
#include <string>

#include "state/outcome.h"

// Writes bytes to path without ever leaving a half-written file there: they go into a temporary file in
// the same folder, which is renamed over path only once it is complete. The new file keeps the
// permission bits of the file it replaces, and when path is a symbolic link the link's target is
// replaced and the link stays. On any failure the temporary file is removed and a previous file at path
// is left as it was.
Outcome WriteFileAtomically(const std::string& path, const std::string& bytes);

// Reads the whole file; fails when it cannot be opened or read, or is larger than maxBytes.
Outcome ReadTextFile(const std::string& path, std::size_t maxBytes, std::string& content);
