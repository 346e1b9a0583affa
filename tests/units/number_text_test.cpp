// Text forms of numbers: number text, leading-number reading, number test, rounding to decimals. The
// single-precision text of a limit is checked through the typical-range questions that show it.
#include "units/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

using namespace std::string_literals;

TEST(NumberText, ShortestDecimalWithFifteenSignificantDigits) {
  // The inputs converted in the unit switch sessions (4478.5, 27560000, 54.2) are its other cases.
  EXPECT_EQ(NumberText(0.1 + 0.2), "0.3");
  EXPECT_EQ(NumberText(-0.0), "0");
  EXPECT_EQ(NumberText(-12.5), "-12.5");
  EXPECT_EQ(NumberText(1e20), "1E+20");
}

TEST(LeadingNumber, ReadsTheNumberATextBeginsWith) {
  const std::pair<const char*, double> cases[] = {
      {"12abc", 12},  {" 14.5", 14.5}, {"abc", 0}, {"", 0},     {"1e", 1},     {"-.5x", -0.5},
      {"2.5.3", 2.5}, {"1,000", 1},    {"inf", 0}, {"0x10", 0}, {"1e-400", 0}, {"5.512E+07", 55120000}};
  for (const auto& [text, number] : cases) EXPECT_EQ(LeadingNumber(text), number) << text;
  EXPECT_TRUE(std::isinf(LeadingNumber("1e400")));
}

TEST(IsNumber, AcceptsOnlyAWholeFiniteNumberBetweenBlanks) {
  for (const char* yes : {"4000000", " 650 ", "-5", "+1.5", ".5", "5.", "1e3", "1E-3", "-0"})
    EXPECT_TRUE(IsNumber(yes)) << yes;
  for (const std::string& no : {""s, "   "s, "abc"s, "12x"s, "1e"s, "1e400"s, "inf"s, "NaN"s, "1,5"s, "0x10"s, "--1"s,
                                "."s, "1 2"s, "12\0005"s, "\u20135"s, std::string(10000, '9')})
    EXPECT_FALSE(IsNumber(no)) << no.substr(0, 12);
}

TEST(FormatDecimals, RoundsTheFifteenDigitFormHalfAwayFromZero) {
  const std::tuple<double, int, const char*> cases[] = {
      {12.35, 1, "12.4"},           {11.25, 1, "11.3"},    {22.5 * 2.54, 1, "57.2"},
      {30.0 / (1 << 19), 1, "0.0"}, {29.99994, 1, "30.0"}, {14.5, 2, "14.50"},
      {174900.6, 0, "174901"},      {-0.04, 1, "0.0"},     {99.96, 1, "100.0"}};
  for (const auto& [value, decimals, text] : cases) EXPECT_EQ(FormatDecimals(value, decimals), text) << value;
}

TEST(FixedText, FourDigitsAtMostAndASmallestDecimal) {
  const std::tuple<double, int, const char*> cases[] = {
      {1.159e-41, 2, "< 0.01"}, {0.008346, 2, "< 0.01"}, {0.01, 2, "0.01"},         {12.3456, 2, "12.35"},
      {99.996, 2, "100.0"},     {100, 2, "100.0"},       {1234.6, 2, "1235"},       {0, 2, "0"},
      {0.5, 4, "0.5000"},       {1.0004, 4, "1.000"},    {0.00012345, 4, "0.0001"}, {0.00001, 4, "< 0.0001"},
      {9.99996, 4, "10.00"},    {123456.7, 4, "123457"},
  };
  for (const auto& [value, decimals, text] : cases) EXPECT_EQ(FixedText(value, decimals), text) << value;
}

}  // namespace
