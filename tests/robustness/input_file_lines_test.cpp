// Bad texts on each line of an input data file, read by "&Read Data From File..." and by ripades-batch.
#include <gtest/gtest.h>

#include <optional>
#include <sstream>

#include "bad_inputs.h"
#include "batch_run.h"
#include "project/input_file_reader.h"
#include "support/test_state.h"

namespace {

// What the reader makes of a line.
enum class LineKind {
  kIgnored,  // title and empty lines: skipped unread
  kMarker,   // unit marker: an unknown one leaves English units
  kText,     // E, Sc, k: taken verbatim
  kSection,  // "***Aircraft": anything else is "Incorrect Input File!"
  kCount,    // number of aircraft: must be a number
  kRow,      // library row of a mix position: must be a number 1..65
  kField,    // a field of the aircraft: taken verbatim
};

struct FileLine {
  int line;  // counted from 1 in a file of one aircraft
  LineKind kind;
};

const FileLine kFileLines[] = {
    {1, LineKind::kIgnored}, {2, LineKind::kMarker}, {3, LineKind::kIgnored}, {4, LineKind::kText},
    {5, LineKind::kText},    {6, LineKind::kText},   {7, LineKind::kIgnored}, {8, LineKind::kSection},
    {9, LineKind::kCount},   {10, LineKind::kRow},   {11, LineKind::kField},  {12, LineKind::kField},
    {13, LineKind::kField},  {14, LineKind::kField}, {15, LineKind::kField},  {16, LineKind::kField},
    {17, LineKind::kField},  {18, LineKind::kField},
};

constexpr int kAircraftRow = 5;

std::vector<std::string> GoodLines() {
  ProgramState state = StateWithLibrary();
  SetMix(state, {kAircraftRow});
  std::vector<std::string> lines;
  std::istringstream text(InputFileText(state));
  for (std::string line; std::getline(text, line);) lines.push_back(line.substr(0, line.size() - 1));
  return lines;
}

class InputFileLineTest : public ScratchFolderTest, public testing::WithParamInterface<FileLine> {
 protected:
  // The file with line `line` replaced by text.
  std::string WriteFile(const std::string& text) {
    std::vector<std::string> lines = GoodLines();
    lines.at(GetParam().line - 1) = text;
    const std::filesystem::path path = folder / "bad.inp";
    std::ofstream out(path, std::ios::binary);
    for (const std::string& line : lines) out << line << "\r\n";
    return path.string();
  }
};

TEST_P(InputFileLineTest, ReadTakesTheLineOrSaysWhyNotAndLeavesAWholeState) {
  const FileLine& line = GetParam();
  for (const BadText& bad : BadTexts()) {
    SCOPED_TRACE(bad.name);
    const std::string path = WriteFile(bad.text);
    ProgramState state = StateWithLibrary();
    SetMix(state, {1, 2});
    state.TxtE = "typed";
    const InputFileResult read = LoadInputFile(state, path, RIPADES_LIBRARY_PATH);
    ExpectIntact(state);
    const int lineIndex = line.line - 1;
    switch (line.kind) {
      case LineKind::kIgnored:
      case LineKind::kMarker:
        EXPECT_EQ(read.status, ReadStatus::kLoaded);
        EXPECT_EQ(state.EngFlag, 1);
        EXPECT_EQ(state.mixlist[1], kAircraftRow);
        break;
      case LineKind::kText: {
        EXPECT_EQ(read.status, ReadStatus::kLoaded);
        const std::string* inputs[] = {&state.TxtE, &state.TxtSc, &state.Txtk};
        EXPECT_EQ(*inputs[lineIndex - 3], bad.text);
        break;
      }
      case LineKind::kSection:
        EXPECT_EQ(read.status, ReadStatus::kIncorrectInputFile);
        EXPECT_EQ(read.message, "Incorrect Input File!");
        EXPECT_EQ(state.TxtE, "typed");  // a failed read leaves the state as it was
        EXPECT_EQ(state.MixCount(), 2);
        break;
      case LineKind::kCount:
      case LineKind::kRow:
        // "-0" is a count of no aircraft; no text names a library row.
        if (line.kind == LineKind::kCount && bad.number) {
          EXPECT_EQ(read.status, ReadStatus::kLoaded);
          EXPECT_EQ(state.MixCount(), 0);
          break;
        }
        EXPECT_EQ(read.status, ReadStatus::kFailed);
        EXPECT_NE(read.message.find(path), std::string::npos) << read.message;
        EXPECT_NE(read.message.find("line " + std::to_string(line.line)), std::string::npos) << read.message;
        EXPECT_EQ(state.TxtE, "typed");
        EXPECT_EQ(state.MixCount(), 2);
        break;
      case LineKind::kField:
        EXPECT_EQ(read.status, ReadStatus::kLoaded);
        EXPECT_EQ(state.acdata[kAircraftRow][lineIndex - 10 + kFieldGrossWeight], bad.text);
        break;
    }
  }
}

TEST_P(InputFileLineTest, BatchDesignsTheFileOrNamesItInAnError) {
  const FileLine& line = GetParam();
  for (const BadText& bad : BadTexts()) {
    SCOPED_TRACE(bad.name);
    BatchOptions options;
    options.libraryPath = RIPADES_LIBRARY_PATH;
    options.inputs = {WriteFile(bad.text)};
    std::ostringstream out, err;
    const BatchRun run = RunBatch(options, out, err);
    const bool refusedFile = line.kind == LineKind::kSection || line.kind == LineKind::kRow ||
                             (line.kind == LineKind::kCount && !bad.number);
    // Where the line alone decides the file's status; a bad aircraft field may or may not be designed.
    std::optional<BatchStatus> expected;
    if (refusedFile)
      expected = kBatchFailed;
    else if (line.kind == LineKind::kText && !bad.number)
      expected = kBatchBadInput;
    else if (line.kind == LineKind::kIgnored || line.kind == LineKind::kMarker)
      expected = kBatchOk;
    if (expected) {
      EXPECT_EQ(run.status, *expected);
    }
    if (run.status == kBatchOk) {
      EXPECT_EQ(out.str().rfind(options.inputs[0] + ": ", 0), 0u) << out.str();
    } else {
      EXPECT_NE(err.str().find(options.inputs[0]), std::string::npos) << err.str();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Lines, InputFileLineTest, testing::ValuesIn(kFileLines),
                         [](const testing::TestParamInfo<FileLine>& info) {
                           return "Line" + std::to_string(info.param.line);
                         });

}  // namespace
