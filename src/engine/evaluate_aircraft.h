// Evaluation of one aircraft of the traffic mix at one trial thickness.
#pragma once

#include "engine/mdlR.h"
#include "state/design_record.h"

// What a design stores for one aircraft at one thickness.
struct AircraftEvaluation {
  float sigmaWe = 0;
  float gearFactor = 0;
  float wanderFactor = 0;
  float passToCoverage = 0;
  double allowableCoverages = 0;
  float damageRatioPct = 0;
  float damage = 0;  // damage ratio / 100, the aircraft's share of the cumulative damage D
};

// Evaluates the aircraft at thickness h (in); passToCoverage is PassToCoverageRatio(Sd, w), which does
// not depend on h and so is computed once per design.
AircraftEvaluation EvaluateAircraft(const DesignInputs& in, const AircraftData& ac, double passToCoverage, double h);
AircraftEvaluation EvaluateAircraft(const DesignInputs& in, const AircraftData& ac, double h);
