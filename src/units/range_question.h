// The dialogue of the typical-range check: the questions a typed value out of its range gets.
#pragma once

#include <string>

#include "services/message_box.h"

inline constexpr const char* kInputCheckTitle = "Input Data Check";

// Returns the text to put back into the box: the typed text, or the violated limit's text when the user
// accepts it. A text that is not a non-negative number gets the invalid-number message; a value outside
// [min, max] (compared in single precision) is offered the limit, and refusing it is acknowledged.
std::string CheckInputValue(const std::string& value, const std::string& name, float min, float max, MessageBox& box);
