// The design's inputs and mix aircraft, taken from the program state in English units and checked.
#pragma once

#include <vector>

#include "engine/evaluate_aircraft.h"
#include "state/outcome.h"
#include "state/program_state.h"

// One aircraft of the mix, in English units, ready to be evaluated at any thickness.
struct MixAircraft {
  int row = 0;  // library row
  AircraftData data;
  double passToCoverage = 0;
};

// Everything a design computes with, taken from the program state exactly as a design takes it.
struct PreparedDesign {
  Outcome outcome;              // a failure names the input that makes the design impossible
  DesignInputs inputs;          // English units
  LibraryTable englishLibrary;  // the library as the design rewrites it before the search
  std::vector<MixAircraft> mix;
};

// Reads the inputs and the mix aircraft, converted to English units, and checks that every value the
// design divides by or takes a logarithm of is usable. Does not change the state.
PreparedDesign PrepareDesign(const ProgramState& state);
