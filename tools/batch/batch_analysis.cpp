// Damage at a thickness, the damage curve and the sensitivity lines for the batch command.
#include "batch_analysis.h"

#include <cmath>
#include <utility>

#include "batch_design.h"
#include "batch_rating.h"
#include "project/text_file.h"
#include "units/number_text.h"
#include "units/unit_system.h"

Outcome EvaluateAtThickness(BatchDesign& design, double thicknessIn) {
  MixDamage evaluation;
  const Outcome evaluated =
      EvaluateSlabAt(design.state.designResult.basis, thicknessIn, design.state.IsMetric(), evaluation);
  if (evaluated) design.evaluation = std::move(evaluation);
  return evaluated;
}

void WriteEvaluation(const MixDamage& evaluation, const std::string& unit, bool metric, std::ostream& out) {
  const double shown = UnitSystemOf(metric).Length(evaluation.thicknessIn);
  out << "  at " << NumberText(shown) << ' ' << unit << ": damage " << NumberText(evaluation.damage) << ", life "
      << LifeText(evaluation.damage) << '\n';
  for (const AircraftDamage& a : evaluation.aircraft)
    out << "    " << a.name << ": " << FormatDecimals(a.damageRatioPct, 2) << " % damage ratio\n";
}

void WriteSensitivity(const Sensitivity& sensitivity, const std::string& unit, std::ostream& out) {
  for (const SensitivityCase& c : sensitivity.cases) {
    out << "  " << c.inputName << " x " << NumberText(c.factor) << ": " << c.caption;
    if (IsDesign(c))
      out << ' ' << unit << '\n';
    else if (c.designed)  // the caption says what the search found: "over 30.0 in", "no thickness"
      out << '\n';
    else
      out << " (" << c.failure << ")\n";
  }
}

Outcome WriteCurveCsv(const BatchDesign& design, const std::string& path) {
  const bool metric = design.state.IsMetric();
  std::string csv = "thickness_" + design.state.Lbunith + ",damage\n";
  // A point whose damage is too large to compute is left out, as the charts leave it out.
  for (const CurvePoint& p : DamageCurve(design.state.designResult, metric))
    if (std::isfinite(p.damage)) csv += NumberText(p.thickness) + ',' + NumberText(p.damage) + '\n';
  // Saved as every file of the program is: whole, keeping the replaced file's permissions and links.
  if (!WriteFileAtomically(path, csv)) return Outcome::Failure("the curve file \"" + path + "\" cannot be written");
  return Outcome::Success();
}

void RateBatchSlab(BatchDesign& design) {
  const DesignResult& designed = design.state.designResult;
  design.pavementRating =
      design.evaluation ? RateSlab(designed.basis, design.evaluation->thicknessIn) : RateDesign(designed);
}

std::vector<std::string> PavementRatingErrors(const BatchDesign& design) {
  std::vector<std::string> errors;
  if (design.pavementRating)
    for (const RatedAircraft& a : design.pavementRating->aircraft)
      if (!a.acr.ok) errors.push_back(design.file + ": no ACR for \"" + a.name + "\": " + a.acr.error);
  return errors;
}

namespace {

std::string WeightText(double lb, bool metric) {
  const UnitSystem& units = UnitSystemOf(metric);
  return units.WeightText(lb) + " " + units.forceWord;
}

}  // namespace

void WritePavementRating(const PavementRating& rating, bool metric, std::ostream& out) {
  if (!rating.outcome) {
    out << "  " << rating.outcome.message << '\n';
    return;
  }
  out << "  rating at " << UnitSystemOf(metric).ThicknessWithUnit(rating.thicknessIn) << ", subgrade "
      << SubgradeLetter(rating.category) << " (E = " << FormatDecimals(rating.subgradeModulusMpa, 1)
      << " MPa): " << (rating.hasPcr ? rating.code : rating.noPcr) << '\n';
  out << "  critical aircraft " << rating.criticalName << ": " << FormatDecimals(rating.equivalentDepartures, 1)
      << " equivalent departures";
  if (rating.hasPcr) out << ", maximum allowable gross weight " << WeightText(rating.maxGrossWeightLb, metric);
  out << '\n';
  for (const RatedAircraft& a : rating.aircraft) {
    out << "    " << a.name << ": " << AcrText(a.acr);
    if (!a.acr.ok) {
      out << '\n';
      continue;
    }
    if (rating.hasPcr) {
      out << (a.withinPcr ? ", within the PCR" : ", above the PCR");
      if (a.weightForPcrLb)
        out << ", at most " << WeightText(*a.weightForPcrLb, metric);
      else
        out << ", " << a.weightError;
    }
    out << '\n';
  }
}
