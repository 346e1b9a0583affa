// The ICAO Aircraft Classification Rating (ACR) of an aircraft on the rigid standard structure.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "state/design_record.h"

// The four standard subgrades of the rigid ACR, from the strongest to the weakest.
enum class SubgradeCategory { kA, kB, kC, kD };
inline constexpr std::array<SubgradeCategory, 4> kSubgradeCategories{SubgradeCategory::kA, SubgradeCategory::kB,
                                                                     SubgradeCategory::kC, SubgradeCategory::kD};

// 'A', 'B', 'C' or 'D'.
char SubgradeLetter(SubgradeCategory category);

// The ACR of one aircraft on one category, or why its values make no gear.
struct AcrOutcome {
  bool ok = false;
  double acr = 0;     // unrounded
  std::string error;  // when !ok: the faulty field and why ("the wheels per gear must be 1, 2, 4 or 6")
};

// The rating of the aircraft's main gear (the gear its library values describe) on the category.
// A pure function: safe to call from several threads at once.
AcrOutcome AircraftClassificationRating(const AircraftData& aircraft, SubgradeCategory category);

// The four ratings A..D; ok only when all four are, with the first error otherwise.
struct AcrSet {
  bool ok = false;
  std::array<double, 4> acr{};  // indexed by SubgradeCategory
  std::string error;
};
AcrSet AircraftClassificationRatings(const AircraftData& aircraft);

// The ratings of several aircraft in their order, shared out over the processor's cores.
std::vector<AcrSet> AircraftClassificationRatingsOf(const std::vector<AircraftData>& aircraft);
