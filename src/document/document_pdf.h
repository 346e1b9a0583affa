// The design document as a PDF: title block, inputs, traffic mix, result, fatigue table and charts.
#pragma once

#include <QPageSize>
#include <string>

#include "analysis/design_document.h"
#include "rating/pavement_rating.h"
#include "state/outcome.h"

// Lays the document out on pages of `pageSize`, the first ending with the signature block, each headed by the input
// data file's name and footed by "Page N of M"; a table that runs onto another page repeats its headings there; the
// charts are vector drawings. The file at path is replaced only once the whole document is made; on failure a file
// there is left as it was.
Outcome SaveDesignDocument(const std::string& path, const DesignDocument& document, const QPageSize& pageSize);

// The document of the state's last design (`sensitivity` the designs of its inputs scaled, `details` its
// title and signature blocks), saved as SaveDesignDocument saves it; fails, writing nothing, when the
// design cannot be documented.
Outcome SaveDesignPdf(const std::string& path, const ProgramState& state, const Sensitivity& sensitivity,
                      const DocumentDetails& details, const QPageSize& pageSize);

// The same, with the rating of the design's slab made already (off the window's thread).
Outcome SaveDesignPdf(const std::string& path, const ProgramState& state, const Sensitivity& sensitivity,
                      const DocumentDetails& details, const PavementRating& rating, const QPageSize& pageSize);

// The date a design made now is given in the document (2026-12-06).
std::string DocumentDate();
