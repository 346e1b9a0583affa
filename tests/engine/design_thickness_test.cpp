// The thickness search on the program state, English and metric, and its refusals.
#include "engine/design_thickness.h"

#include <gtest/gtest.h>

#include "support/test_state.h"
#include "units/conversion.h"
#include "units/number_text.h"

namespace {

class DesignThicknessTest : public testing::Test {
 protected:
  ProgramState state = StateWithLibrary();
  int b737 = RowNamed(state, "B737-800");
  int b777 = RowNamed(state, "B777-300ER");

  void ToMetric() {
    ConvertLibraryFields(state.acdata, Conversion::kToMetric);
    state.EngFlag = 0;
    state.SIFlag = 1;
    state.TxtE = "27560000";
    state.TxtSc = "4478.5";
    state.Txtk = "54.2";
  }
};

struct SearchCase {
  const char* name;
  std::vector<const char*> mix;
  const char* departures;  // of the first aircraft, or nullptr for the library's
  bool metric;
  double thicknessIn, tolerance;
  const char* caption;
};

class ThicknessSearch : public DesignThicknessTest, public testing::WithParamInterface<SearchCase> {};

TEST_P(ThicknessSearch, EndsOnTheWorkedThicknessAndCaption) {
  const SearchCase& c = GetParam();
  state.mixlist.fill(0);
  state.mixnext = 1;
  for (const char* name : c.mix) state.mixlist[state.mixnext++] = static_cast<int16_t>(RowNamed(state, name));
  if (c.departures) state.acdata[state.mixlist[1]][kFieldDepartures] = c.departures;
  if (c.metric) ToMetric();
  const LibraryTable before = state.acdata;
  ASSERT_TRUE(DesignThickness(state).ok);
  EXPECT_NEAR(state.designResult.thicknessIn, c.thicknessIn, c.tolerance);
  EXPECT_EQ(state.lbh, c.caption);
  // The library stays in the unit in force: through a division and a multiplication, up to rounding residue.
  for (int p = 1; p < state.mixnext; ++p) {
    const int row = state.mixlist[p];
    EXPECT_EQ(state.acdata[row][kFieldName], before[row][kFieldName]);
    for (int f : {kFieldGrossWeight, kFieldTirePressure, kFieldDualSpacing, kFieldContactWidth})
      EXPECT_NEAR(LeadingNumber(state.acdata[row][f]), LeadingNumber(before[row][f]),
                  1e-9 * LeadingNumber(before[row][f]));
  }
}

// An empty mix halves the first trial of 30 in at each of 19 passes; a mix too heavy for 30 in ends just
// below it; the two-aircraft design as ripades-batch --json gives it.
INSTANTIATE_TEST_SUITE_P(
    Mixes, ThicknessSearch,
    testing::Values(
        SearchCase{"EmptyMix", {}, nullptr, false, 30.0 / (1 << 19), 0, "0.0"},
        SearchCase{"TooHeavy", {"B777-300ER"}, "1000000000000", false, 29.99994, 0.000005, "30.0"},
        SearchCase{"TwoAircraft", {"B737-800", "B777-300ER"}, nullptr, false, 16.0125732421875, 0, "16.0"},
        SearchCase{"TwoAircraftMetric", {"B737-800", "B777-300ER"}, nullptr, true, 16.0125732421875, 1e-12, "40.7"}),
    [](const testing::TestParamInfo<SearchCase>& info) { return info.param.name; });

TEST_F(DesignThicknessTest, RowsLeftOutOfTheMixKeepTheirOldResults) {
  state.designResult.sigmaWe[5] = 123;
  state.designResult.damageRatioPct[5] = 45;
  SetMix(state, {b737});
  ASSERT_TRUE(DesignThickness(state).ok);
  EXPECT_EQ(state.designResult.sigmaWe[5], 123.0f);
  EXPECT_EQ(state.designResult.damageRatioPct[5], 45.0f);
  EXPECT_GT(state.designResult.sigmaWe[b737], 0.0f);
}

TEST_F(DesignThicknessTest, EnglishDesignRewritesFieldsAsTheirOwnNumberText) {
  state.acdata[b737][kFieldContactWidth] = "11.70";
  state.acdata[b737][kFieldDualSpacing] = "34in";
  SetMix(state, {b737});
  ASSERT_TRUE(DesignThickness(state).ok);
  EXPECT_EQ(state.acdata[b737][kFieldContactWidth], "11.7");
  EXPECT_EQ(state.acdata[b737][kFieldDualSpacing], "34");
  EXPECT_EQ(state.acdata[b737][kFieldDepartures], "1200");  // fields without a unit are not touched
}

struct DegenerateCase {
  const char* name;
  int field;  // 0, -1, -2: the material input E, Sc, k
  std::string text;
  const char* messagePart;
  bool metric = false;
};

class DegenerateInputs : public DesignThicknessTest, public testing::WithParamInterface<DegenerateCase> {};

TEST_P(DegenerateInputs, AreRefusedWithAReasonAndChangeNothing) {
  const DegenerateCase& c = GetParam();
  SetMix(state, {b737, b777});
  if (c.metric) ToMetric();
  state.lbh = "12.3";
  std::string* input[] = {&state.Txtk, &state.TxtSc, &state.TxtE};
  *(c.field <= 0 ? input[c.field + 2] : &state.acdata[b777][c.field]) = c.text;
  const ProgramState before = state;
  const Outcome outcome = DesignThickness(state);
  EXPECT_FALSE(outcome.ok);
  EXPECT_NE(outcome.message.find(c.messagePart), std::string::npos) << outcome.message;
  EXPECT_EQ(outcome.message.rfind("Cannot design: ", 0), 0u) << outcome.message;
  EXPECT_EQ(state.lbh, "12.3");
  EXPECT_EQ(state.acdata, before.acdata);
  EXPECT_EQ(state.designResult.sigmaWe, before.designResult.sigmaWe);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DegenerateInputs,
    testing::Values(DegenerateCase{"ZeroE", 0, "0", "elastic modulus E"},
                    DegenerateCase{"ZeroSc", -1, "0", "flexural strength Sc"},
                    DegenerateCase{"ZeroK", -2, "0", "subgrade modulus k"},
                    DegenerateCase{"ZeroWeight", kFieldGrossWeight, "0", "gross weight of \"B777-300ER\" is \"0\""},
                    DegenerateCase{"NoPressure", kFieldTirePressure, "abc", "tire pressure of \"B777-300ER\""},
                    DegenerateCase{"NoWheels", kFieldWheelCount, "0", "wheel count"},
                    DegenerateCase{"NegativeWidth", kFieldContactWidth, "-1", "tire contact width"},
                    DegenerateCase{"NegativeDepartures", kFieldDepartures, "-5", "annual departures"},
                    DegenerateCase{"WideDuals", kFieldDualSpacing, "120", "must not exceed 100 in"},
                    DegenerateCase{"WideDualsMetric", kFieldDualSpacing, "300", "\"300\"; it must not exceed 254 cm",
                                   true},
                    DegenerateCase{"OverflowingWeight", kFieldGrossWeight, "1e400", "gross weight"},
                    DegenerateCase{"HugeWeight", kFieldGrossWeight, "1e306", "cannot be computed"}),
    [](const testing::TestParamInfo<DegenerateCase>& info) { return info.param.name; });

// The record of the last design holds what it computed with in English units, even when the data are
// metric again after it, and numbers the designs; a refused design leaves it as it was.
TEST_F(DesignThicknessTest, TheRecordKeepsTheEnglishInputsAndMixAndCountsTheDesigns) {
  SetMix(state, {b737, b777});
  ToMetric();
  ASSERT_TRUE(DesignThickness(state).ok);
  const DesignResult& record = state.designResult;
  EXPECT_EQ(record.number, 1);
  EXPECT_TRUE(record.date.empty());
  EXPECT_NEAR(record.basis.inputs.e, 4000000, 2);
  EXPECT_NEAR(record.basis.inputs.k, 200, 0.1);
  ASSERT_EQ(record.basis.mix.size(), 2u);
  EXPECT_EQ(record.basis.mix[0].name, "B737-800");
  EXPECT_EQ(record.basis.mix[1].row, b777);
  EXPECT_NEAR(record.basis.mix[1].data.grossWeight, 777000, 1);
  EXPECT_NEAR(record.basis.mix[1].data.tandemSpacing, 57, 0.01);

  state.designResult.date = "2026-12-06";
  ASSERT_TRUE(DesignThickness(state).ok);
  EXPECT_EQ(record.number, 2);
  EXPECT_TRUE(record.date.empty());  // a new design is not dated until its command dates it
  state.TxtE.clear();
  EXPECT_FALSE(DesignThickness(state).ok);
  EXPECT_EQ(record.number, 2);
}

}  // namespace
