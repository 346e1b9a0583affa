// TEMPORARY stand-in for the classification rating until the layered analysis lands: a rating
// proportional to the load on the gear, larger on weaker subgrades. Removed when the real one is merged.
#include <cmath>

#include "rating/aircraft_classification.h"

char SubgradeLetter(SubgradeCategory category) { return "ABCD"[static_cast<int>(category)]; }

AcrOutcome AircraftClassificationRating(const AircraftData& aircraft, SubgradeCategory category) {
  if (!(aircraft.grossWeight > 0)) return {false, 0, "the gross weight must be above 0"};
  if (!(aircraft.gearLoadPct > 0)) return {false, 0, "the gear load percentage must be above 0"};
  const double load = aircraft.grossWeight * aircraft.gearLoadPct / 100;
  return {true, load / 500 * (1 + 0.1 * static_cast<int>(category)), {}};
}

AcrSet AircraftClassificationRatings(const AircraftData& aircraft) {
  AcrSet set;
  for (SubgradeCategory category : kSubgradeCategories) {
    const AcrOutcome one = AircraftClassificationRating(aircraft, category);
    if (!one.ok) return {false, {}, one.error};
    set.acr[static_cast<int>(category)] = one.acr;
  }
  set.ok = true;
  return set;
}
