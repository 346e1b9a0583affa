// Evaluation of an existing slab at the thickness the user typed.
#include "analysis/slab_evaluation.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "units/number_text.h"
#include "units/unit_system.h"

Outcome EvaluateSlabAt(const DesignBasis& design, double thicknessIn, bool metric, MixDamage& mix) {
  DesignResult rows{};
  MixDamage evaluated = EvaluateMixDamage(design, thicknessIn, &rows);
  if (Outcome computed = CheckStressComputed(design, rows, "Cannot evaluate"); !computed) return computed;
  if (!std::isfinite(evaluated.damage)) {
    // An aircraft whose own damage is beyond a number, or else the largest part of a sum beyond one.
    const auto beyond = std::find_if(evaluated.aircraft.begin(), evaluated.aircraft.end(),
                                     [](const AircraftDamage& a) { return !std::isfinite(a.damageRatioPct); });
    const auto named = beyond != evaluated.aircraft.end()
                           ? beyond
                           : std::max_element(evaluated.aircraft.begin(), evaluated.aircraft.end(),
                                              [](const AircraftDamage& x, const AircraftDamage& y) {
                                                return x.damageRatioPct < y.damageRatioPct;
                                              });
    const UnitSystem& units = UnitSystemOf(metric);
    return Outcome::Failure("Cannot evaluate: at " + NumberText(units.Length(thicknessIn)) + ' ' + units.lengthWord +
                            " the damage of \"" + named->name + "\" is too large to compute. Check its values.");
  }
  mix = std::move(evaluated);
  return Outcome::Success();
}

Outcome EvaluateSlab(const ProgramState& state, const std::string& typed, MixDamage& mix) {
  double thicknessIn = 0;
  if (Outcome read = ReadSlabThickness(typed, state.IsMetric(), thicknessIn); !read) return read;
  const PreparedDesign design = PrepareDesign(state);
  if (!design.outcome) return design.outcome;
  return EvaluateSlabAt(design, thicknessIn, state.IsMetric(), mix);
}
