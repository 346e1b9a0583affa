// The report into a text file (made whole, then saved over the target), and the name that asks for a PDF.
#include "report/report_export.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <string_view>

#include "project/text_file.h"
#include "report/report_file.h"

bool IsPdfName(const std::string& path) {
  constexpr std::string_view kSuffix = ".pdf";
  if (path.size() < kSuffix.size()) return false;
  return std::equal(kSuffix.begin(), kSuffix.end(), path.end() - static_cast<std::ptrdiff_t>(kSuffix.size()),
                    [](char wanted, char c) { return wanted == std::tolower(static_cast<unsigned char>(c)); });
}

Outcome SaveReportText(const std::string& path, const std::vector<std::string>& lines) {
  return WriteFileAtomically(path, WithLineEnds(lines));
}
