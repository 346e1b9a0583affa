// Edge stress, gear and wander factors, coverages and damage of one aircraft at one thickness.
#include "engine/evaluate_aircraft.h"

#include "engine/mdlR.h"

AircraftEvaluation EvaluateAircraft(const DesignInputs& in, const AircraftData& ac, double passToCoverage, double h) {
  AircraftEvaluation r;
  const double l = RadiusOfRelativeStiffness(h, in.e, in.mu, in.k);
  const double a = ContactRadius(ac.grossWeight * ac.gearLoadPct / ac.wheelCount / 100, ac.tirePressure);

  r.sigmaWe = static_cast<float>(
      WestergaardEdgeStress(h, in.e, in.mu, in.k, ac.grossWeight, ac.gearLoadPct, ac.tirePressure, ac.wheelCount));
  r.gearFactor = GearFactor(a, l, ac.dualSpacing, ac.tandemSpacing, ac.wheelCount);
  r.wanderFactor = static_cast<float>(FactorF3(in.sc, l, a / l, r.sigmaWe, ac.contactWidth, r.gearFactor));
  r.passToCoverage = static_cast<float>(passToCoverage);

  // The stored single-precision factors enter the design stress; the product is in double.
  const double designStress = static_cast<double>(r.sigmaWe) * kLoadTransferFactor * r.gearFactor * r.wanderFactor;
  r.allowableCoverages = AllowableCoverages(in.sc, designStress);
  const double actualCoverages = ac.departures * kDesignLifeYears / r.passToCoverage;
  r.damageRatioPct = static_cast<float>(actualCoverages / r.allowableCoverages * 100);
  r.damage = r.damageRatioPct / 100.0f;
  return r;
}

AircraftEvaluation EvaluateAircraft(const DesignInputs& in, const AircraftData& ac, double h) {
  return EvaluateAircraft(in, ac, PassToCoverageRatio(ac.dualSpacing, ac.contactWidth), h);
}
