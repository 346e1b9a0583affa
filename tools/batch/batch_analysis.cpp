// Damage at a thickness, the damage curve and the sensitivity lines for the batch command.
#include "batch_analysis.h"

#include "batch_design.h"
#include "project/text_file.h"
#include "units/conversion.h"
#include "units/number_text.h"

Outcome EvaluateAtThickness(BatchDesign& design, const std::string& thicknessText) {
  double thicknessIn = 0;
  const Outcome read = ReadSlabThickness(thicknessText, design.state.IsMetric(), thicknessIn);
  if (read) design.evaluation = EvaluateMixDamage(design.state.designResult.basis, thicknessIn);
  return read;
}

void WriteEvaluation(const MixDamage& evaluation, const std::string& unit, bool metric, std::ostream& out) {
  const double shown = metric ? evaluation.thicknessIn * kLengthFactor : evaluation.thicknessIn;
  out << "  at " << NumberText(shown) << ' ' << unit << ": damage " << NumberText(evaluation.damage) << ", life "
      << LifeText(evaluation.damage) << '\n';
  for (const AircraftDamage& a : evaluation.aircraft)
    out << "    " << a.name << ": " << FormatDecimals(a.damageRatioPct, 2) << " % damage ratio\n";
}

void WriteSensitivity(const Sensitivity& sensitivity, const std::string& unit, std::ostream& out) {
  for (const SensitivityCase& c : sensitivity.cases) {
    out << "  " << c.inputName << " x " << NumberText(c.factor) << ": " << c.caption;
    if (c.designed)
      out << ' ' << unit << '\n';
    else
      out << " (" << c.failure << ")\n";
  }
}

Outcome WriteCurveCsv(const BatchDesign& design, const std::string& path) {
  const bool metric = design.state.IsMetric();
  std::string csv = "thickness_" + design.state.Lbunith + ",damage\n";
  for (const CurvePoint& p : DamageCurve(design.state.designResult, metric))
    csv += NumberText(p.thickness) + ',' + NumberText(p.damage) + '\n';
  // Saved as every file of the program is: whole, keeping the replaced file's permissions and links.
  if (!WriteTextFileAtomically(path, csv)) return Outcome::Failure("the curve file \"" + path + "\" cannot be written");
  return Outcome::Success();
}
