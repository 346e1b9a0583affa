// The bad texts a user can type or a file can hold, each tried wherever the program takes a value.
#pragma once

#include <string>
#include <vector>

struct BadText {
  const char* name;
  std::string text;
  bool number;  // the whole text reads as a number of 0 or more ("-0" only)
};

inline const std::vector<BadText>& BadTexts() {
  static const std::vector<BadText> texts = {
      {"empty", "", false},
      {"blanks", "   ", false},
      {"letters", "abc", false},
      {"minus zero", "-0", true},
      {"overflow", "1e400", false},
      {"NaN", "NaN", false},
      {"inf", "inf", false},
      {"10,000 characters", std::string(10000, '9'), false},
      {"NUL byte", std::string("12\0005", 4), false},  // 1, 2, NUL, 5
      {"comma in a number", "12,5", false},
      {"non-ASCII", std::string("\u2013") + "5", false},  // an en dash before the 5
  };
  return texts;
}
