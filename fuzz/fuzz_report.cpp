// Fuzzes the report writer with a state read from fuzzed files: an aircraft library and an input data file.
//
// The input is the library, a form feed and the input data file; an input without a form feed is an
// input data file read with the shipped library.
#include <sstream>

#include "aircraft/library_reader.h"
#include "engine/design_command.h"
#include "fuzz_support.h"
#include "project/input_file_reader.h"
#include "report/design_report.h"

namespace {

constexpr char kFileSeparator = '\f';
constexpr int kReportHeadLines = 30;  // banner, properties, thickness and the table head

ProgramState StateFromFiles(std::string_view input, std::string& inputFile) {
  const std::size_t separator = input.find(kFileSeparator);
  if (separator == std::string_view::npos) {
    inputFile = input;
    return ShippedLibraryState();
  }
  ProgramState state = BlankState();
  std::istringstream library{std::string(input.substr(0, separator))};
  ReadLibrary(state, library);  // a library read in part keeps its rows, as the window does
  state.mixnext = 1;
  inputFile = input.substr(separator + 1);
  return state;
}

std::size_t LineCount(const std::string& text) {
  std::size_t lines = 0;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\n') {
      Require(i > 0 && text[i - 1] == '\r', "every report line ends in CR LF");
      ++lines;
    }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::string inputFile;
  ProgramState state = StateFromFiles(InputText(data, size), inputFile);
  ReadInputText(state, inputFile, "fuzz.inp");
  RequireIntact(state, "reading the files");

  // "Design Thickness" as a user who keeps every typed value.
  AnsweringMessageBox box(false);
  const Outcome designed = CheckInputsAndDesign(state, !state.IsMetric(), box);
  Require(designed.ok || !designed.message.empty(), "a design that fails says why");
  RequireIntact(state, "designing");

  std::string report;
  const Outcome built = BuildReport(state, report);
  Require(built.ok != report.empty(), "a report is written whole or not at all");
  const bool designedNow = designed.ok && !state.lbh.empty();
  if (designedNow) Require(built.ok, "the report of a design that succeeded is written: " + built.message);
  if (!built.ok) {
    Require(!built.message.empty(), "a refused report says why");
    return 0;
  }
  Require(report.size() >= 2 && report.compare(report.size() - 2, 2, "\r\n") == 0, "the report ends a line");
  Require(LineCount(report) >= static_cast<std::size_t>(kReportHeadLines + state.MixCount()),
          "the report holds its head and a row per mix aircraft");
  Require(report.find("RIPADES Detial Report") != std::string::npos, "the banner names the report");
  return 0;
}
