// Changing one value of a mix aircraft: what the change-data dialog shows, and storing its answer.
#pragma once

#include <optional>
#include <string>

#include "services/message_box.h"
#include "state/program_state.h"

// A change in progress, recorded when a grid value is double-clicked.
struct CellEdit {
  int editrow = 0;       // mix position of the value
  int editcol = 0;       // grid column of the value, 1..8
  std::string prompt;    // "Please input the new <heading> data of <name>"
  std::string tempdata;  // the value as stored before the change
  std::string unit;      // the unit word of the field
};

// The change for the value in grid row gridRow, column gridColumn; nothing for a heading row, the
// name column or a cell that shows no mix aircraft.
std::optional<CellEdit> BeginCellEdit(const ProgramState& state, int gridRow, int gridColumn);

// The OK of the dialog: checks `text` against the change-data range (the user may accept the limit),
// then stores a number of 0 or more into the library row and returns true. Otherwise `text` becomes
// the value before the change and nothing is stored. Either way `text` is what the dialog shows next.
bool AcceptCellEdit(ProgramState& state, const CellEdit& edit, std::string& text, MessageBox& box);
