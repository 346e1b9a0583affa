// Derived values of the program state.
#include "state/program_state.h"

int ProgramState::MixCount() const { return mixnext > 1 ? mixnext - 1 : 0; }
