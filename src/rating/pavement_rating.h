// The pavement classification rating (PCR) of a slab, from the cumulative damage of its traffic mix.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "rating/aircraft_classification.h"
#include "state/design_record.h"
#include "state/outcome.h"

// Said instead of a maximum allowable weight, and so of a PCR, when even ten times the critical
// aircraft's gross weight does less than a damage of 1.
inline constexpr const char* kNoPcrTenTimes =
    "no PCR: the slab carries more than ten times the critical aircraft's weight";

// The mix aircraft with the largest damage, the first in mix order on a tie; damages in mix order.
std::size_t CriticalAircraft(const std::vector<float>& damages);

// The departures at which the critical aircraft alone does the damage of the whole mix:
// its departures x D / its own damage (0 when it does no damage).
double EquivalentDepartures(double departures, double mixDamage, double ownDamage);

// The largest gross weight (lb) at which the aircraft alone, with `departures` and every other value
// (pass-to-coverage ratio included) unchanged, has a damage of at most 1 at thickness hIn: bisection
// between 1 lb and ten times its gross weight to 0.01 lb. Nothing, and why in `noPcr`, when ten times
// its weight stays below a damage of 1 or 1 lb already reaches it.
std::optional<double> MaxAllowableGrossWeight(const DesignInputs& inputs, const MixAircraft& aircraft,
                                              double departures, double hIn, std::string* noPcr = nullptr);

// The gross weight (lb) at which the aircraft's ACR on the category equals the PCR, by a secant search
// on the ACR from its own weight to 0.1 %; acrAtOwnWeight is its ACR there. Nothing, and the reason in
// `error`, when the search leaves the positive weights or does not settle.
std::optional<double> WeightForPcr(const AircraftData& aircraft, SubgradeCategory category, double pcr,
                                   double acrAtOwnWeight, std::string* error = nullptr);

// "PCR 938/R/B/W/T": the whole PCR, rigid, the subgrade category, no tire pressure limit, technical
// evaluation.
std::string PcrCode(double pcr, SubgradeCategory category);

// One mix aircraft against the PCR.
struct RatedAircraft {
  int row = 0;
  std::string name;
  double grossWeightLb = 0;
  AcrSet acr;                            // its ACR on A..D at its own weight, or why there is none
  bool withinPcr = false;                // its ACR on the slab's category is at most the PCR
  std::optional<double> weightForPcrLb;  // its largest weight for operation without restriction
  std::string weightError;               // when there is a PCR but no such weight: why
};

struct PavementRating {
  Outcome outcome;  // a failure: nothing to rate (no mix, a mix no slab carries, no damage to compute)
  double thicknessIn = 0;
  double subgradeModulusMpa = 0;
  SubgradeCategory category = SubgradeCategory::kA;
  float damage = 0;                   // D at the slab's thickness
  std::vector<float> aircraftDamage;  // each aircraft's damage there, mix order
  std::size_t critical = 0;           // index in the mix
  int criticalRow = 0;
  std::string criticalName;
  double equivalentDepartures = 0;
  bool hasPcr = false;
  std::string noPcr;  // when !hasPcr: why ("no PCR: ...")
  double maxGrossWeightLb = 0;
  double pcr = 0;  // unrounded
  std::string code;
  std::vector<RatedAircraft> aircraft;  // mix order
};

// Rates the slab of thickness hIn for the basis's inputs and mix, the mix aircraft side by side on the
// processor's cores. A pure function: safe to call from several threads at once.
PavementRating RateSlab(const DesignBasis& basis, double hIn);

// Rates a design's slab, unless its mix is empty or no slab up to the thickest one carries it.
PavementRating RateDesign(const DesignResult& design);
