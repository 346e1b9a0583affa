// Files in tests: reading a whole file, a scratch folder per test, and comparison with golden files (after an
// intended change, RIPADES_UPDATE_GOLDEN=1 rewrites them; review the difference with git before committing it).
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

inline std::string FileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// A test with an empty folder of its own, removed afterwards; the process id keeps two runs of the
// suite at once (two builds) out of each other's folders.
class ScratchFolderTest : public testing::Test {
 protected:
  void SetUp() override {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    folder = std::filesystem::temp_directory_path() /
             (std::string("ripades_") + test->test_suite_name() + "_" + test->name() + "_" + std::to_string(getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  std::filesystem::path folder;
};

// path is relative to the source tree, for example "tests/golden/report_english.txt".
inline void ExpectMatchesGolden(const std::string& path, const std::string& text) {
  const std::filesystem::path full = std::filesystem::path(RIPADES_SOURCE_DIR) / path;
  const char* update = std::getenv("RIPADES_UPDATE_GOLDEN");
  if (update && std::string(update) == "1") {
    std::filesystem::create_directories(full.parent_path());
    std::ofstream(full, std::ios::binary) << text;
    GTEST_SKIP() << "rewrote " << path;
  }
  ASSERT_TRUE(std::filesystem::exists(full)) << path << " is missing; run with RIPADES_UPDATE_GOLDEN=1 to write it";
  EXPECT_EQ(text, FileText(full)) << "differs from " << path;
}

// The case folders below `folder`, one parametrised test each, in name order.
inline std::vector<std::string> CaseFolders(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.is_directory()) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A case folder's name as a test name, which may hold no underscore: "report_metric" is "reportXmetric".
inline std::string CaseTestName(const testing::TestParamInfo<std::string>& info) {
  std::string name = info.param;
  std::replace(name.begin(), name.end(), '_', 'X');
  return name;
}
