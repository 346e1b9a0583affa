// The rating of a slab step by step: subgrade category, critical aircraft, equivalent departures,
// maximum allowable weight, PCR and each aircraft's weight for it. The JSON and text of whole ratings,
// mixes without a rating and the metric example: the batch cases rating_*.
#include "rating/pavement_rating.h"

#include <gtest/gtest.h>

#include "engine/design_thickness.h"
#include "golden/example_states.h"
#include "rating/subgrade_category.h"

namespace {

// k (pci) on either side of E = 150, 100 and 60 MPa; worked by hand from E = 26 k^1.284 / 145.03773773:
// k = (E x 145.03773773 / 26)^(1 / 1.284) = 188.87192, 137.72877 and 92.52205 pci.
TEST(SubgradeCategory, ChangesAtEachBoundaryOfTheModulus) {
  const struct {
    double k;
    double eMpa;
    char letter;
  } cases[] = {
      {300, 271.71651, 'A'},     {188.8720, 150.00008, 'A'}, {188.8719, 149.99998, 'B'}, {137.7288, 100.00003, 'B'},
      {137.7287, 99.99994, 'C'}, {92.5221, 60.00004, 'C'},   {92.5220, 59.99996, 'D'},   {25, 11.18014, 'D'},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(SubgradeModulusMpa(c.k), c.eMpa, 1e-4) << c.k;
    EXPECT_EQ(SubgradeLetter(CategoryOfModulus(SubgradeModulusMpa(c.k))), c.letter) << c.k;
  }
  EXPECT_EQ(CategoryOfModulus(150), SubgradeCategory::kA);
  EXPECT_EQ(CategoryOfModulus(100), SubgradeCategory::kB);
  EXPECT_EQ(CategoryOfModulus(60), SubgradeCategory::kC);
}

TEST(PavementRatingSteps, CriticalEquivalentDeparturesAndCode) {
  EXPECT_EQ(CriticalAircraft({0.2f, 0.5f, 0.5f, 0.1f}), 1u);  // a tie goes to the first in mix order
  EXPECT_EQ(CriticalAircraft({0, 0}), 0u);
  EXPECT_DOUBLE_EQ(EquivalentDepartures(1200, 0.9, 0.3), 3600);
  EXPECT_DOUBLE_EQ(EquivalentDepartures(300, 0, 0), 0);  // no damage at all
  EXPECT_EQ(PcrCode(937.6, SubgradeCategory::kB), "PCR 938/R/B/W/T");
  EXPECT_EQ(PcrCode(52.4, SubgradeCategory::kD), "PCR 52/R/D/W/T");
}

// The B737-800 (1200 departures) and the B777-300ER (300) on 4000000 / 650 / 200: the lighter aircraft's
// many departures govern thin slabs, the heavier one thick slabs. Each aircraft's damage at 12 and 20 in
// (from its evaluation alone) and the departures that make the critical one do the mix's damage:
//   12 in: B737-800 55.71, B777-300ER 5.050;  1200 x (55.71 + 5.050) / 55.71 = 1308.8
//   20 in: B737-800 0.004395, B777-300ER 0.01486;  300 x (0.004395 + 0.01486) / 0.01486 = 388.73
class TwoAircraftRating : public testing::Test {
 protected:
  ProgramState state = StateWithTraffic({{"B737-800", "1200"}, {"B777-300ER", "300"}});
  void SetUp() override { ASSERT_TRUE(DesignThickness(state).ok); }
  const DesignBasis& Basis() const { return state.designResult.basis; }
};

TEST_F(TwoAircraftRating, TheCriticalAircraftChangesWithTheThickness) {
  const struct {
    double hIn;
    const char* critical;
    double equivalentDepartures;
    double tolerance;
  } cases[] = {{12, "B737-800", 1308.8, 0.1}, {20, "B777-300ER", 388.73, 0.05}};
  for (const auto& c : cases) {
    const PavementRating r = RateSlab(Basis(), c.hIn);
    ASSERT_TRUE(r.outcome.ok) << r.outcome.message;
    EXPECT_EQ(r.criticalName, c.critical) << c.hIn;
    EXPECT_NEAR(r.equivalentDepartures, c.equivalentDepartures, c.tolerance) << c.hIn;
    EXPECT_EQ(r.category, SubgradeCategory::kA);  // 161.44 MPa
  }
}

// A slab thinner than the design carries less than the critical aircraft's weight, a thicker one more;
// at the maximum allowable weight the critical aircraft alone does a damage of 1.
TEST_F(TwoAircraftRating, TheMaximumWeightFollowsTheThickness) {
  const double design = state.designResult.thicknessIn;
  const PavementRating thin = RateSlab(Basis(), design - 1), thick = RateSlab(Basis(), design + 1);
  ASSERT_TRUE(thin.hasPcr && thick.hasPcr) << thin.noPcr << thick.noPcr;
  EXPECT_LT(thin.maxGrossWeightLb, Basis().mix[thin.critical].data.grossWeight * 0.95);
  EXPECT_GT(thick.maxGrossWeightLb, Basis().mix[thick.critical].data.grossWeight * 1.05);
  EXPECT_LT(thin.pcr, thick.pcr);
  for (const PavementRating* r : {&thin, &thick}) {
    AircraftData alone = Basis().mix[r->critical].data;
    alone.departures = r->equivalentDepartures;
    for (const auto& [weight, below] :
         {std::pair(r->maxGrossWeightLb, true), std::pair(r->maxGrossWeightLb + 0.01, false)}) {
      alone.grossWeight = weight;
      const float damage =
          EvaluateAircraft(Basis().inputs, alone, Basis().mix[r->critical].passToCoverage, r->thicknessIn).damage;
      EXPECT_EQ(damage < 1, below) << r->thicknessIn << " " << weight;
    }
  }
}

// At the design thickness D is 1 within the design's tolerance: the maximum allowable weight is the
// critical aircraft's own within a fraction of a percent, the PCR its ACR, and the weight at which each
// aircraft's ACR equals the PCR gives that ACR to 0.1 %.
TEST_F(TwoAircraftRating, AtTheDesignThePcrIsTheCriticalAircraftsOwnAcr) {
  const PavementRating r = RateDesign(state.designResult);
  ASSERT_TRUE(r.hasPcr) << r.noPcr;
  const AircraftData& critical = Basis().mix[r.critical].data;
  EXPECT_NEAR(r.maxGrossWeightLb / critical.grossWeight, 1, 0.005);
  const int category = static_cast<int>(r.category);
  EXPECT_NEAR(r.aircraft[r.critical].acr.acr[category] / r.pcr, 1, 0.005);
  for (const RatedAircraft& a : r.aircraft) {
    ASSERT_TRUE(a.acr.ok && a.weightForPcrLb) << a.name << a.weightError;
    EXPECT_EQ(a.withinPcr, a.acr.acr[category] <= r.pcr) << a.name;
    AircraftData atWeight = Basis().mix[static_cast<std::size_t>(&a - r.aircraft.data())].data;
    atWeight.grossWeight = *a.weightForPcrLb;
    EXPECT_NEAR(AircraftClassificationRating(atWeight, r.category).acr / r.pcr, 1, 0.001) << a.name;
  }
}

TEST(PavementRating, NoMixAndNoDamageHaveNoRating) {
  ProgramState none = StateWithLibrary();
  ASSERT_TRUE(DesignThickness(none).ok);
  EXPECT_EQ(RateDesign(none.designResult).outcome.message, "no mix: there is no aircraft to rate the slab for");

  ProgramState idle = StateWithTraffic({{"B737-800", "0"}});
  ASSERT_TRUE(DesignThickness(idle).ok);
  const PavementRating r = RateSlab(idle.designResult.basis, 15);
  ASSERT_TRUE(r.outcome.ok);
  EXPECT_EQ(r.equivalentDepartures, 0);
  EXPECT_FALSE(r.hasPcr);
  EXPECT_EQ(r.noPcr, kNoPcrTenTimes);
}

}  // namespace
