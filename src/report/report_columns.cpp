// Column tracking and number formats of the report.
#include "report/report_columns.h"

#include "units/decimal_form.h"
#include "units/number_text.h"

namespace {

constexpr int kDoubleDigits = 15;
constexpr int kSingleDigits = 7;

}  // namespace

ReportLines& ReportLines::Spc(int count) {
  if (count > 0) {
    text_.append(static_cast<std::size_t>(count), ' ');
    column_ += count;
  }
  return *this;
}

ReportLines& ReportLines::Tab(int column) {
  if (column_ > column) EndLine();
  return Spc(column - column_);
}

ReportLines& ReportLines::NextZone() { return Spc(((column_ - 1) / kZoneWidth + 1) * kZoneWidth + 1 - column_); }

ReportLines& ReportLines::Text(const std::string& text) {
  text_ += text;
  column_ += static_cast<int>(text.size());
  return *this;
}

ReportLines& ReportLines::PlainNumber(double value) { return Text(PlainNumberText(value)); }

ReportLines& ReportLines::EndLine() {
  text_ += "\r\n";
  column_ = 1;
  return *this;
}

ReportLines& ReportLines::EmptyLines(int count) {
  for (int i = 0; i < count; ++i) EndLine();
  return *this;
}

std::string PlainNumberText(double value) {
  std::string digits = NumberText(value);
  const bool negative = !digits.empty() && digits.front() == '-';
  if (negative) digits.erase(0, 1);
  if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.') digits.erase(0, 1);
  return (negative ? "-" : " ") + digits + " ";
}

std::string FixedFormat(double value, int decimals, int minIntDigits) {
  return FormatFixed(ToDecimalForm(value, kDoubleDigits), decimals, minIntDigits);
}

std::string FixedFormat(float value, int decimals, int minIntDigits) {
  return FormatFixed(ToDecimalForm(value, kSingleDigits), decimals, minIntDigits);
}

std::string ScientificFormat(double value) { return FormatScientific(ToDecimalForm(value, kDoubleDigits), 2); }

std::string RightAligned(const std::string& text, int width) {
  const int pad = width - static_cast<int>(text.size());
  return pad > 0 ? std::string(static_cast<std::size_t>(pad), ' ') + text : text;
}
