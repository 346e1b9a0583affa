// The charts' axes: round tick steps and the decades of the damage axis, worked by hand.
#include "analysis/chart_axes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct StepCase {
  double span;
  double step;
};

TEST(ChartAxesTest, RoundStepCutsTheSpanIntoFiveToTwelveRoundParts) {
  const StepCase cases[] = {{10, 1}, {30, 5}, {65, 10}, {100, 10}, {140, 20}, {0.5, 0.1}};
  for (const StepCase& c : cases) EXPECT_DOUBLE_EQ(RoundStep(c.span), c.step) << "span " << c.span;
}

TEST(ChartAxesTest, RoundStepOfNoSpanIsOne) {
  EXPECT_EQ(RoundStep(0), 1);
  EXPECT_EQ(RoundStep(-3), 1);
  EXPECT_EQ(RoundStep(std::nan("")), 1);
}

TEST(ChartAxesTest, DecadesSpanThePointsAndDamageOne) {
  const DamageDecades d = DamageDecadesOf({{10, 0.003}, {12, 40}});
  EXPECT_EQ(d.low, -3);
  EXPECT_EQ(d.high, 2);
  EXPECT_EQ(d.step, 1);
}

TEST(ChartAxesTest, DecadesAroundDamageOneAloneAreOneEitherSide) {
  for (const std::vector<CurvePoint>& points : {std::vector<CurvePoint>{}, std::vector<CurvePoint>{{10, 1}}}) {
    const DamageDecades d = DamageDecadesOf(points);
    EXPECT_EQ(d.low, -1);
    EXPECT_EQ(d.high, 1);
    EXPECT_EQ(d.step, 1);
  }
}

TEST(ChartAxesTest, ManyDecadesAreLabelledEverySecondOrThirdWithEndsOnTheStep) {
  const DamageDecades two = DamageDecadesOf({{10, 2e-14}, {20, 3e4}});  // decades -14 to 5
  EXPECT_EQ(two.step, 2);
  EXPECT_EQ(two.low, -14);
  EXPECT_EQ(two.high, 6);
  const DamageDecades three = DamageDecadesOf({{10, 2e-15}, {20, 3e5}});  // decades -15 to 6
  EXPECT_EQ(three.step, 3);
  EXPECT_EQ(three.low, -15);
  EXPECT_EQ(three.high, 6);
}

}  // namespace
