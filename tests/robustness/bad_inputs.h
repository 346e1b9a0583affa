// The bad texts a user can type or a file can hold, and the checks every bad-input test makes.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "bad_texts.h"
#include "golden/test_files.h"
#include "project/input_file_writer.h"
#include "state_invariants.h"
#include "support/file_size_limit.h"

// The state is within its tables and a save of it reads back the same.
inline void ExpectIntact(const ProgramState& state) { EXPECT_EQ(StateProblem(state), ""); }

// Saves `state` over a previous input data file while the disk is full: the save says so, and the
// previous file is byte-identical with nothing left beside it.
inline void ExpectFailedSaveKeepsPreviousFile(const ProgramState& state, const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  const std::filesystem::path path = folder / "previous.inp";
  const std::string previous = "RIPADES\r\n****ENG****\r\n\r\n4000000\r\n650\r\n200\r\n\r\n***Aircraft\r\n 0 \r\n";
  std::ofstream(path, std::ios::binary) << previous;
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
