// The bisection search for the design thickness and the writing of its result into the state.
#include "engine/design_thickness.h"

#include <cmath>
#include <utility>

#include "units/conversion.h"

float EvaluateMix(const DesignBasis& design, double h, DesignResult* rows) {
  float damage = 0;
  for (const MixAircraft& m : design.mix) {
    const AircraftEvaluation e = EvaluateAircraft(design.inputs, m.data, m.passToCoverage, h);
    if (rows) {
      rows->sigmaWe[m.row] = e.sigmaWe;
      rows->gearFactor[m.row] = e.gearFactor;
      rows->wanderFactor[m.row] = e.wanderFactor;
      rows->passToCoverage[m.row] = e.passToCoverage;
      rows->allowableCoverages[m.row] = e.allowableCoverages;
      rows->damageRatioPct[m.row] = e.damageRatioPct;
    }
    damage += e.damage;
  }
  return damage;
}

Outcome CheckStressComputed(const DesignBasis& design, const DesignResult& rows, const std::string& refusal) {
  for (const MixAircraft& m : design.mix)
    if (std::isnan(rows.damageRatioPct[m.row]) || !std::isfinite(rows.sigmaWe[m.row]) ||
        std::isnan(rows.wanderFactor[m.row]))
      return Outcome::Failure(refusal + ": the data of \"" + m.name +
                              "\" lead to a stress that cannot be computed. Check its values.");
  return Outcome::Success();
}

DesignVerdict VerdictOf(const DesignResult& design) {
  if (design.damage == 0) return DesignVerdict::kNoDamage;
  // A search whose every trial is too thin climbs towards the cap by halving steps and ends within its
  // last step of it; a trial that carried the mix keeps every later one at least two steps below.
  const double lastStep = std::ldexp(kMaxThicknessIn, -(kPassLimit - 1));
  if (design.damage > 1 + kDamageTolerance && kMaxThicknessIn - design.thicknessIn <= lastStep)
    return DesignVerdict::kNotCarried;
  return DesignVerdict::kCarried;
}

Outcome DesignThickness(ProgramState& state) {
  const PreparedDesign design = PrepareDesign(state);
  if (!design.outcome) return design.outcome;

  DesignResult rows = state.designResult;  // rows outside the mix keep their old results
  double h = kMaxThicknessIn, lower = 0, upper = 0;
  float damage = 0;
  for (int pass = 1;; ++pass) {
    if (std::fabs(1.0f - damage) < kDamageTolerance) break;
    if (pass >= kPassLimit) break;
    if (damage > 1) {  // slab too thin
      lower = h;
      h = (h + upper) / 2;
    } else if (damage < 1) {  // slab thicker than needed
      upper = h;
      h = (h + lower) / 2;
    }
    damage = EvaluateMix(design, h, &rows);
    if (std::isnan(damage)) break;
  }
  if (Outcome computed = CheckStressComputed(design, rows, "Cannot design"); !computed) return computed;

  rows.thicknessIn = h;
  rows.damage = damage;
  rows.basis = design;
  rows.number = state.designResult.number + 1;
  rows.date.clear();
  state.designResult = std::move(rows);
  state.acdata = design.englishLibrary;
  state.lbh = UnitSystemOf(state).ThicknessCaption(h);
  if (state.IsMetric()) ConvertLibraryFields(state.acdata, Conversion::kToMetric);
  return Outcome::Success();
}
