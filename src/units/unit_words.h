// The unit words shown in the traffic mix grid's unit row.
#pragma once

#include "state/program_state.h"

// Sets unitword from the unit flags: field 1 empty, field 2 "lb"/"kN", field 5 "psi"/"kPa",
// fields 7, 8, 9 "in."/"cm". Elements 3, 4 and 6 are left as they are.
void SetUnitWords(ProgramState& state);
