// The "key: value" lines of a details file read into the document's details.
#include "analysis/document_details.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <sstream>

namespace {

std::string Trimmed(const std::string& text) {
  const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
  const auto first = std::find_if_not(text.begin(), text.end(), blank);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
  return first < last ? std::string(first, last) : std::string();
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string KnownKeys() {
  std::string keys;
  for (const DocumentDetailField& field : kDocumentDetailFields)
    keys += std::string(keys.empty() ? "" : ", ") + field.key;
  return keys;
}

}  // namespace

Outcome ReadDocumentDetails(const std::string& text, DocumentDetails& details) {
  DocumentDetails read = details;
  std::set<std::string> given;
  std::istringstream lines(text);
  int number = 0;
  for (std::string line; std::getline(lines, line);) {
    const std::string where = "line " + std::to_string(++number);
    if (Trimmed(line).empty()) continue;
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos)
      return Outcome::Failure(where + " has no colon; each line of document details is \"key: value\".");
    const std::string key = Lower(Trimmed(line.substr(0, colon)));
    const auto field = std::find_if(std::begin(kDocumentDetailFields), std::end(kDocumentDetailFields),
                                    [&](const DocumentDetailField& f) { return key == f.key; });
    if (field == std::end(kDocumentDetailFields))
      return Outcome::Failure(where + ": \"" + Trimmed(line.substr(0, colon)) +
                              "\" is not a document detail; the keys are " + KnownKeys() + ".");
    if (!given.insert(key).second) return Outcome::Failure(where + ": \"" + key + "\" is given a second time.");
    read.*(field->value) = Trimmed(line.substr(colon + 1));
  }
  details = read;
  return Outcome::Success();
}
