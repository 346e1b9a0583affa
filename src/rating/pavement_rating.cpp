// The rating of a slab: damage at its thickness, the critical aircraft, its maximum allowable weight,
// the PCR and each mix aircraft against it.
#include "rating/pavement_rating.h"

#include <cmath>

#include "engine/design_thickness.h"
#include "engine/evaluate_aircraft.h"
#include "engine/side_by_side.h"
#include "rating/subgrade_category.h"
#include "units/number_text.h"

namespace {

constexpr double kLightestWeightLb = 1;
constexpr double kHeaviestWeightFactor = 10;
constexpr double kWeightToleranceLb = 0.01;
constexpr int kMostBisections = 200;        // 10 x 1,000,000 lb to 0.01 lb takes about 30
constexpr double kSecantTolerance = 0.001;  // relative, between two successive weights
constexpr int kMostSecantSteps = 50;        // the ACR is nearly proportional to the weight: about 4 suffice

void Say(std::string* where, std::string what) {
  if (where) *where = std::move(what);
}

}  // namespace

std::size_t CriticalAircraft(const std::vector<float>& damages) {
  std::size_t critical = 0;
  for (std::size_t i = 1; i < damages.size(); ++i)
    if (damages[i] > damages[critical]) critical = i;
  return critical;
}

double EquivalentDepartures(double departures, double mixDamage, double ownDamage) {
  if (!(ownDamage > 0)) return 0;
  return departures * mixDamage / ownDamage;
}

std::optional<double> MaxAllowableGrossWeight(const DesignInputs& inputs, const MixAircraft& aircraft,
                                              double departures, double hIn, std::string* noPcr) {
  const auto damageAt = [&](double weight) {
    AircraftData data = aircraft.data;
    data.grossWeight = weight;
    data.departures = departures;
    return EvaluateAircraft(inputs, data, aircraft.passToCoverage, hIn).damage;
  };
  double lower = kLightestWeightLb, upper = kHeaviestWeightFactor * aircraft.data.grossWeight;
  if (!(upper > lower) || !(damageAt(upper) >= 1)) {
    Say(noPcr, kNoPcrTenTimes);
    return std::nullopt;
  }
  if (!(damageAt(lower) < 1)) {
    Say(noPcr, "no PCR: the slab cannot carry the critical aircraft even at 1 lb");
    return std::nullopt;
  }
  // damageAt(lower) < 1 <= damageAt(upper) throughout.
  for (int step = 0; step < kMostBisections && upper - lower > kWeightToleranceLb; ++step) {
    const double middle = (lower + upper) / 2;
    if (damageAt(middle) < 1)
      lower = middle;
    else
      upper = middle;
  }
  return lower;
}

std::optional<double> WeightForPcr(const AircraftData& aircraft, SubgradeCategory category, double pcr,
                                   double acrAtOwnWeight, std::string* error) {
  if (!(pcr > 0) || !(acrAtOwnWeight > 0) || !(aircraft.grossWeight > 0)) {
    Say(error, "no weight: the ACR and the PCR must be above 0");
    return std::nullopt;
  }
  double w0 = aircraft.grossWeight, g0 = acrAtOwnWeight - pcr;
  if (g0 == 0) return w0;
  double w1 = w0 * pcr / acrAtOwnWeight;  // as if the ACR were proportional to the weight
  for (int step = 0; step < kMostSecantSteps; ++step) {
    if (!(w1 > 0) || !std::isfinite(w1)) break;
    AircraftData trial = aircraft;
    trial.grossWeight = w1;
    const AcrOutcome acr = AircraftClassificationRating(trial, category);
    if (!acr.ok) {
      Say(error, "no weight: at " + FormatDecimals(w1, 0) + " lb " + acr.error);
      return std::nullopt;
    }
    const double g1 = acr.acr - pcr;
    if (g1 == 0) return w1;
    if (g1 == g0) break;
    const double w2 = w1 - g1 * (w1 - w0) / (g1 - g0);
    if (std::fabs(w2 - w1) <= kSecantTolerance * std::fabs(w2) && w2 > 0) return w2;
    w0 = w1;
    g0 = g1;
    w1 = w2;
  }
  Say(error, "no weight: the search for the ACR equal to the PCR did not settle");
  return std::nullopt;
}

std::string PcrCode(double pcr, SubgradeCategory category) {
  return "PCR " + FormatDecimals(pcr, 0) + "/R/" + SubgradeLetter(category) + "/W/T";
}

PavementRating RateSlab(const DesignBasis& basis, double hIn) {
  PavementRating r;
  r.thicknessIn = hIn;
  r.subgradeModulusMpa = SubgradeModulusMpa(basis.inputs.k);
  r.category = CategoryOfModulus(r.subgradeModulusMpa);
  if (basis.mix.empty()) {
    r.outcome = Outcome::Failure("no mix: there is no aircraft to rate the slab for");
    return r;
  }
  DesignResult rows{};
  r.damage = EvaluateMix(basis, hIn, &rows);
  for (const MixAircraft& m : basis.mix) r.aircraftDamage.push_back(rows.damageRatioPct[m.row] / 100.0f);
  if (!std::isfinite(r.damage)) {
    r.outcome =
        Outcome::Failure("no rating: the damage of the mix at " + FormatDecimals(hIn, 2) + " in cannot be computed");
    return r;
  }

  r.critical = CriticalAircraft(r.aircraftDamage);
  const MixAircraft& critical = basis.mix[r.critical];
  r.criticalRow = critical.row;
  r.criticalName = critical.name;
  r.equivalentDepartures = EquivalentDepartures(critical.data.departures, r.damage, r.aircraftDamage[r.critical]);
  if (const std::optional<double> weight =
          MaxAllowableGrossWeight(basis.inputs, critical, r.equivalentDepartures, hIn, &r.noPcr)) {
    r.maxGrossWeightLb = *weight;
    AircraftData rated = critical.data;
    rated.grossWeight = *weight;
    const AcrOutcome acr = AircraftClassificationRating(rated, r.category);
    if (acr.ok) {
      r.hasPcr = true;
      r.pcr = acr.acr;
      r.code = PcrCode(r.pcr, r.category);
    } else {
      r.noPcr = "no PCR: the critical aircraft has no ACR: " + acr.error;
    }
  }

  // Each aircraft's ratings are independent of the others': they are made side by side.
  const int category = static_cast<int>(r.category);
  r.aircraft.resize(basis.mix.size());
  RunSideBySide(basis.mix.size(), [&](std::size_t i) {
    const MixAircraft& m = basis.mix[i];
    RatedAircraft& a = r.aircraft[i];
    a.row = m.row;
    a.name = m.name;
    a.grossWeightLb = m.data.grossWeight;
    a.acr = AircraftClassificationRatings(m.data);
    if (r.hasPcr && a.acr.ok) {
      a.withinPcr = a.acr.acr[category] <= r.pcr;
      a.weightForPcrLb = WeightForPcr(m.data, r.category, r.pcr, a.acr.acr[category], &a.weightError);
    }
  });
  return r;
}

PavementRating RateDesign(const DesignResult& design) {
  // A mix no slab up to the thickest one the search tries carries has no design to rate.
  if (VerdictOf(design) == DesignVerdict::kNotCarried) {
    PavementRating r;
    r.thicknessIn = design.thicknessIn;
    r.outcome = Outcome::Failure("no rating: the design cannot carry the mix; its damage at 30 in is " +
                                 FixedText(design.damage, 4) + ", more than 1");
    return r;
  }
  return RateSlab(design.basis, design.thicknessIn);
}
