// The report saved to a file of the user's choice: as the text the report box shows, or as a PDF.
#pragma once

#include <QFont>
#include <string>
#include <vector>

#include "state/outcome.h"

// The save dialog's choices, in its "shown|pattern" form.
inline constexpr const char* kReportExportFilter = "Text (*.txt)|*.txt|PDF (*.pdf)|*.pdf";

// Writes the report lines in `font` (the printer's fixed-pitch font), one below the other from the top
// of the first page, a new page when one is full. Unlike paper, a saved document must not cut the
// widest line, so the font is made smaller until that line fits the page. The file at path is replaced
// only once the whole document is written; on failure an existing file is left as it was.
Outcome SaveReportPdf(const std::string& path, const std::vector<std::string>& lines, QFont font);

// Saves the report lines as a PDF (see SaveReportPdf) when the path ends in ".pdf" (any case), and
// otherwise as the text the report box shows: every line, the last one included, followed by CR LF.
Outcome SaveReport(const std::string& path, const std::vector<std::string>& lines, const QFont& printerFont);
