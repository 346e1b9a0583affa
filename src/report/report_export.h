// The report saved to a file of the user's choice: as the text the report box shows, or, for a name
// ending in ".pdf", as the design document.
#pragma once

#include <string>
#include <vector>

#include "state/outcome.h"

// The save dialog's choices, in its "shown|pattern" form.
inline constexpr const char* kReportExportFilter = "Text (*.txt)|*.txt|PDF (*.pdf)|*.pdf";

// True when the name chosen asks for the design document: it ends in ".pdf" (any case).
bool IsPdfName(const std::string& path);

// The report lines as the report box shows them: every line, the last one included, followed by CR LF.
// The file at path is replaced only once the new one is complete.
Outcome SaveReportText(const std::string& path, const std::vector<std::string>& lines);
