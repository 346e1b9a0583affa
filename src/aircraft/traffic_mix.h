// The traffic mix: adding, removing and changing the aircraft of the mix, and the text of its grid cells.
#pragma once

#include <string>

#include "services/message_box.h"
#include "state/program_state.h"

// Grid rows: row 0 holds the headings, row 1 the unit words, row p + 1 mix position p.
inline constexpr int kGridHeadingRow = 0;
inline constexpr int kGridUnitRow = 1;
inline constexpr int kGridFirstMixRow = 2;
inline constexpr int kGridColumns = kFieldCount;  // grid column c shows field c + 1

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

// The text grid column `column` shows for library row `row`: gross weight as "0", tire pressure and
// the three lengths as "0.00" when the stored text is a number, anything else as stored.
std::string MixCellText(const LibraryTable& acdata, int row, int column);
