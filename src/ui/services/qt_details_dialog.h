// The "Document Details" dialog drawn with the toolkit: a labelled line per detail, OK and Cancel.
#pragma once

#include "services/details_dialog.h"

class QtDetailsDialog : public DetailsDialog {
 public:
  std::optional<DocumentDetails> AskDetails(const DocumentDetails& offered) override;
};
