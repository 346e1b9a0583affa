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

TEST_F(DesignThicknessTest, EmptyMixHalvesTheThicknessAtEveryPass) {
  ASSERT_TRUE(DesignThickness(state).ok);
  EXPECT_EQ(state.designResult.thicknessIn, 30.0 / (1 << 19));
  EXPECT_EQ(state.lbh, "0.0");
}

TEST_F(DesignThicknessTest, AMixTooHeavyForThirtyInchesEndsJustBelowIt) {
  state.acdata[b777][kFieldDepartures] = "1000000000000";
  SetMix(state, {b777});
  ASSERT_TRUE(DesignThickness(state).ok);
  EXPECT_NEAR(state.designResult.thicknessIn, 29.99994, 0.000005);
  EXPECT_EQ(state.lbh, "30.0");

  ToMetric();
  ASSERT_TRUE(DesignThickness(state).ok);
  EXPECT_EQ(state.lbh, "76.2");
}

TEST_F(DesignThicknessTest, RealMixEndsOnTheCaptionOfItsWorkedDesign) {
  SetMix(state, {b737, b777});
  ASSERT_TRUE(DesignThickness(state).ok);
  EXPECT_EQ(state.designResult.thicknessIn, 16.0125732421875);  // ripades-batch --json on this mix
  EXPECT_EQ(state.lbh, "16.0");
  EXPECT_EQ(state.Lbunith, "in");
}

TEST_F(DesignThicknessTest, RowsLeftOutOfTheMixKeepTheirOldResults) {
  state.designResult.sigmaWe[5] = 123;
  state.designResult.damageRatioPct[5] = 45;
  SetMix(state, {b737});
  ASSERT_TRUE(DesignThickness(state).ok);
  EXPECT_EQ(state.designResult.sigmaWe[5], 123.0f);
  EXPECT_EQ(state.designResult.damageRatioPct[5], 45.0f);
  EXPECT_GT(state.designResult.sigmaWe[b737], 0.0f);
}

TEST_F(DesignThicknessTest, MetricDesignShowsCentimetresAndLeavesTheLibraryInMetricNumberText) {
  SetMix(state, {b737, b777});
  ASSERT_TRUE(DesignThickness(state).ok);
  const std::string englishCaption = state.lbh;

  ToMetric();
  const LibraryTable metricBefore = state.acdata;
  ASSERT_TRUE(DesignThickness(state).ok);
  EXPECT_EQ(state.lbh, "40.7");  // 16.0126 in x 2.54
  EXPECT_EQ(englishCaption, "16.0");
  // Through a division and a multiplication the fields stay metric, up to rounding residue.
  for (int row : {b737, b777})
    for (int f : {kFieldGrossWeight, kFieldTirePressure, kFieldDualSpacing, kFieldContactWidth}) {
      const std::string& text = state.acdata[row][f];
      EXPECT_EQ(text, NumberText(LeadingNumber(text)));
      EXPECT_NEAR(LeadingNumber(text), LeadingNumber(metricBefore[row][f]), 1e-9 * LeadingNumber(text));
    }
  EXPECT_EQ(state.acdata[b737][kFieldName], "B737-800");
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
  const char* what;
  int field;  // 0: a material input
  std::string text;
  const char* messagePart;
};

class DegenerateInputs : public DesignThicknessTest, public testing::WithParamInterface<DegenerateCase> {};

TEST_P(DegenerateInputs, AreRefusedWithAReasonAndChangeNothing) {
  const DegenerateCase& c = GetParam();
  SetMix(state, {b737, b777});
  state.lbh = "12.3";
  if (c.field == 0) {
    state.TxtE = c.text;
  } else {
    state.acdata[b777][c.field] = c.text;
  }
  const ProgramState before = state;
  const Outcome outcome = DesignThickness(state);
  EXPECT_FALSE(outcome.ok) << c.what;
  EXPECT_NE(outcome.message.find(c.messagePart), std::string::npos) << outcome.message;
  EXPECT_EQ(state.lbh, "12.3");
  EXPECT_EQ(state.acdata, before.acdata);
  EXPECT_EQ(state.designResult.sigmaWe, before.designResult.sigmaWe);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DegenerateInputs,
    testing::Values(DegenerateCase{"zero E", 0, "0", "elastic modulus E"},
                    DegenerateCase{"zero weight", kFieldGrossWeight, "0", "gross weight of \"B777-300ER\" is \"0\""},
                    DegenerateCase{"no pressure", kFieldTirePressure, "abc", "tire pressure of \"B777-300ER\""},
                    DegenerateCase{"no wheels", kFieldWheelCount, "0", "wheel count"},
                    DegenerateCase{"negative width", kFieldContactWidth, "-1", "tire contact width"},
                    DegenerateCase{"negative departures", kFieldDepartures, "-5", "annual departures"},
                    DegenerateCase{"wide duals", kFieldDualSpacing, "120", "must not exceed 100 in"},
                    DegenerateCase{"overflowing weight", kFieldGrossWeight, "1e400", "gross weight"},
                    DegenerateCase{"huge weight", kFieldGrossWeight, "1e306", "cannot be computed"}),
    [](const testing::TestParamInfo<DegenerateCase>& info) {
      std::string name;
      for (const char* c = info.param.what; *c; ++c)
        if (*c != ' ') name += *c;
      return name;
    });

TEST_F(DesignThicknessTest, ZeroSubgradeModulusAndStrengthAreRefused) {
  state.Txtk = "0";
  EXPECT_NE(DesignThickness(state).message.find("subgrade modulus k"), std::string::npos);
  state.Txtk = "200";
  state.TxtSc = "0";
  EXPECT_NE(DesignThickness(state).message.find("flexural strength Sc"), std::string::npos);
}

TEST_F(DesignThicknessTest, AWideDualSpacingInMetricNamesCentimetres) {
  ToMetric();
  state.acdata[b737][kFieldDualSpacing] = "300";
  SetMix(state, {b737});
  EXPECT_NE(DesignThickness(state).message.find("\"300\"; it must not exceed 254 cm"), std::string::npos);
}

}  // namespace
