// Evaluation of one aircraft of the traffic mix at one trial thickness.
#pragma once

// Material inputs of a design, English units (psi, psi, pci).
struct DesignInputs {
  double e = 0;   // elastic modulus of concrete
  double sc = 0;  // flexural strength of concrete
  double k = 0;   // modulus of subgrade reaction
  double mu = 0.15;
};

// One aircraft's library values as numbers, English units (lb, psi, in).
struct AircraftData {
  double grossWeight = 0;    // W
  double departures = 0;     // N, passes per year
  double gearLoadPct = 0;    // pct of W on the gear
  double tirePressure = 0;   // p
  double wheelCount = 0;     // n
  double dualSpacing = 0;    // Sd
  double tandemSpacing = 0;  // St
  double contactWidth = 0;   // w
};

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

inline constexpr double kDesignLifeYears = 20;

// Evaluates the aircraft at thickness h (in); passToCoverage is PassToCoverageRatio(Sd, w), which does
// not depend on h and so is computed once per design.
AircraftEvaluation EvaluateAircraft(const DesignInputs& in, const AircraftData& ac, double passToCoverage, double h);
AircraftEvaluation EvaluateAircraft(const DesignInputs& in, const AircraftData& ac, double h);
