// Whole-file reading and safe replacement of the program's text files.
#pragma once

#include <cstddef>
#include <string>

#include "state/outcome.h"

// Writes content to path without ever leaving a half-written file there: the text goes into a
// temporary file in the same folder, which is renamed over path only once it is complete. The new file
// keeps the permission bits of the file it replaces, and when path is a symbolic link the link's target
// is replaced and the link stays. On any failure the temporary file is removed and a previous file at
// path is left as it was.
Outcome WriteTextFileAtomically(const std::string& path, const std::string& content);

// Reads the whole file; fails when it cannot be opened or read, or is larger than maxBytes.
Outcome ReadTextFile(const std::string& path, std::size_t maxBytes, std::string& content);
