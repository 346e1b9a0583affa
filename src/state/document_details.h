// What the design document's title and signature blocks say beyond the design: project, site, signatories.
#pragma once

#include <string>

// Entered for the documents of a session (or read from a details file by the batch command); never saved.
struct DocumentDetails {
  std::string project;
  std::string airport;
  std::string pavementArea;
  std::string designedBy;
  std::string checkedBy;
  std::string revision;
  std::string notes;
};

// A detail's key in a details file ("pavement area: Apron 3") and its label in the dialog and the document.
struct DocumentDetailField {
  const char* key;
  const char* label;
  std::string DocumentDetails::*value;
};

inline constexpr DocumentDetailField kDocumentDetailFields[] = {
    {"project", "Project", &DocumentDetails::project},
    {"airport", "Airport or site", &DocumentDetails::airport},
    {"pavement area", "Pavement area", &DocumentDetails::pavementArea},
    {"designed by", "Designed by", &DocumentDetails::designedBy},
    {"checked by", "Checked by", &DocumentDetails::checkedBy},
    {"revision", "Revision", &DocumentDetails::revision},
    {"notes", "Notes", &DocumentDetails::notes},
};
