// Reading and writing numbers held as text, independent of the user's locale.
#include "units/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "units/decimal_form.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest number at the start of text (sign, digits, point, exponent); 0 when none.
std::size_t ScanNumber(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t mantissaDigits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++mantissaDigits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++mantissaDigits;
  }
  if (mantissaDigits == 0) return 0;
  // An exponent counts only when digits follow it ("1e" reads as 1).
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  return i;
}

double ConvertScanned(std::string_view number) {
  const bool negative = number.front() == '-';
  if (number.front() == '+' || negative) number.remove_prefix(1);
  double value = 0;
  auto res = std::from_chars(number.data(), number.data() + number.size(), value);
  if (res.ec == std::errc::result_out_of_range) {
    // from_chars leaves the value untouched: tell overflow from underflow by the exponent's sign.
    const auto ePos = number.find_first_of("eE");
    const bool tiny = ePos != std::string_view::npos && ePos + 1 < number.size() && number[ePos + 1] == '-';
    value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
  }
  return negative ? -value : value;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string WithCapitalExponent(std::string text) {
  for (char& c : text)
    if (c == 'e') c = 'E';
  return text;
}

std::string GeneralText(double v, int precision) {
  if (v == 0) return "0";
  if (std::isnan(v)) return "NaN";
  if (std::isinf(v)) return v < 0 ? "-Infinity" : "Infinity";
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, precision);
  return WithCapitalExponent(std::string(buf, res.ptr));
}

// v with exactly `decimals` decimals, correctly rounded from its binary value.
std::string FixedDigits(double v, int decimals) {
  char buf[512];  // the largest double has 309 digits before the point
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
  return std::string(buf, res.ptr);
}

// The significant digits of a fixed text: its digits after any leading zeros, at least one.
int SignificantDigits(const std::string& text) {
  int digits = 0;
  for (char c : text)
    if (IsDigit(c) && (digits > 0 || c != '0')) ++digits;
  return std::max(digits, 1);
}

}  // namespace

std::string NumberText(double v) { return GeneralText(v, 15); }

// The general form with 7 digits switches to E notation exactly at 1E+07, as a single's text does.
std::string SingleText(float v) { return GeneralText(v, 7); }

double LeadingNumber(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  const std::size_t length = ScanNumber(text);
  return length == 0 ? 0.0 : ConvertScanned(text.substr(0, length));
}

bool IsNumber(std::string_view text) {
  text = TrimBlanks(text);
  const std::size_t length = ScanNumber(text);
  if (length == 0 || length != text.size()) return false;
  return std::isfinite(ConvertScanned(text));
}

std::string FixedText(double value, int mostDecimals) {
  if (std::isnan(value)) return "cannot be computed";
  if (std::isinf(value)) return "too large to compute";
  if (value == 0) return NumberText(value);
  const double smallest = std::pow(10.0, -mostDecimals);
  if (std::fabs(value) < smallest) return "< " + FixedDigits(smallest, mostDecimals);
  // Digits before the point; 0 or below for 0.5 or 0.05, whose zeros after the point are not significant.
  const int integerDigits = static_cast<int>(std::floor(std::log10(std::fabs(value)))) + 1;
  int decimals = std::clamp(4 - integerDigits, 0, mostDecimals);
  std::string text = FixedDigits(value, decimals);
  // 9.9996 rounds to 10.000: one decimal fewer keeps four digits.
  if (decimals > 0 && SignificantDigits(text) > 4) text = FixedDigits(value, --decimals);
  return text;
}

std::string FormatDecimals(double v, int decimals) { return FormatFixed(ToDecimalForm(v, 15), decimals); }
