// Damage of the mix at any thickness, the damage curve, shares and the life left.
#include "analysis/mix_analysis.h"

#include <algorithm>
#include <cmath>

#include "units/number_text.h"

MixDamage EvaluateMixDamage(const DesignBasis& design, double hIn, DesignResult* rows) {
  MixDamage mix;
  mix.thicknessIn = hIn;
  DesignResult ownRows{};
  DesignResult& r = rows ? *rows : ownRows;
  mix.damage = EvaluateMix(design, hIn, &r);
  for (const MixAircraft& m : design.mix) {
    AircraftDamage a;
    a.row = m.row;
    a.name = m.name;
    a.damageRatioPct = r.damageRatioPct[m.row];
    a.edgeStress = r.sigmaWe[m.row] * r.gearFactor[m.row];
    a.allowableCoverages = r.allowableCoverages[m.row];
    mix.aircraft.push_back(a);
  }
  return mix;
}

EvaluationInUnits InUnitsInForce(const MixDamage& mix, bool metric) {
  EvaluationInUnits shown;
  const UnitSystem& units = UnitSystemOf(metric);
  shown.thickness = units.Length(mix.thicknessIn);
  for (const AircraftDamage& a : mix.aircraft) shown.edgeStress.push_back(units.Stress(a.edgeStress));
  return shown;
}

std::vector<CurvePoint> DamageCurve(const DesignResult& design, bool metric, int points) {
  const double designIn = design.thicknessIn;
  const double from = std::clamp(designIn / 2, 0.0, kMaxThicknessIn);
  const double to = std::clamp(designIn * 2, 0.0, kMaxThicknessIn);
  const UnitSystem& units = UnitSystemOf(metric);
  std::vector<CurvePoint> curve;
  for (int i = 0; i < points; ++i) {
    const double h = points == 1 ? from : from + (to - from) * i / (points - 1);
    if (h <= 0) continue;  // a slab of no thickness has no stiffness to evaluate
    curve.push_back({units.Length(h), EvaluateMix(design.basis, h)});
  }
  // The design's own point, evaluated as the design's last pass was, so that the curve meets the design
  // line at the design's D rather than between two samples.
  if (designIn > 0) {
    const CurvePoint designPoint{units.Length(designIn), EvaluateMix(design.basis, designIn)};
    const auto at = std::lower_bound(curve.begin(), curve.end(), designPoint.thickness,
                                     [](const CurvePoint& p, double thickness) { return p.thickness < thickness; });
    if (at != curve.end() && at->thickness == designPoint.thickness)
      *at = designPoint;
    else
      curve.insert(at, designPoint);
  }
  return curve;
}

std::vector<AircraftShare> DamageShares(const DesignResult& design) {
  std::vector<AircraftShare> shares;
  for (const MixAircraft& m : design.basis.mix) shares.push_back({m.row, m.name, design.damageRatioPct[m.row]});
  std::stable_sort(shares.begin(), shares.end(),
                   [](const AircraftShare& x, const AircraftShare& y) { return x.damageRatioPct > y.damageRatioPct; });
  return shares;
}

namespace {
constexpr double kLongestLifeShownYears = 1000;
}

double RemainingLifeYears(double damage) { return kDesignLifeYears / damage; }

std::string LifeText(double damage) {
  const double years = RemainingLifeYears(damage);
  if (!(years <= kLongestLifeShownYears)) return "more than 1000 years";
  return FormatDecimals(years, 1) + " years";
}

std::string DamageText(double damage) { return FixedText(damage, 4); }

std::string PercentText(double percent) { return FixedText(percent, 2); }

std::string PercentWithSign(double percent) {
  return std::isfinite(percent) ? PercentText(percent) + " %" : PercentText(percent);
}

Outcome ReadSlabThickness(const std::string& text, bool metric, double& thicknessIn) {
  const UnitSystem& units = UnitSystemOf(metric);
  const Outcome refused = Outcome::Failure("The slab thickness must be a number above 0 and at most " +
                                           NumberText(units.MaxThickness()) + " " + units.lengthWord + ".");
  if (!IsNumber(text)) return refused;
  const double shown = LeadingNumber(text);
  const double inches = units.Inches(shown);
  // The limit is compared in the unit typed, so 76.2 cm is accepted although 76.2 / 2.54 rounds above 30.
  if (!(shown > 0) || shown > units.MaxThickness()) return refused;
  thicknessIn = std::min(inches, kMaxThicknessIn);
  return Outcome::Success();
}
