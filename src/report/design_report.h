// The detailed design report: banner, material properties, design thickness, fatigue analysis table.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "state/outcome.h"
#include "state/program_state.h"

// The report of the state's last design, in the unit system in force, lines ended by CR LF. It prints
// what the design stored; it does not design. Fails (text left empty) when a mix position names no
// library row or a mix row holds no design results (its P/C is 0), as happens before the first design
// or after the mix changed.
Outcome BuildReport(const ProgramState& state, std::string& text);

// Writes BuildReport's text to path, replacing the file; nothing is written when the report fails.
Outcome PrintToFile(const ProgramState& state, const std::string& path);

// The library rows of the mix in mix order, or the failure BuildReport reports for them.
Outcome FatigueTableRows(const ProgramState& state, std::vector<int>& rows);

// The cells of library row `row` in the fatigue table, as the report prints them: aircraft name,
// Pass/Year, Max. Stress of Edge, P/C, F3, Total Actual Coverages, Allow Coverages and the Fatigue
// Damage Ratio (before its right alignment).
using FatigueRow = std::array<std::string, 8>;
FatigueRow FatigueRowCells(const ProgramState& state, int row);
