// The temporary report file: written by the report writer, read back, deleted.
#include "report/report_file.h"

#include <random>
#include <string_view>

#include "project/text_file.h"
#include "report/design_report.h"

namespace {

constexpr std::size_t kMaxReportBytes = 1 << 20;  // a report of 65 aircraft is about 10 KB

namespace fs = std::filesystem;

// A new folder in the system's temporary folder that only this user can enter; empty when none can
// be made.
fs::path MakePrivateFolder() {
  std::error_code error;
  const fs::path temporary = fs::temp_directory_path(error);
  if (error) return {};
  std::random_device seed;
  std::mt19937 random(seed());
  for (int attempt = 0; attempt < 16; ++attempt) {
    const fs::path folder = temporary / ("ripades-report-" + std::to_string(random()));
    if (!fs::create_directory(folder, error)) {
      if (error) return {};
      continue;  // taken by someone else
    }
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, error);
    if (!error) return folder;
    fs::remove(folder, error);
    return {};
  }
  return {};
}

}  // namespace

TemporaryReportFile::TemporaryReportFile(std::string programDirectory)
    : programDirectory_(std::move(programDirectory)) {}

TemporaryReportFile::~TemporaryReportFile() { Remove(); }

Outcome TemporaryReportFile::Write(const ProgramState& state) {
  Remove();
  const std::string inProgramDirectory = (fs::path(programDirectory_) / kTemporaryReportFileName).string();
  Outcome written = PrintToFile(state, inProgramDirectory);
  if (written) {
    path_ = inProgramDirectory;
    return written;
  }
  // A report that cannot be built fails here again with the same reason.
  fallbackFolder_ = MakePrivateFolder();
  if (fallbackFolder_.empty()) return written;
  const std::string inFallback = (fallbackFolder_ / kTemporaryReportFileName).string();
  written = PrintToFile(state, inFallback);
  if (written) path_ = inFallback;
  return written;
}

Outcome TemporaryReportFile::ReadLines(std::vector<std::string>& lines) const {
  lines.clear();
  std::string text;
  if (Outcome read = ReadTextFile(path_, kMaxReportBytes, text); !read) return read;
  lines = SplitReportLines(text);
  return Outcome::Success();
}

void TemporaryReportFile::Remove() {
  std::error_code ignored;  // a file that cannot be deleted is replaced by the next report
  if (!path_.empty()) fs::remove(path_, ignored);
  if (!fallbackFolder_.empty()) fs::remove_all(fallbackFolder_, ignored);
  path_.clear();
  fallbackFolder_.clear();
}

std::vector<std::string> SplitReportLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    lines.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1));
  }
  return lines;
}

std::string WithLineEnds(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}
