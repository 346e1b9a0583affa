// Column-exact text output for the report: blanks, tab stops, print zones and number formats.
#pragma once

#include <string>

// Writes lines of text while keeping track of the column (counted from 1); every line ends in CR LF.
class ReportLines {
 public:
  static constexpr int kZoneWidth = 14;

  ReportLines& Spc(int count);   // count blanks
  ReportLines& Tab(int column);  // blanks up to column; past it: a new line, then column
  ReportLines& NextZone();       // blanks up to the next zone start strictly to the right
  ReportLines& Text(const std::string& text);
  ReportLines& PlainNumber(double value);  // the general form of PlainNumberText
  ReportLines& EndLine();
  ReportLines& EmptyLines(int count);

  const std::string& Str() const { return text_; }

 private:
  std::string text_;
  int column_ = 1;
};

// A number in general form: a blank (or minus sign), up to 15 significant digits without a zero
// before the decimal point (" .15"), and a trailing blank.
std::string PlainNumberText(double value);

// Format "0.0" / "0.00" / "000": fixed decimals and at least minIntDigits digits before the point,
// rounded half away from zero. A single-precision value rounds its 7-digit decimal form, as a
// single's text has 7 digits; a double rounds its 15-digit form.
std::string FixedFormat(double value, int decimals, int minIntDigits = 1);
std::string FixedFormat(float value, int decimals, int minIntDigits = 1);

// Format "0.00E+00" of a double (15-digit decimal form): 99999999 gives 1.00E+08.
std::string ScientificFormat(double value);

// Format "@@@@@": the text right-aligned in `width` characters; a longer text is kept whole.
std::string RightAligned(const std::string& text, int width = 5);
