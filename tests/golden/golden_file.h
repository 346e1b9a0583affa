// Byte-for-byte comparison of produced text with a golden file kept in the source tree.
//
// After an intended change, regenerate every golden file (and the examples) with
//   RIPADES_UPDATE_GOLDEN=1 ctest --test-dir <build> -R Golden
// and review the difference with git before committing it.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// path is relative to the source tree, for example "tests/golden/report_english.txt".
inline void ExpectMatchesGolden(const std::string& path, const std::string& text) {
  const std::string full = std::string(RIPADES_SOURCE_DIR) + "/" + path;
  const char* update = std::getenv("RIPADES_UPDATE_GOLDEN");
  if (update && std::string(update) == "1") {
    std::filesystem::create_directories(std::filesystem::path(full).parent_path());
    std::ofstream(full, std::ios::binary) << text;
    GTEST_SKIP() << "rewrote " << path;
  }
  std::ifstream in(full, std::ios::binary);
  ASSERT_TRUE(in) << path << " is missing; run with RIPADES_UPDATE_GOLDEN=1 to write it";
  std::stringstream golden;
  golden << in.rdbuf();
  EXPECT_EQ(text, golden.str()) << "differs from " << path;
}
