// The traffic mix: adding, removing and changing the aircraft of the mix, chosen by their grid rows.
#pragma once

#include <string>

#include "aircraft/mix_grid.h"
#include "services/message_box.h"
#include "state/program_state.h"

// Appends library row `row` to the mix. Nothing happens (false) when row is 0, outside the library
// tables or already in the mix. An empty mix counted 0 becomes 1 first.
bool AddToMix(ProgramState& state, int row);

// Removes the mix aircraft shown in grid row `selrow` and clears selrow. With an empty mix nothing
// happens; when selrow shows no mix aircraft the user is asked to select one. True when one was removed.
bool RemoveFromMix(ProgramState& state, int& selrow, MessageBox& box);

// Empties the mix (count 1) and clears selrow.
void RemoveAllFromMix(ProgramState& state, int& selrow);

// Writes the number text of value into field column + 1 of the library row at mix position `position`.
// Refuses (false) a position outside the mix or a column outside 1..8, so a stale edit writes nothing.
bool StoreCellValue(ProgramState& state, int position, int column, double value);
