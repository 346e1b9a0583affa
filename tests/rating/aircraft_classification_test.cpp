// The classification rating against the published worked example and the single wheel's own rating.
#include "rating/aircraft_classification.h"

#include <gtest/gtest.h>

namespace {

// Dual tandem, 400,000 lb, 47.5 % on the gear, wheels at (±15, 0) and (±15, 55) in, 200 psi.
TEST(AircraftClassification, DualTandemMatchesThePublishedExample) {
  const AircraftData dualTandem{400000, 1200, 47.5, 200, 4, 30, 55, 12.8};
  const AcrSet set = AircraftClassificationRatings(dualTandem);
  ASSERT_TRUE(set.ok) << set.error;
  const std::array<double, 4> published{641.6398, 744.0264, 817.8752, 894.672058};
  for (int c = 0; c < 4; ++c) EXPECT_NEAR(set.acr[c], published[c], 1e-3 * published[c]) << c;
}

// A single wheel at 1.50 MPa (217.5566 psi) is its own derived single wheel: its ACR is its load in kg
// over 50 on every subgrade, to the load search's 0.001 lb.
TEST(AircraftClassification, SingleWheelAtTheStandardPressureRatesItsOwnLoad) {
  for (double loadLb : {15000.0, 40000.0, 90000.0}) {
    const AcrSet set = AircraftClassificationRatings({loadLb, 0, 100, 217.55660659, 1, 0, 0, 0});
    ASSERT_TRUE(set.ok) << set.error;
    for (int c = 0; c < 4; ++c) EXPECT_NEAR(set.acr[c], loadLb * 0.453592 / 50, 0.002 * 0.453592 / 50) << loadLb;
  }
}

}  // namespace
