// The classification rating: the slab thickness for the allowable stress, then the derived single wheel load.
#include "rating/aircraft_classification.h"

#include <cmath>

#include "engine/side_by_side.h"
#include "rating/acr_gear.h"
#include "rating/acr_structure.h"
#include "rating/root_search.h"
#include "rating/slab_stress.h"

namespace {

constexpr double kFirstSlabIn = 16;
constexpr double kThinnestSlabIn = 1;
constexpr double kThickestSlabIn = 200;
constexpr double kThicknessToleranceIn = 1e-6;
constexpr double kLoadToleranceLb = 1e-3;

constexpr const char* kTooWide = "the gear's wheels or tire prints spread too wide to rate";

AcrOutcome Failed(std::string error) { return {false, 0, std::move(error)}; }

}  // namespace

AcrOutcome AircraftClassificationRating(const AircraftData& aircraft, SubgradeCategory category) {
  const AcrGear gear = GearOf(aircraft);
  if (!gear.error.empty()) return Failed(gear.error);

  // The slab: its stress falls as it thickens, roughly as 1/h², so the allowable stress less the stress
  // rises with h and the first guess scales h by √(stress / allowable).
  GearSlabStress gearStress(category, gear.wheels);
  const auto slabExcess = [&](double h) { return kAcrStressPsi - gearStress(h); };
  const auto slabGuess = [](double h, double excess) { return h * std::sqrt(1 - excess / kAcrStressPsi); };
  const RootSearch slab =
      FindIncreasingRoot(slabExcess, kFirstSlabIn, slabGuess, kThinnestSlabIn, kThickestSlabIn, kThicknessToleranceIn);
  if (slab.failure == RootFailure::kBelowLeast)
    return Failed("the gear is too light to rate: its slab would be under 1 in");
  if (slab.failure == RootFailure::kAboveMost)
    return Failed("the gear is too heavy to rate: its slab would be over 200 in");
  if (!slab.Found()) return Failed(kTooWide);

  // The derived single wheel: its stress rises with its load, about in proportion.
  const double gearLoad = aircraft.grossWeight * aircraft.gearLoadPct / 100;
  SingleWheelSlabStress wheelStress(category, slab.root, kSingleWheelPressurePsi);
  const auto wheelExcess = [&](double load) { return wheelStress(load) - kAcrStressPsi; };
  const auto wheelGuess = [](double load, double excess) { return load * kAcrStressPsi / (excess + kAcrStressPsi); };
  const RootSearch dswl =
      FindIncreasingRoot(wheelExcess, gearLoad / 2, wheelGuess, gearLoad * 1e-6, gearLoad * 1e3, kLoadToleranceLb);
  const double acr = dswl.root * kKgPerLb / 50;
  if (dswl.failure == RootFailure::kNotFinite) return Failed(kTooWide);
  if (!dswl.Found() || !std::isfinite(acr)) return Failed("no single wheel load gives the gear's stress");
  return {true, acr, {}};
}

AcrSet AircraftClassificationRatings(const AircraftData& aircraft) {
  AcrSet set;
  for (SubgradeCategory category : kSubgradeCategories) {
    const AcrOutcome one = AircraftClassificationRating(aircraft, category);
    if (!one.ok) {
      set.error = one.error;
      return set;
    }
    set.acr[static_cast<int>(category)] = one.acr;
  }
  set.ok = true;
  return set;
}

std::vector<AcrSet> AircraftClassificationRatingsOf(const std::vector<AircraftData>& aircraft) {
  std::vector<AcrSet> sets(aircraft.size());
  RunSideBySide(aircraft.size(), [&](std::size_t i) { sets[i] = AircraftClassificationRatings(aircraft[i]); });
  return sets;
}
