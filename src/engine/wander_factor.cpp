// The wander factor F3: the fatigue-equivalent stress of wheels wandering across one tire width.
#include <array>
#include <cmath>

#include "engine/mdlR.h"

namespace {

constexpr int kOffsets = 11;  // x = 0, w/10, ..., w
constexpr double kCoverageIntercept = 0.40289;
constexpr double kCoverageSlope = 0.29644;

}  // namespace

double FactorF3(double sc, double l, double alpha, float sigmaWe, double w, float fg) {
  std::array<float, kOffsets> weight{}, offsetRatio{};
  for (int k = 0; k < kOffsets; ++k) {
    const float x = static_cast<float>(k * w / 10);
    const double ratio = x / kWanderDeviationIn;
    const float density =
        static_cast<float>(std::exp(-0.5 * std::pow(ratio, 2)) / (kWanderDeviationIn * std::sqrt(6.28)));
    weight[k] = static_cast<float>(100.0 * density * w);
    offsetRatio[k] = static_cast<float>(x / l);
  }

  double damage = 0, totalWeight = 0;
  for (int k = 0; k < kOffsets; ++k) {
    const float r = EdgeOffsetRatio(offsetRatio[k], static_cast<float>(alpha));
    const float stress = static_cast<float>(static_cast<double>(sigmaWe) * fg * r);
    const float strengthRatio = static_cast<float>(sc / (kLoadTransferFactor * stress));
    // Coverages beyond a double are infinite: that offset adds no damage.
    const double coverages = std::pow(10.0, (strengthRatio - kCoverageIntercept) / kCoverageSlope);
    damage += weight[k] / coverages;
    totalWeight += weight[k];
  }

  const double equivalentCoverages = totalWeight / damage;
  const double equivalentRatio = kCoverageSlope * (std::log(equivalentCoverages) / std::log(10.0)) + kCoverageIntercept;
  const double equivalentStress = sc / (kLoadTransferFactor * equivalentRatio);
  return equivalentStress / (static_cast<double>(sigmaWe) * fg);
}
