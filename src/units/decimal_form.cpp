// Rounding of decimal digit strings, half away from zero, as the program's formats do it.
#include "units/decimal_form.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

DecimalForm ToDecimalForm(double v, int significantDigits) {
  DecimalForm d;
  if (v == 0 || !std::isfinite(v)) return d;
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, significantDigits - 1);
  std::string text(buf, res.ptr);
  std::size_t pos = 0;
  if (text[pos] == '-') {
    d.negative = true;
    ++pos;
  }
  const std::size_t ePos = text.find('e');
  for (std::size_t i = pos; i < ePos; ++i)
    if (text[i] != '.') d.digits += text[i];
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  d.pointPos = std::atoi(text.c_str() + ePos + 1) + 1;
  return d;
}

namespace {

// Keeps the first `keep` digits of d, rounding half away from zero; may grow pointPos by a carry.
DecimalForm RoundToDigits(const DecimalForm& d, int keep) {
  DecimalForm r = d;
  if (keep < 0) return DecimalForm{};
  if (keep >= static_cast<int>(d.digits.size())) return r;
  const bool roundUp = d.digits[keep] >= '5';
  r.digits = d.digits.substr(0, keep);
  if (roundUp) {
    int i = keep - 1;
    while (i >= 0 && r.digits[i] == '9') r.digits[i--] = '0';
    if (i >= 0) {
      ++r.digits[i];
    } else {
      r.digits.insert(r.digits.begin(), '1');
      ++r.pointPos;
    }
  }
  while (!r.digits.empty() && r.digits.back() == '0') r.digits.pop_back();
  if (r.digits.empty()) r = DecimalForm{};
  return r;
}

}  // namespace

std::string FormatFixed(const DecimalForm& d, int decimals, int minIntDigits) {
  const DecimalForm r = RoundToDigits(d, d.pointPos + decimals);
  // Lay the digits out around the point, padding with zeros on both sides.
  std::string intPart, fracPart;
  for (int i = 0; i < r.pointPos; ++i) intPart += i < static_cast<int>(r.digits.size()) ? r.digits[i] : '0';
  for (int i = r.pointPos; i < r.pointPos + decimals; ++i)
    fracPart += (i >= 0 && i < static_cast<int>(r.digits.size())) ? r.digits[i] : '0';
  if (static_cast<int>(intPart.size()) < minIntDigits) intPart.insert(0, minIntDigits - intPart.size(), '0');
  std::string out = (r.negative && !r.digits.empty()) ? "-" : "";
  out += intPart;
  if (decimals > 0) {
    out += '.';
    out += fracPart;
  }
  return out;
}

std::string FormatScientific(const DecimalForm& d, int decimals) {
  const DecimalForm r = RoundToDigits(d, 1 + decimals);
  const int exponent = r.digits.empty() ? 0 : r.pointPos - 1;
  std::string mantissa = r.digits.empty() ? "0" : r.digits;
  mantissa.resize(1 + decimals, '0');
  std::string out = (r.negative && !r.digits.empty()) ? "-" : "";
  out += mantissa.substr(0, 1);
  if (decimals > 0) {
    out += '.';
    out.append(mantissa, 1);
  }
  out += exponent < 0 ? "E-" : "E+";
  const std::string expDigits = std::to_string(std::abs(exponent));
  if (expDigits.size() < 2) out += '0';
  out += expDigits;
  return out;
}
