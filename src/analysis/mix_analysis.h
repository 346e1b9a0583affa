// Design insight beyond the report: damage at any thickness, the damage curve, each aircraft's share.
#pragma once

#include <string>
#include <vector>

#include "engine/design_thickness.h"
#include "state/outcome.h"
#include "units/unit_system.h"

// One aircraft's part of the cumulative damage at a thickness.
struct AircraftDamage {
  int row = 0;
  std::string name;
  float damageRatioPct = 0;  // as a design stores it
  float edgeStress = 0;      // sigma_we x Fg, psi, as the report prints it
  double allowableCoverages = 0;
};

struct MixDamage {
  double thicknessIn = 0;
  float damage = 0;                      // cumulative damage D, summed exactly as a design pass sums it
  std::vector<AircraftDamage> aircraft;  // in mix order
};

// Evaluates the mix at thickness h (in) with the arithmetic of a design pass; pure. When rows is given,
// each aircraft's evaluation is stored in its library row, as a design pass stores it.
MixDamage EvaluateMixDamage(const DesignBasis& design, double hIn, DesignResult* rows = nullptr);

// An evaluation in the unit in force, as the analysis window shows it: the slab thickness in in or
// cm and each aircraft's edge stress in psi or kPa, in mix order.
struct EvaluationInUnits {
  double thickness = 0;
  std::vector<double> edgeStress;
};

EvaluationInUnits InUnitsInForce(const MixDamage& mix, bool metric);

struct CurvePoint {
  double thickness = 0;  // in the unit in force (in or cm)
  double damage = 0;
};

inline constexpr int kCurvePoints = 200;

// The design's D at kCurvePoints evenly spaced thicknesses from half to twice its thickness, clamped
// to (0, 30] in, and at its thickness itself, where it is the design's own D; in thickness order,
// thicknesses in centimetres when metric.
std::vector<CurvePoint> DamageCurve(const DesignResult& design, bool metric, int points = kCurvePoints);

// An aircraft's part of a design's damage: its damage ratio in percent, where D = 1 is 100 %.
struct AircraftShare {
  int row = 0;
  std::string name;
  double damageRatioPct = 0;
};

// Each mix aircraft's damage ratio as the design stored it (the figures of the report), largest
// first, so that the governing aircraft leads.
std::vector<AircraftShare> DamageShares(const DesignResult& design);

// Structural life left in years at damage D over the design life: 20 / D.
double RemainingLifeYears(double damage);
// "12.3 years", or "more than 1000 years" above that (no damage at all included).
std::string LifeText(double damage);

// D or a damage ratio as the analysis shows it: 0.5000, 1.000, 12.30, 1235, "< 0.0001".
std::string DamageText(double damage);
// A percentage as the analysis shows it: 12.35, 100.0, "< 0.01".
std::string PercentText(double percent);
// The same with its sign, "12.35 %", or the words alone for a percentage that is not a number
// ("too large to compute").
std::string PercentWithSign(double percent);

// Reads an existing slab thickness typed in the unit in force: a number above 0 and at most 30 in
// (76.2 cm). On success `thicknessIn` holds it in inches; otherwise the outcome says what is wrong.
Outcome ReadSlabThickness(const std::string& text, bool metric, double& thicknessIn);
