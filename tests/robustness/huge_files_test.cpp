// Files far larger than any real one are refused unread, or read only as far as the tables reach.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include "aircraft/library_reader.h"
#include "golden/test_files.h"
#include "project/input_file_reader.h"
#include "support/test_state.h"

namespace fs = std::filesystem;

namespace {

long PeakMemoryKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

using HugeFileTest = ScratchFolderTest;

// Each file begins as a real one and runs on to 100 MB (the rest takes no room on the disk); reading it
// must not take even 50 MB of memory.
TEST_F(HugeFileTest, AHundredMegabyteInputFileOrLibraryIsRefusedUnread) {
  const long peakBefore = PeakMemoryKb();
  const std::pair<const char*, std::string> files[] = {
      {"huge.inp", std::string(RIPADES_SOURCE_DIR) + "/examples/single_aircraft.inp"},
      {"fly.dll", RIPADES_LIBRARY_PATH}};
  for (const auto& [name, start] : files) {
    std::ofstream(folder / name, std::ios::binary) << FileText(start);
    fs::resize_file(folder / name, 100u << 20);
  }
  ProgramState state = StateWithLibrary();
  const InputFileResult input = LoadInputFile(state, (folder / "huge.inp").string(), RIPADES_LIBRARY_PATH);
  EXPECT_NE(input.message.find("too large"), std::string::npos) << input.message;
  const Outcome library = ReadLibrary(state, (folder / "fly.dll").string());
  EXPECT_NE(library.message.find("too large"), std::string::npos) << library.message;
  EXPECT_EQ(state.account, 0);
  EXPECT_LT(PeakMemoryKb() - peakBefore, 50 * 1024);
}

TEST_F(HugeFileTest, AQuoteLeftOpenOverAWholeLibraryKeepsEachFieldShort) {
  std::ofstream(folder / "fly.dll", std::ios::binary) << "Name,\"" << std::string(kMaxLibraryFileBytes - 100, 'x');
  ProgramState state = StateWithLibrary();
  EXPECT_FALSE(ReadLibrary(state, (folder / "fly.dll").string()).ok);
  EXPECT_EQ(state.account, 0);
  EXPECT_NE(state.achead[1], "Name");  // the heading record was never complete
}

}  // namespace
