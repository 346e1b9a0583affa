// The print dialog and the printer the report is printed on, one line at a time.
#pragma once

#include <optional>
#include <string>

class Printer {
 public:
  virtual ~Printer() = default;
  // Asks for the printer and the number of copies (no page range, selection or print to file); the
  // printer chosen becomes the one printed on. Returns the copies, or nothing when cancelled.
  virtual std::optional<int> ShowPrintDialog() = 0;
  virtual void SetFontName(const std::string& name) = 0;
  // Prints the line and advances to the next one; a full page starts a new one. False on failure.
  virtual bool PrintLine(const std::string& line) = 0;
  // Ends the print document, so that each copy is a job of its own. False on failure.
  virtual bool EndDoc() = 0;
  // Drops the document being printed after a failure, so that no half document is sent.
  virtual void AbortDoc() = 0;
};
