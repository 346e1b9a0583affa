// The design's inputs and mix aircraft, taken from the program state in English units and checked.
#pragma once

#include "engine/evaluate_aircraft.h"
#include "state/outcome.h"
#include "state/program_state.h"

// Everything a design computes with, taken from the program state exactly as a design takes it.
struct PreparedDesign : DesignBasis {
  Outcome outcome;              // a failure names the input that makes the design impossible
  LibraryTable englishLibrary;  // the library as the design rewrites it before the search
};

// Reads the inputs and the mix aircraft, converted to English units, and checks that every value the
// design divides by or takes a logarithm of is usable. Does not change the state.
PreparedDesign PrepareDesign(const ProgramState& state);

// An aircraft's library record as numbers, each field read as its leading number (0 for none).
AircraftData ReadAircraft(const LibraryRow& row);
