// Switching the program between English and metric units: inputs, thickness caption, library, labels.
#pragma once

#include "state/program_state.h"

// Converts to metric when English units are in force: the three input texts (x 6.89, 6.89, 0.271),
// a non-empty thickness caption (the current design's thickness shown anew in centimetres, from its
// full value) and fields 2, 5, 7, 8, 9 of library rows 1..65. An input text that is not a number is
// left as it is and the rest is converted. Then puts the metric system in force (labels, flags, grid unit words);
// refreshing the grid itself is the window's job. Called in metric units it converts nothing.
void ConvertToMetric(ProgramState& state);

// The mirror image: converts to English (a division by the same factors) when metric units are in force.
void ConvertToEnglish(ProgramState& state);
