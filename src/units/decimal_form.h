// Decimal digits of a number and the rounding rules of the program's number formats.
#pragma once

#include <string>

// A finite number as sign, significant digits and decimal exponent: value = 0.d1d2d3... x 10^(pointPos).
struct DecimalForm {
  bool negative = false;
  std::string digits;  // no leading zeros; empty for zero
  int pointPos = 0;    // digits before the decimal point (may be <= 0 or beyond the digits)
};

// The decimal form of v rounded to significantDigits (15 for a double's text, 7 for a single's).
DecimalForm ToDecimalForm(double v, int significantDigits);

// Fixed notation with `decimals` decimals and at least minIntDigits digits before the point,
// rounded half away from zero from the decimal form ("0.0", "0.00", "000" formats).
std::string FormatFixed(const DecimalForm& d, int decimals, int minIntDigits = 1);

// Scientific notation with one digit before the point, `decimals` after it, "E", a sign and at least
// two exponent digits ("0.00E+00"), rounded half away from zero; a mantissa rounding to 10 renormalises.
std::string FormatScientific(const DecimalForm& d, int decimals);
