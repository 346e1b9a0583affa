// Bad texts where a user or a file puts them: the change-data dialog refuses them, an input data file
// takes each line by its kind, and a save onto a full disk keeps the previous file.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "aircraft/change_data.h"
#include "aircraft/traffic_mix.h"
#include "bad_inputs.h"
#include "bad_texts.h"
#include "golden/test_files.h"
#include "project/input_file_reader.h"
#include "project/input_file_writer.h"
#include "support/file_size_limit.h"
#include "support/scripted_services.h"
#include "support/test_state.h"

namespace {

TEST(ChangeData, RefusesEachTextThatIsNoNumberAndShowsTheValueBefore) {
  ProgramState before = StateWithLibrary();
  SetMix(before, {1, 5});
  const std::optional<CellEdit> edit = BeginCellEdit(before, kGridFirstMixRow + 1, kFieldGrossWeight - 1);
  ASSERT_TRUE(edit);
  for (const BadText& bad : BadTexts()) {
    SCOPED_TRACE(bad.name);
    ProgramState state = before;
    std::string text = bad.text;
    ScriptedMessageBox box;
    EXPECT_EQ(AcceptCellEdit(state, *edit, text, box), bad.number);
    if (bad.number) {
      EXPECT_EQ(state.acdata[5][kFieldGrossWeight], "0");  // "-0"
      continue;
    }
    EXPECT_EQ(text, before.acdata[5][kFieldGrossWeight]);
    EXPECT_EQ(state.acdata, before.acdata);
    ASSERT_EQ(box.asked.size(), 1u);
    EXPECT_EQ(box.asked[0].text, "This is an invalid number; please try again!");
  }
}

struct LineCase {
  const char* name;
  int line;  // counted from 1 in the file of aircraft row 5 alone
  ReadStatus status;
  const char* taken;  // where the text "abc" lands: "E", "field"; "" nowhere
};

class InputFileLine : public ScratchFolderTest, public testing::WithParamInterface<LineCase> {};

TEST_P(InputFileLine, WithLettersIsTakenVerbatimIgnoredOrRefusedByItsKind) {
  const LineCase& c = GetParam();
  ProgramState written = StateWithLibrary();
  SetMix(written, {5});
  std::istringstream good(InputFileText(written));
  std::string text;
  int number = 0;
  for (std::string line; std::getline(good, line);) text += (++number == c.line ? "abc\r" : line) + "\n";
  const std::string path = (folder / "bad.inp").string();
  std::ofstream(path, std::ios::binary) << text;

  ProgramState state = StateWithLibrary();
  SetMix(state, {1, 2});
  state.TxtE = "typed";
  const InputFileResult read = LoadInputFile(state, path, RIPADES_LIBRARY_PATH);
  EXPECT_EQ(read.status, c.status) << read.message;
  ExpectIntact(state);
  const std::string taken = c.taken;
  EXPECT_EQ(state.TxtE, taken == "E" ? "abc" : c.status == ReadStatus::kLoaded ? "4000000" : "typed");
  EXPECT_EQ(state.acdata[5][kFieldDepartures] == "abc", taken == "field");
  EXPECT_EQ(state.MixCount(), c.status == ReadStatus::kLoaded ? 1 : 2);
  EXPECT_EQ(state.inputFile, c.status == ReadStatus::kLoaded ? path : "");
  if (c.status == ReadStatus::kFailed) {
    EXPECT_NE(read.message.find(path), std::string::npos) << read.message;
    EXPECT_NE(read.message.find("line " + std::to_string(c.line)), std::string::npos) << read.message;
  }
}

INSTANTIATE_TEST_SUITE_P(Lines, InputFileLine,
                         testing::Values(LineCase{"TitleIgnored", 1, ReadStatus::kLoaded, ""},
                                         LineCase{"UnknownMarkerIsEnglish", 2, ReadStatus::kLoaded, ""},
                                         LineCase{"ElasticModulusVerbatim", 4, ReadStatus::kLoaded, "E"},
                                         LineCase{"SectionMarkerRefused", 8, ReadStatus::kIncorrectInputFile, ""},
                                         LineCase{"CountFails", 9, ReadStatus::kFailed, ""},
                                         LineCase{"LibraryRowFails", 10, ReadStatus::kFailed, ""},
                                         LineCase{"FieldVerbatim", 12, ReadStatus::kLoaded, "field"}),
                         [](const testing::TestParamInfo<LineCase>& info) { return info.param.name; });

// Saves over a previous input data file while the disk is full: the save says so, and the previous file is
// byte-identical with nothing left beside it.
TEST_F(ScratchFolderTest, ASaveOntoAFullDiskKeepsThePreviousFile) {
  const std::filesystem::path path = folder / "previous.inp";
  const std::string previous = "RIPADES\r\n****ENG****\r\n\r\n4000000\r\n650\r\n200\r\n\r\n***Aircraft\r\n 0 \r\n";
  std::ofstream(path, std::ios::binary) << previous;
  ProgramState state = StateWithLibrary();
  SetMix(state, {1, 5});
  Outcome saved;
  {
    FileSizeLimit full(previous.size() / 2);
    saved = WriteInputFile(state, path.string());
  }
  EXPECT_FALSE(saved.ok);
  EXPECT_NE(saved.message.find(path.string()), std::string::npos) << saved.message;
  EXPECT_EQ(FileText(path), previous);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

}  // namespace
