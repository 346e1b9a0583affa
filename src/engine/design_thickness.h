// The thickness design: bisection for the slab thickness at which the mix's fatigue damage is 1.
#pragma once

#include <string>
#include <vector>

#include "engine/prepared_design.h"
#include "state/outcome.h"
#include "state/program_state.h"
#include "units/unit_system.h"

inline constexpr int kPassLimit = 20;  // the search evaluates at most kPassLimit - 1 thicknesses
inline constexpr float kDamageTolerance = 0.001f;

// The cumulative damage D of the mix at thickness h (in), summed in single precision in mix order;
// when rows is given, each aircraft's evaluation is stored in its library row.
float EvaluateMix(const DesignBasis& design, double h, DesignResult* rows = nullptr);

// Refuses data whose stress at the thickness last evaluated into rows is not a finite number, or whose
// damage there is not a number: the failure names the first such mix aircraft after `refusal`
// ("Cannot design: the data of \"B777-300ER\" lead to a stress that cannot be computed. Check its values.").
Outcome CheckStressComputed(const DesignBasis& design, const DesignResult& rows, const std::string& refusal);

// Whether the thickness a search ended at is a design. The search has no failure exit, so its record
// says which: a mix no slab up to kMaxThicknessIn carries ends just below the cap with D above 1, and
// a mix that does no damage ends just above 0 with D = 0.
enum class DesignVerdict {
  kCarried,     // D = 1 within the tolerance, or the search's last step straddles D = 1
  kNotCarried,  // every trial thickness was too thin: D exceeds 1 beyond the tolerance at the cap
  kNoDamage,    // D is 0: an empty mix, or no aircraft has departures
};

DesignVerdict VerdictOf(const DesignResult& design);

// Designs the thickness for the state's inputs and mix: on success records the design in
// designResult (its results, the English inputs and mix it computed with, the next design number and
// no date yet, the damage D at its thickness) and the caption lbh (in the unit in force), and leaves the library
// rewritten as number text. On failure (a value the design cannot compute with) returns the reason and leaves the state
// unchanged.
Outcome DesignThickness(ProgramState& state);
