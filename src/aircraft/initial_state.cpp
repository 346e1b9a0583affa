// Initial state: library re-read, English units.
#include "aircraft/initial_state.h"

#include "aircraft/library_reader.h"
#include "units/unit_system.h"

Outcome InitializeState(ProgramState& state, const std::string& libraryPath) {
  const Outcome library = ReadLibrary(state, libraryPath);
  ApplyUnitSystem(state, false);
  return library;
}
