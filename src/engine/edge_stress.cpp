// Westergaard edge stress of a circular load on a slab on a dense-liquid subgrade.
#include <cmath>

#include "engine/mdlR.h"

double RadiusOfRelativeStiffness(double h, double e, double mu, double k) {
  return std::pow(e * std::pow(h, 3) / (12 * (1 - std::pow(mu, 2)) * k), 0.25);
}

double ContactRadius(double wheelLoad, double p) { return std::pow(wheelLoad / p / kPi, 0.5); }

double WestergaardEdgeStress(double h, double e, double mu, double k, double w, double pct, double p, double n) {
  const double l = RadiusOfRelativeStiffness(h, e, mu, k);
  const double a = ContactRadius(w * pct / n / 100, p);
  // The whole gear load stands in front of the bracket; the wheel load enters only through a.
  const double gearLoad = w * pct / 100;
  const double bracket = std::log(e * std::pow(h, 3) / (100 * k * std::pow(a, 4))) + 1.84 - 4 * mu / 3 + (1 - mu) / 2 +
                         1.18 * (1 + 2 * mu) * a / l;
  return 3 * (1 + mu) * gearLoad / (kPi * (3 + mu) * std::pow(h, 2)) * bracket;
}
