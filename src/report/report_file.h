// The temporary file the report commands write the report into and read back line by line.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "state/outcome.h"
#include "state/program_state.h"

inline constexpr const char* kTemporaryReportFileName = "tmp.tmp";

// "tmp.tmp" in the program's directory; when that directory cannot be written (an installed program),
// "tmp.tmp" in a private folder of the system's temporary folder. The file is deleted with the object.
class TemporaryReportFile {
 public:
  explicit TemporaryReportFile(std::string programDirectory);
  ~TemporaryReportFile();
  TemporaryReportFile(const TemporaryReportFile&) = delete;
  TemporaryReportFile& operator=(const TemporaryReportFile&) = delete;

  // Writes the report of the state's design into the file with PrintToFile.
  Outcome Write(const ProgramState& state);
  // The file's lines, each without its line end.
  Outcome ReadLines(std::vector<std::string>& lines) const;

 private:
  void Remove();

  std::string programDirectory_;
  std::string path_;
  std::filesystem::path fallbackFolder_;  // empty until the program's directory failed
};

// The lines of a text read line by line: a line ends at CR LF, LF or CR, and an end after the last
// line starts no further line.
std::vector<std::string> SplitReportLines(std::string_view text);
// The report as the report box holds it: every line, the last one included, followed by CR LF.
std::string WithLineEnds(const std::vector<std::string>& lines);
