// A slab thickness in the unit in force, and the caption that shows it in the Thickness box.
#pragma once

#include <string>

// The thickness's unit word beside the Thickness box: "in", or "cm" when metric.
const char* ThicknessUnitWord(bool metric);

// A thickness in inches in the unit in force: centimetres when metric.
double ThicknessInUnit(double inches, bool metric);

// The caption of a thickness in inches in the unit in force: converted once from the full value, then
// shown "0.0" (19.833984375 in shows 19.8, and 50.4 in metric).
std::string ThicknessCaption(double inches, bool metric);
