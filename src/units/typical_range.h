// The typical ranges of the material inputs and of a changed aircraft value, and the check of a typed
// value against one: the window's questions and the batch tool's warnings both decide by it.
#pragma once

#include <string>

// A typical range: a value outside it is offered the violated limit, compared in single precision.
struct InputRange {
  const char* name;  // the word the check's messages show
  float min;
  float max;
};

// The three material inputs, checked in this order: E, Sc, k (each unit system holds its own).
struct DesignInputRanges {
  InputRange e, sc, k;
};

// A value typed into the change-data dialog, any field.
inline constexpr InputRange kChangeDataRange = {"This", 0, 100000000};

// True when the whole text is a number of 0 or more, the condition every checked value must meet.
bool IsNonNegativeNumber(const std::string& text);

// Where a typed value stands against a typical range; the value is compared in single precision.
enum class RangeVerdict { kInvalidNumber, kWithin, kBelowMin, kAboveMax };

RangeVerdict JudgeTypedValue(const std::string& text, float min, float max);
