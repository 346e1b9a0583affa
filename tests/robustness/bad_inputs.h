// The bad texts a user can type or a file can hold, and the checks every bad-input test makes.
#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>

#include "bad_texts.h"
#include "golden/test_files.h"
#include "project/input_file_writer.h"
#include "state_invariants.h"

// The state is within its tables and a save of it reads back the same.
inline void ExpectIntact(const ProgramState& state) { EXPECT_EQ(StateProblem(state), ""); }

// Makes every file write of this process fail past `bytes`, as a full disk would, until destroyed.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of ending us
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = nullptr;
};

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
