// The "Document Details" dialog: the title block's fields, asked for before a design document is written.
#pragma once

#include <optional>

#include "state/document_details.h"

class DetailsDialog {
 public:
  virtual ~DetailsDialog() = default;
  // Shows a line for each of kDocumentDetailFields, filled from `offered`; gives the lines as the user
  // left them on OK, nothing on Cancel.
  virtual std::optional<DocumentDetails> AskDetails(const DocumentDetails& offered) = 0;
};
