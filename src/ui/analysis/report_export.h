// The report saved as a PDF document, laid out as it is printed.
#pragma once

#include <QFont>
#include <string>
#include <vector>

#include "state/outcome.h"

// Writes the report lines in `font` (the printer's fixed-pitch font), one below the other from the top
// of the first page, a new page when one is full. Unlike paper, a saved document must not cut the
// widest line, so the font is made smaller until that line fits the page. The file at path is replaced
// only once the whole document is written; on failure an existing file is left as it was.
Outcome SaveReportPdf(const std::string& path, const std::vector<std::string>& lines, QFont font);
