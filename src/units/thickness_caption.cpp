// The thickness in the unit in force and its caption, one rule for the design and the unit switch.
#include "units/thickness_caption.h"

#include "units/conversion.h"
#include "units/number_text.h"

const char* ThicknessUnitWord(bool metric) { return metric ? "cm" : "in"; }

double ThicknessInUnit(double inches, bool metric) { return metric ? inches * kLengthFactor : inches; }

std::string ThicknessCaption(double inches, bool metric) { return FormatDecimals(ThicknessInUnit(inches, metric), 1); }
