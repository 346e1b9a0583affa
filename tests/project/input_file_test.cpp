// The input data file: exact bytes, round trips, markers, and what a faulty file leaves behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "golden/example_states.h"
#include "golden/test_files.h"
#include "project/input_file_reader.h"
#include "project/input_file_writer.h"
#include "support/file_size_limit.h"
#include "support/test_state.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kHeader =
    "RIPADES-Rigid Airfield Pavement Design by the Westergaard Edge Stress Method\r\n"
    "****ENG****\r\n\r\n4000000\r\n650\r\n200\r\n\r\n***Aircraft\r\n";

const std::string kBlock = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n";  // the eight fields after a row

class InputFileTest : public ScratchFolderTest {
 protected:
  // Reads text into state after the reset of "&Read Data From File..."; the E box held "typed E"
  // and the data came from "earlier.inp".
  InputFileResult Read(const std::string& text, ProgramState& state) {
    state.TxtE = "typed E";
    state.inputFile = "earlier.inp";
    EXPECT_TRUE(ResetForRead(state, RIPADES_LIBRARY_PATH).ok);
    return ReadInputText(state, text, "test.inp");
  }
};

TEST_F(InputFileTest, AnEmptyMixWritesACountOfZeroAndNothingAfterIt) {
  ProgramState state = StateWithLibrary();
  EXPECT_EQ(InputFileText(state), std::string(kHeader) + " 0 \r\n");
  state.mixnext = 0;  // the counter before the first activation
  EXPECT_EQ(InputFileText(state), std::string(kHeader) + " 0 \r\n");
  EXPECT_EQ(IntegerNumberLine(-1), "-1 ");
}

TEST_F(InputFileTest, GoldenFileHoldsMarkerInputsAndNineLineBlocks) {
  ProgramState state = EnglishMixedFleet();
  state.acdata[state.mixlist[2]][kFieldTirePressure] = "209.5 psi";  // fields are written verbatim
  state.TxtE = " 4e6 ";
  ExpectMatchesGolden("tests/golden/input_english.inp", InputFileText(state));
}

TEST_F(InputFileTest, RoundTripsGiveTheSameTextsInEnglishAndMetric) {
  for (ProgramState written : {EnglishMixedFleet(), MetricRegional()}) {
    written.acdata[written.mixlist[1]][kFieldWheelCount] = "2.5";
    const fs::path path = folder / "round.inp";
    ASSERT_TRUE(SaveInputFile(written, path.string()).ok);
    EXPECT_EQ(written.inputFile, path.string());
    ProgramState read;
    read.lbh = "16.4";
    const InputFileResult result = LoadInputFile(read, path.string(), RIPADES_LIBRARY_PATH);
    ASSERT_EQ(result.status, ReadStatus::kLoaded) << result.message;
    EXPECT_EQ(result.message, path.string() + "  Loaded!");
    EXPECT_EQ(read.Lbunitk, written.Lbunitk);
    EXPECT_EQ(read.unitword[kFieldGrossWeight], written.IsMetric() ? "kN" : "lb");
    EXPECT_EQ(read.acdata, written.acdata);          // mix rows from the file, the others converted alike
    EXPECT_EQ(read.lbh, "");                         // the thickness belonged to the inputs the file replaced
    EXPECT_EQ(InputFileText(read), FileText(path));  // marker, inputs and mix
    EXPECT_EQ(read.inputFile, path.string());
    EXPECT_EQ(read.inputTitle, "RIPADES-Rigid Airfield Pavement Design by the Westergaard Edge Stress Method");
  }
}

TEST_F(InputFileTest, CountsAndRowsRoundHalvesToEven) {
  struct Case {
    std::string mix;
    int count;
    int firstRow;
  };
  for (const Case& c : {Case{" 0.5 \r\n 2.5 \r\n" + kBlock, 1, 2},  // mixnext 1.5 -> 2
                        Case{" 1.5 \r\n 3.5 \r\n" + kBlock, 1, 4},  // mixnext 2.5 -> 2
                        Case{"-3\r\n", 0, 0}, Case{" 0 \r\n", 0, 0}}) {
    ProgramState state;
    ASSERT_EQ(Read(kHeader + c.mix, state).status, ReadStatus::kLoaded) << c.mix;
    EXPECT_EQ(state.MixCount(), c.count) << c.mix;
    EXPECT_EQ(state.mixlist[1], c.firstRow) << c.mix;
    EXPECT_EQ(state.mixnext, c.count + 1);
  }
}

// Each faulty file, the status it gets and the start of the reason its message gives.
struct FaultyCase {
  const char* what;
  std::string text;
  ReadStatus status;
  const char* reason;
};

TEST_F(InputFileTest, AFaultyFileAppliesNothingAndLeavesTheResetState) {
  const std::string h = kHeader;
  std::string noSection = h;
  noSection.replace(noSection.find("***Aircraft"), 11, "abc");
  const ReadStatus failed = ReadStatus::kFailed;
  const FaultyCase cases[] = {
      {"ends inside the title", h.substr(0, 40), failed, "it ends after line 1"},
      {"no count line", h, failed, "it ends before line 9"},
      {"count holds no number", h + " two \r\n", failed, "line 9"},
      {"more than 65 aircraft", h + " 66 \r\n", failed, "line 9"},
      {"ends before the second block", h + " 2 \r\n 5 \r\n" + kBlock, failed, "it ends before line 19"},
      {"ends inside a block", h + " 1 \r\n 5 \r\n1\r\n2\r\n", failed, "it ends before line 13"},
      {"row 0", h + " 1 \r\n 0 \r\n" + kBlock, failed, "line 10"},
      {"row far past 65", h + " 1 \r\n 1e9 \r\n" + kBlock, failed, "line 10"},
      {"row with letters", h + " 1 \r\n abc \r\n" + kBlock, failed, "line 10"},
      {"a row beyond the library in use", h + " 2 \r\n 51 \r\n" + kBlock + " 52 \r\n" + kBlock, failed,
       "line 19 names library row 52, but the library in use holds 51 aircraft. Nothing has been changed."},
      {"a row named twice", h + " 2 \r\n 5 \r\n" + kBlock + " 5 \r\n" + kBlock, failed, "line 19"},
      {"no aircraft section marker", noSection + " 0 \r\n", ReadStatus::kIncorrectInputFile, ""},
  };
  const ProgramState library = StateWithLibrary();
  for (const FaultyCase& c : cases) {
    SCOPED_TRACE(c.what);
    ProgramState state;
    const InputFileResult result = Read(c.text, state);
    EXPECT_EQ(result.status, c.status);
    const std::string reason =
        c.status == failed ? "\"test.inp\" cannot be read: " + std::string(c.reason) : "Incorrect Input File!";
    EXPECT_NE(result.message.find(reason), std::string::npos) << result.message;
    EXPECT_EQ(state.mixnext, 1);
    EXPECT_EQ(state.mixlist[1], 0);
    EXPECT_EQ(state.TxtE, "typed E");
    EXPECT_EQ(state.inputFile, "");
    EXPECT_EQ(state.acdata, library.acdata);
  }
}

// The title, the inputs and the fields are taken as text, whatever they hold; only an exact marker is
// metric; line feeds alone end lines too.
TEST_F(InputFileTest, TitleInputsAndFieldsAreTakenVerbatim) {
  const std::string text = "abc\n****SI**** \n\nabc\n650\n200\n\n***Aircraft\n 1 \n 5 \nabc\n2\n3\n4\n5\n6\n7\n8\n";
  ProgramState state;
  ASSERT_EQ(Read(text, state).status, ReadStatus::kLoaded);
  EXPECT_EQ(state.inputTitle, "abc");
  EXPECT_EQ(state.TxtE, "abc");
  EXPECT_EQ(state.EngFlag, 1);
  EXPECT_EQ(state.Lbunith, "in");
  EXPECT_EQ(state.acdata[5][kFieldGrossWeight], "abc");
  EXPECT_EQ(state.acdata[5][kFieldDepartures], "2");
}

TEST_F(InputFileTest, AFailedSaveLeavesWhatWasThereAndNoTemporaryFile) {
  const ProgramState state = EnglishMixedFleet();
  const fs::path target = folder / "design.inp";
  { std::ofstream(target, std::ios::binary) << "old"; }
  ASSERT_TRUE(WriteInputFile(state, target.string()).ok);
  EXPECT_EQ(FileText(target), InputFileText(state));
  EXPECT_TRUE(WriteInputFile(state, (folder / (std::string(240, 'a') + ".inp")).string()).ok);  // a long name
  {
    FileSizeLimit full(100);  // a full disk: the save says so and the file before it stays whole
    const Outcome saved = WriteInputFile(state, target.string());
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.message.find(target.string()), std::string::npos) << saved.message;
  }
  EXPECT_EQ(FileText(target), InputFileText(state));

  const fs::path occupied = folder / "occupied.inp";  // a folder where the file should go
  fs::create_directory(occupied);
  { std::ofstream(occupied / "kept.txt") << "kept"; }
  ProgramState unsaved = state;
  const Outcome saved = SaveInputFile(unsaved, occupied.string());
  EXPECT_FALSE(saved.ok);
  EXPECT_EQ(unsaved.inputFile, "");
  EXPECT_NE(saved.message.find("occupied.inp"), std::string::npos);
  EXPECT_EQ(FileText(occupied / "kept.txt"), "kept");
  EXPECT_FALSE(WriteInputFile(state, (folder / "missing" / "x.inp").string()).ok);
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++entries;
  EXPECT_EQ(entries, 3);  // design.inp, the long name and occupied.inp: no temporary file is left
}

TEST_F(InputFileTest, ASaveKeepsTheReplacedFilesPermissionsAndWritesThroughALink) {
  const ProgramState state = EnglishMixedFleet();
  const fs::path real = folder / "real";
  fs::create_directory(real);
  struct Case {
    const char* name;
    fs::perms mode;
    fs::path link;  // empty: the target itself is saved to
    fs::path linkTo;
  };
  const Case cases[] = {
      {"mode 0640", fs::perms(0640), {}, {}},
      {"absolute link", fs::perms(0640), folder / "absolute.inp", real / "design.inp"},
      {"relative link", fs::perms(0600), folder / "relative.inp", fs::path("real") / "design.inp"},
      {"link to a link", fs::perms(0640), folder / "twice.inp", "absolute.inp"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path target = real / "design.inp";
    { std::ofstream(target, std::ios::binary) << "old"; }
    fs::permissions(target, c.mode);
    if (!c.link.empty() && !fs::is_symlink(fs::symlink_status(c.link))) fs::create_symlink(c.linkTo, c.link);
    ASSERT_TRUE(WriteInputFile(state, (c.link.empty() ? target : c.link).string()).ok);
    EXPECT_EQ(FileText(target), InputFileText(state));
    EXPECT_EQ(fs::status(target).permissions(), c.mode);
    EXPECT_TRUE(c.link.empty() || fs::is_symlink(fs::symlink_status(c.link)));
  }
  // A link whose target does not exist yet creates the target; a loop of links is refused.
  fs::create_symlink(real / "new.inp", folder / "dangling.inp");
  ASSERT_TRUE(WriteInputFile(state, (folder / "dangling.inp").string()).ok);
  EXPECT_EQ(FileText(real / "new.inp"), InputFileText(state));
  fs::create_symlink("loop.inp", folder / "loop.inp");
  EXPECT_FALSE(WriteInputFile(state, (folder / "loop.inp").string()).ok);
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder / "loop.inp")));
}

// The examples read back through the round trip above and through every batch case.
TEST_F(InputFileTest, GoldenExamplesAreWhatTheWriterWrites) {
  for (const ExampleFile& example : kExampleFiles) ExpectMatchesGolden(example.path, InputFileText(example.build()));
}

}  // namespace
