// Fuzzes the reading of numbers held as text and the typical-range check of a typed value.
#include <cmath>

#include "fuzz_support.h"
#include "units/number_text.h"
#include "units/range_question.h"
#include "units/typical_range.h"
#include "units/unit_system.h"

namespace {

// Every finite number's texts read back: the number text exactly, the display formats within a rounding.
void CheckWrittenForms(double value) {
  const std::string written = NumberText(value);
  Require(IsNumber(written), "the number text \"" + written + "\" is a number");
  Require(NumberText(LeadingNumber(written)) == written, "the number text \"" + written + "\" reads back");
  for (int decimals = 0; decimals <= 2; ++decimals) {
    const std::string shown = FormatDecimals(value, decimals);
    Require(IsNumber(shown), "the display form \"" + shown + "\" is a number");
    const double error = std::fabs(LeadingNumber(shown) - value);
    Require(error <= 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + std::fabs(value) * 1e-14,
            "the display form \"" + shown + "\" rounds " + written);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string text(InputText(data, size));
  const double leading = LeadingNumber(text);
  Require(!std::isnan(leading), "the leading-number reading never gives NaN");
  const bool number = IsNumber(text);
  if (number) {
    Require(std::isfinite(leading), "a whole-text number is finite");
    Require(IsNumber(" \t" + text + "\t "), "blanks around a number keep it a number");
    Require(LeadingNumber(text + "x") == leading, "a number reads the same with text after it");
  }
  if (std::isfinite(leading)) CheckWrittenForms(leading);

  // The check returns the typed text or the limit the user accepted, after at most two boxes.
  const InputRange range = kEnglishUnits.ranges.e;
  for (bool yes : {true, false}) {
    AnsweringMessageBox box(yes);
    const std::string checked = CheckInputValue(text, range.name, range.min, range.max, box);
    Require(checked == text || checked == "500000" || checked == "8000000", "the check returns a usable text");
    Require(box.shown <= 2, "the check shows at most two boxes");
    const bool inRange = IsNonNegativeNumber(text) && static_cast<float>(leading) >= range.min &&
                         static_cast<float>(leading) <= range.max;
    Require(inRange == (box.shown == 0), "only a value outside the range or no number is questioned");
  }
  return 0;
}
