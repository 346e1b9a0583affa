// Printing the report's lines, copy after copy.
#include "report/report_printing.h"

Outcome PrintCopies(Printer& printer, const std::vector<std::string>& lines, int copies) {
  const auto failure = [copies](int printedCopies) {
    return Outcome::Failure("The printer did not accept the report; " + std::to_string(printedCopies) + " of " +
                            std::to_string(copies) + " copies were printed.");
  };
  for (int copy = 1; copy <= copies; ++copy) {
    for (const std::string& line : lines) {
      printer.SetFontName(kFixedPitchFont);
      if (!printer.PrintLine(line)) {
        printer.AbortDoc();
        return failure(copy - 1);
      }
    }
    if (!printer.EndDoc()) return failure(copy - 1);
  }
  return Outcome::Success();
}
