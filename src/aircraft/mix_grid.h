// The traffic mix grid: its coordinates and the text of its cells.
#pragma once

#include <string>

#include "state/program_state.h"

// Grid rows: row 0 holds the headings, row 1 the unit words, row p + 1 mix position p.
inline constexpr int kGridHeadingRow = 0;
inline constexpr int kGridUnitRow = 1;
inline constexpr int kGridFirstMixRow = 2;
inline constexpr int kGridColumns = kFieldCount;  // grid column c shows field c + 1

// The text grid column `column` shows for library row `row`: gross weight as "0", tire pressure and
// the three lengths as "0.00" when the stored text is a number, anything else as stored.
std::string MixCellText(const LibraryTable& acdata, int row, int column);
