// Printing the report's lines on the printer, a number of copies, in the fixed-pitch font.
#pragma once

#include <string>
#include <vector>

#include "services/printer.h"
#include "state/outcome.h"

// The report's columns line up only in a fixed-pitch font; the window's fixed-pitch captions use it too.
inline constexpr const char* kFixedPitchFont = "Courier";

// Each copy is a print document of its own, so each starts on a new page. A failure drops the copy
// being printed and the ones after it, and the outcome says how many copies were printed.
Outcome PrintCopies(Printer& printer, const std::vector<std::string>& lines, int copies);
