// Text forms of numbers: how values held as text are read and written.
#pragma once

#include <string>
#include <string_view>

// The number text of a double: shortest decimal with at most 15 significant digits, no leading
// blank, "." as decimal point, E notation only for very large or small magnitudes (4478.5, 27560000).
std::string NumberText(double v);

// The text form of a single-precision number: at most 7 significant digits, d.dddE+XX from 1E+07 on
// (8000000, 5.512E+07, 1E+08, 13.55). No leading blank.
std::string SingleText(float v);

// The number a text begins with (blanks skipped, reading stops at the first character that cannot
// continue the number), 0 when it begins with none. A magnitude beyond a double reads as +-infinity.
double LeadingNumber(std::string_view text);

// True when the whole text, blanks around it aside, is one finite number: optional sign, digits with
// an optional decimal point, optional exponent. "inf", "NaN", hex and thousands separators are not.
bool IsNumber(std::string_view text);

// A value in fixed decimals with at most four significant digits and at most `mostDecimals` decimals
// (12.35, 100.0, 1235, 0.5000); a magnitude above 0 below the smallest decimal reads "< 0.01" (for two
// decimals), 0 reads "0", and a value that is not a number is said in words: "too large to compute"
// (infinite), "cannot be computed" (NaN).
std::string FixedText(double value, int mostDecimals);

// The display format "0.0" (and "0.00", "0"): fixed decimals, rounded half away from zero from the
// value's 15-significant-digit decimal form, so 12.35 shows 12.4.
std::string FormatDecimals(double v, int decimals);
