// The input data file reader: header lines, unit marker, input texts and ReadMixRows.
#include "project/input_file_reader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

#include "aircraft/initial_state.h"
#include "project/input_file_origin.h"
#include "project/input_file_writer.h"
#include "project/text_file.h"
#include "units/conversion.h"
#include "units/number_text.h"
#include "units/unit_system.h"

namespace {

constexpr int kHeaderLines = 8;  // title, marker, empty, E, Sc, k, empty, "***Aircraft"
constexpr int kBlockFields = kFieldContactWidth - kFieldGrossWeight + 1;  // fields 2..9

// Lines ended by CR LF or LF alone; a line end after the last line does not start another line.
std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (end != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return lines;
}

std::string ReadFailure(const std::string& path, const std::string& problem) {
  return "The input data file \"" + path + "\" cannot be read: " + problem + ". Nothing has been changed.";
}

// What a file's mix section holds, kept apart from the state until the whole section has been read.
struct MixBlock {
  int row = 0;
  std::array<std::string, kBlockFields> fields;
};

class MixRowsReader {
 public:
  // `libraryCount` is the number of aircraft in the library in use: a row beyond it has no aircraft.
  MixRowsReader(const std::vector<std::string>& lines, const std::string& path, int libraryCount)
      : lines_(lines), path_(path), libraryCount_(libraryCount) {}

  // ReadMixRows: the count on line 9, then one block of nine lines per mix position.
  Outcome ReadMixRows(std::vector<MixBlock>& blocks) {
    next_ = kHeaderLines;
    double count = 0;
    if (Outcome o = ReadNumber("the number of aircraft", count); !o) return o;
    // The mix counter is the count plus 1, rounded halves to even; a count below 0 is an empty mix.
    const double mixCount = std::nearbyint(count + 1) - 1;
    if (mixCount > kMaxAircraft) return Fail(next_ - 1, "holds a mix of more than 65 aircraft");
    std::array<bool, kMaxAircraft + 1> named{};
    for (int p = 1; p <= mixCount; ++p) {
      MixBlock block;
      double row = 0;
      if (Outcome o = ReadNumber("the library row of aircraft " + std::to_string(p), row); !o) return o;
      row = std::nearbyint(row);
      if (row < 1 || row > libraryCount_)
        return Fail(next_ - 1, "names library row " + NumberText(row) + ", but the library in use holds " +
                                   std::to_string(libraryCount_) + " aircraft");
      block.row = static_cast<int>(row);
      if (named[block.row]) return Fail(next_ - 1, "names library row " + std::to_string(block.row) + " a second time");
      named[block.row] = true;
      for (std::string& field : block.fields) {
        if (next_ >= lines_.size()) return Missing("the data of aircraft " + std::to_string(p));
        field = lines_[next_++];
      }
      blocks.push_back(std::move(block));
    }
    return Outcome::Success();
  }

 private:
  // A number line: the whole line, blanks aside, must be a number.
  Outcome ReadNumber(const std::string& what, double& value) {
    if (next_ >= lines_.size()) return Missing(what);
    const std::string& line = lines_[next_++];
    if (!IsNumber(line)) return Fail(next_ - 1, "should hold " + what + ", not \"" + line + "\"");
    value = LeadingNumber(line);
    return Outcome::Success();
  }

  Outcome Fail(std::size_t lineIndex, const std::string& problem) const {
    return Failure("line " + std::to_string(lineIndex + 1) + " " + problem);
  }
  Outcome Missing(const std::string& what) const {
    return Failure("it ends before line " + std::to_string(next_ + 1) + ", which should hold " + what);
  }
  Outcome Failure(const std::string& problem) const { return Outcome::Failure(ReadFailure(path_, problem)); }

  const std::vector<std::string>& lines_;
  const std::string& path_;
  int libraryCount_;
  std::size_t next_ = 0;
};

// Line 2: only the exact markers count; an unknown marker leaves the English system of the reset.
void ApplyMarker(ProgramState& state, const std::string& marker) {
  const bool metric = marker == kMetricMarker;
  ApplyUnitSystem(state, metric);
  // The re-read library is English; the file's inputs are already metric and are not converted.
  if (metric) ConvertLibraryFields(state.acdata, Conversion::kToMetric);
}

void ApplyMix(ProgramState& state, const std::vector<MixBlock>& blocks) {
  state.mixlist.fill(0);
  int p = 0;
  for (const MixBlock& block : blocks) {
    state.mixlist[++p] = static_cast<int16_t>(block.row);
    for (int f = 0; f < kBlockFields; ++f) state.acdata[block.row][kFieldGrossWeight + f] = block.fields[f];
  }
  state.mixnext = static_cast<int16_t>(p + 1);
}

InputFileResult Result(ReadStatus status, std::string message) { return {status, std::move(message)}; }

}  // namespace

Outcome ResetForRead(ProgramState& state, const std::string& libraryPath) {
  const Outcome library = InitializeState(state, libraryPath);
  state.mixlist.fill(0);
  state.mixnext = 1;
  ForgetInputFile(state);
  return library;
}

InputFileResult ReadInputText(ProgramState& state, const std::string& text, const std::string& path) {
  const std::vector<std::string> lines = SplitLines(text);
  if (lines.size() < static_cast<std::size_t>(kHeaderLines)) {
    const std::string problem = "it ends after line " + std::to_string(lines.size()) + ", before \"***Aircraft\"";
    return Result(ReadStatus::kFailed, ReadFailure(path, problem));
  }
  if (lines[7] != kAircraftMarker) return Result(ReadStatus::kIncorrectInputFile, "Incorrect Input File!");
  std::vector<MixBlock> blocks;
  const int libraryCount = std::clamp<int>(state.account, 0, kMaxAircraft);
  if (Outcome o = MixRowsReader(lines, path, libraryCount).ReadMixRows(blocks); !o)
    return Result(ReadStatus::kFailed, o.message);
  ApplyMarker(state, lines[1]);
  state.TxtE = lines[3];
  state.TxtSc = lines[4];
  state.Txtk = lines[5];
  ApplyMix(state, blocks);
  NameInputFile(state, path, lines[0], false);
  return Result(ReadStatus::kLoaded, path + "  Loaded!");
}

InputFileResult ReadInputFile(ProgramState& state, const std::string& path) {
  std::string text;
  if (Outcome o = ReadTextFile(path, kMaxInputFileBytes, text); !o)
    return Result(ReadStatus::kFailed, o.message + " Nothing has been changed.");
  return ReadInputText(state, text, path);
}

InputFileResult LoadInputFile(ProgramState& state, const std::string& path, const std::string& libraryPath) {
  ProgramState read = state;
  if (Outcome o = ResetForRead(read, libraryPath); !o)
    return Result(ReadStatus::kFailed, o.message + " The input data file was not read; nothing has been changed.");
  InputFileResult result = ReadInputFile(read, path);
  if (result.status != ReadStatus::kLoaded) return result;
  // The thickness shown belonged to the inputs that the file has replaced.
  read.lbh.clear();
  state = std::move(read);
  return result;
}
