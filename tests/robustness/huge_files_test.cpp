// Files far larger than any real one are refused, or read only as far as the tables reach.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include "aircraft/library_reader.h"
#include "golden/test_files.h"
#include "project/input_file_reader.h"
#include "project/input_file_writer.h"
#include "state_invariants.h"
#include "support/test_state.h"

namespace fs = std::filesystem;

namespace {

constexpr std::uintmax_t kHundredMegabytes = 100u << 20;
constexpr long kMemoryBoundKb = 50 * 1024;  // far below the size of the files

long PeakMemoryKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

class HugeFileTest : public ScratchFolderTest {
 protected:
  // A file that begins with `start` and runs on to 100 MB (the rest takes no room on the disk).
  std::string HundredMegabyteFile(const std::string& name, const std::string& start) {
    const fs::path path = folder / name;
    std::ofstream(path, std::ios::binary) << start;
    fs::resize_file(path, kHundredMegabytes);
    return path.string();
  }

  long peakBefore = PeakMemoryKb();
};

TEST_F(HugeFileTest, AHundredMegabyteInputFileOrLibraryIsRefusedUnread) {
  ProgramState state = StateWithLibrary();
  SetMix(state, {1, 2});
  const InputFileResult input =
      LoadInputFile(state, HundredMegabyteFile("huge.inp", InputFileText(state)), RIPADES_LIBRARY_PATH);
  EXPECT_EQ(input.status, ReadStatus::kFailed);
  EXPECT_NE(input.message.find("too large"), std::string::npos) << input.message;
  EXPECT_EQ(state.MixCount(), 2);  // a read that fails changes nothing
  EXPECT_EQ(StateProblem(state), "");

  const Outcome library = ReadLibrary(state, HundredMegabyteFile("fly.dll", FileText(RIPADES_LIBRARY_PATH)));
  EXPECT_FALSE(library.ok);
  EXPECT_NE(library.message.find("too large"), std::string::npos) << library.message;
  EXPECT_EQ(state.account, 0);
  EXPECT_LT(PeakMemoryKb() - peakBefore, kMemoryBoundKb);
}

TEST_F(HugeFileTest, AQuoteLeftOpenOverAWholeLibraryKeepsEachFieldShort) {
  std::ofstream(folder / "fly.dll", std::ios::binary) << "Name,\"" << std::string(kMaxLibraryFileBytes - 100, 'x');
  ProgramState state = StateWithLibrary();
  const Outcome read = ReadLibrary(state, (folder / "fly.dll").string());
  EXPECT_FALSE(read.ok);
  EXPECT_EQ(state.account, 0);
  EXPECT_NE(state.achead[1], "Name");  // the heading record was never complete
}

}  // namespace
