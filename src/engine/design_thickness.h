// The thickness design: bisection for the slab thickness at which the mix's fatigue damage is 1.
#pragma once

#include <string>
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

inline constexpr double kMaxThicknessIn = 30;
inline constexpr int kPassLimit = 20;  // the search evaluates at most kPassLimit - 1 thicknesses
inline constexpr float kDamageTolerance = 0.001f;

// Reads the inputs and the mix aircraft, converted to English units, and checks that every value the
// design divides by or takes a logarithm of is usable. Does not change the state.
PreparedDesign PrepareDesign(const ProgramState& state);

// The cumulative damage D of the mix at thickness h (in), summed in single precision in mix order;
// when rows is given, each aircraft's evaluation is stored in its library row.
float EvaluateMix(const PreparedDesign& design, double h, DesignResult* rows = nullptr);

// Designs the thickness for the state's inputs and mix: on success writes designResult and the
// caption lbh (in the unit in force) and leaves the library rewritten as number text. On failure
// (a value the design cannot compute with) returns the reason and leaves the state unchanged.
// When `used` is given it receives the English inputs and mix the search computed with, so that an
// analysis of this design sees exactly its numbers even after the library went back to metric.
Outcome DesignThickness(ProgramState& state, PreparedDesign* used = nullptr);
