// Pass-to-coverage ratio from a normal lateral wander of the traffic, and the allowable coverages.
#include <array>
#include <cmath>

#include "engine/mdlR.h"

double PassToCoverageRatio(double sd, double w) {
  const double divisor = kWanderDeviationIn * std::pow(6.28, 0.5);
  // Densities at whole-inch positions across the gear, held in single precision.
  std::array<float, static_cast<int>(kMaxDualSpacingIn) + 1> density{};
  float peak = 0;
  for (int x = 0; x <= kMaxDualSpacingIn && x <= sd; ++x) {
    double f = std::exp(-0.5 * std::pow(x / kWanderDeviationIn, 2));
    if (sd != 0) f += std::exp(-0.5 * std::pow((x - sd) / kWanderDeviationIn, 2));
    density[x] = static_cast<float>(f / divisor);
    if (density[x] > peak) peak = density[x];
  }
  return 1 / (w * peak);
}

double AllowableCoverages(double sc, double sigma) {
  return std::pow(10.0, (sc / sigma - kFatigueIntercept) / kFatigueSlope);
}
