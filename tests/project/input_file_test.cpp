// The input data file: exact bytes, round trips, and saving safely over what was there.
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

using InputFileTest = ScratchFolderTest;

TEST_F(InputFileTest, AnEmptyMixWritesACountOfZeroAndNothingAfterIt) {
  ProgramState state = StateWithLibrary();
  EXPECT_EQ(InputFileText(state), std::string(kHeader) + " 0 \r\n");
  state.mixnext = 0;  // the counter before the first activation
  EXPECT_EQ(InputFileText(state), std::string(kHeader) + " 0 \r\n");
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
    EXPECT_EQ(read.acdata, written.acdata);          // mix rows from the file, the others converted alike
    EXPECT_EQ(read.lbh, "");                         // the thickness belonged to the inputs the file replaced
    EXPECT_EQ(InputFileText(read), FileText(path));  // marker, inputs and mix
  }
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
