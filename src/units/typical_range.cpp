// The check of a typed value against its typical range.
#include "units/typical_range.h"

#include "units/number_text.h"

bool IsNonNegativeNumber(const std::string& text) { return IsNumber(text) && LeadingNumber(text) >= 0; }

RangeVerdict JudgeTypedValue(const std::string& text, float min, float max) {
  if (!IsNonNegativeNumber(text)) return RangeVerdict::kInvalidNumber;
  const float value = static_cast<float>(LeadingNumber(text));
  if (value < min) return RangeVerdict::kBelowMin;
  if (value > max) return RangeVerdict::kAboveMax;
  return RangeVerdict::kWithin;
}
