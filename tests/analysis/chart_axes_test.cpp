// The charts' axes: round tick steps and the decades of the damage axis, worked by hand.
#include "analysis/chart_axes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

TEST(ChartAxesTest, RoundStepCutsTheSpanIntoFiveToTwelveRoundPartsAndNoSpanIntoOnesAndTheNextIsRounder) {
  const std::pair<double, double> cases[] = {{10, 1},    {30, 5}, {65, 10}, {100, 10},        {140, 20},
                                             {0.5, 0.1}, {0, 1},  {-3, 1},  {std::nan(""), 1}};
  for (const auto& [span, step] : cases) EXPECT_DOUBLE_EQ(RoundStep(span), step) << "span " << span;
  const std::pair<double, double> next[] = {{1, 2}, {2, 5}, {5, 10}, {0.5, 1}, {20, 50}, {1e-05, 2e-05}, {0.3, 0.5}};
  for (const auto& [step, rounder] : next) EXPECT_DOUBLE_EQ(NextRoundStep(step), rounder) << "step " << step;
}

// The design of no aircraft spans 2.861e-05 to 0.00011444 in; a slab of 16 in marked on it widens the axis.
TEST(ChartAxesTest, AThicknessAxisIsFiniteWithItsEndsApartAndAtMostADozenSteps) {
  const double nan = std::nan(""), inf = HUGE_VAL;
  const struct {
    double from, to;
    ThicknessAxis axis;
  } cases[] = {
      {8.28, 30, {8.28, 30, 2}},
      {2.861e-05, 0.00011444, {2.861e-05, 0.00011444, 1e-05}},
      {2.861e-05, 16, {2.861e-05, 16, 2}},
      {0, 0, {0, 1, 0.1}},
      {5, 3, {5, 6, 0.1}},
      {nan, 30, {0, 30, 5}},
      {3, inf, {3, 4, 0.1}},
      {-inf, nan, {0, 1, 0.1}},
      {-1e308, 1e308, {0, 1, 0.1}},      // ends too far apart to subtract, and one unit does not move them
      {0, 5e-324, {0, 5e-324, 5e-324}},  // no power of ten below the span: one step
  };
  for (const auto& c : cases) {
    const ThicknessAxis a = ThicknessAxisOf(c.from, c.to);
    EXPECT_EQ(std::tie(a.from, a.to), std::tie(c.axis.from, c.axis.to)) << c.from << " to " << c.to;
    EXPECT_DOUBLE_EQ(a.step, c.axis.step) << c.from << " to " << c.to;
  }
}

struct DecadesCase {
  const char* what;
  std::vector<CurvePoint> points;
  int low, high, step;
};

TEST(ChartAxesTest, DecadesSpanThePointsAndDamageOneLabelledWithEndsOnTheStep) {
  const DecadesCase cases[] = {
      {"points on either side of 1", {{10, 0.003}, {12, 40}}, -3, 2, 1},
      {"no points", {}, -1, 1, 1},
      {"damage 1 alone", {{10, 1}}, -1, 1, 1},
      {"decades -14 to 5: every second", {{10, 2e-14}, {20, 3e4}}, -14, 6, 2},
      {"decades -15 to 6: every third", {{10, 2e-15}, {20, 3e5}}, -15, 6, 3},
  };
  for (const DecadesCase& c : cases) {
    const DamageDecades d = DamageDecadesOf(c.points);
    EXPECT_EQ(std::tie(d.low, d.high, d.step), std::tie(c.low, c.high, c.step)) << c.what;
  }
}

}  // namespace
