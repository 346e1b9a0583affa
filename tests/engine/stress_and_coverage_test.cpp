// Edge stress, wander factor, pass-to-coverage ratio and coverages of one aircraft. Each step of real
// aircraft together, and the damage of idle and light ones: the aircraft of the batch JSON cases.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/evaluate_aircraft.h"
#include "engine/mdlR.h"

namespace {

struct WorkedValue {
  const char* what;
  double value, expected, tolerance;
};

TEST(OneAircraftFormulas, MatchTheWorkedValues) {
  const WorkedValue cases[] = {
      {"F3, Fg 0.6", FactorF3(650, 40, 0.15, 400, 12, 0.6f), 0.9276, 0.00005},
      {"F3, Fg 1.0", FactorF3(650, 40, 0.15, 400, 12, 1.0f), 0.8964, 0.00005},
      {"F3, Sc 700", FactorF3(700, 30, 0.3, 500, 14, 0.5f), 0.9275, 0.00005},
      // Coverages overflow to infinity at every offset: the equivalent stress Sc / (0.75 x infinity) is 0.
      {"F3, no damage", FactorF3(650, 40, 0.15, 0.001f, 12, 1.0f), 0, 0},
      {"P/C single 10 in", PassToCoverageRatio(0, 10), 7.643, 0.0005},
      {"P/C single 14 in", PassToCoverageRatio(0, 14), 5.459, 0.0005},
      {"P/C dual 34 in", PassToCoverageRatio(34, 14), 3.188, 0.0005},
      {"P/C dual 35 in, past the whole-inch peak", PassToCoverageRatio(35, 14), 3.218, 0.0005},
      {"l", RadiusOfRelativeStiffness(12, 4000000, 0.15, 200), 41.43, 0.005},
      {"a dual", ContactRadius(100000 * 50.0 / 2 / 100, 200), 6.309, 0.0005},
      {"a single", ContactRadius(60000 * 50.0 / 1 / 100, 200), 6.912, 0.0005},
      {"stress dual", WestergaardEdgeStress(12, 4000000, 0.15, 200, 100000, 50, 200, 2), 930.6, 0.05},
      {"stress single", WestergaardEdgeStress(12, 4000000, 0.15, 200, 60000, 50, 200, 1), 533.5, 0.05},
      {"coverages at 400 psi", AllowableCoverages(650, 400), 3207, 0.5},
      {"coverages at Sc", AllowableCoverages(650, 650), 24.48, 0.005},
  };
  for (const WorkedValue& c : cases) EXPECT_NEAR(c.value, c.expected, c.tolerance) << c.what;
  EXPECT_TRUE(std::isinf(AllowableCoverages(650, 1e-3)));
  // EdgeOffsetRatio is about 0.99 just off the edge: even a very narrow tire has F3 below 1.
  const double narrow = FactorF3(650, 40, 0.15, 400, 0.01, 1.0f);
  EXPECT_LT(narrow, 1.0);
  EXPECT_GT(narrow, 0.99);
}

}  // namespace
