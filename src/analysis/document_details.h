// Reading the design document's details from text: one "key: value" line per detail.
#pragma once

#include <string>

#include "state/document_details.h"
#include "state/outcome.h"

// Sets each detail the text names (keys as kDocumentDetailFields lists them, in any case; blanks around
// key and value are dropped; empty lines are skipped) and keeps the others. A line without a colon, an
// unknown key or a key given twice fails, naming its line; `details` is then left as it was.
Outcome ReadDocumentDetails(const std::string& text, DocumentDetails& details);
