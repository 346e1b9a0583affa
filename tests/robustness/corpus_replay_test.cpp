// The committed fuzz corpus (seeds and every finding) replayed through the checks of its fuzz target.
#include <gtest/gtest.h>

#include <sstream>

#include "aircraft/library_reader.h"
#include "aircraft/traffic_mix.h"
#include "golden/test_files.h"
#include "project/input_file_reader.h"
#include "state_invariants.h"
#include "support/test_state.h"

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> CorpusOf(const std::string& target) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(fs::path(RIPADES_SOURCE_DIR) / "fuzz/corpus" / target))
    files.push_back(entry.path());
  EXPECT_FALSE(files.empty()) << target;
  return files;
}

// A library read from text, every aircraft of it in the mix.
ProgramState LibraryInMix(const std::string& text) {
  ProgramState state;
  state.mixnext = 1;
  std::istringstream in(text);
  ReadLibrary(state, in);
  for (int row = 1; row <= state.account; ++row) EXPECT_TRUE(AddToMix(state, row)) << row;
  return state;
}

TEST(FuzzCorpus, EveryLibraryGivesAircraftThatSaveAndReadBack) {
  for (const fs::path& file : CorpusOf("fuzz_library_reader")) {
    SCOPED_TRACE(file.filename().string());
    EXPECT_EQ(StateProblem(LibraryInMix(FileText(file))), "");
  }
}

TEST(FuzzCorpus, EveryInputFileLeavesAWholeState) {
  for (const fs::path& file : CorpusOf("fuzz_input_file_reader")) {
    SCOPED_TRACE(file.filename().string());
    ProgramState state = StateWithLibrary();
    SetMix(state, {3, 1, 7});
    ReadInputText(state, FileText(file), file.string());
    EXPECT_EQ(StateProblem(state), "");
  }
}

}  // namespace
