// Initial state: library re-read, English units.
#include "aircraft/initial_state.h"

#include "aircraft/library_reader.h"

Outcome InitializeState(ProgramState& state, const std::string& libraryPath) {
  const Outcome library = ReadLibrary(state, libraryPath);
  state.LbunitE = "psi";
  state.LbunitSc = "psi";
  state.Lbunitk = "pci";
  state.Lbunith = "in";
  state.EngFlag = 1;
  state.SIFlag = 0;
  return library;
}
