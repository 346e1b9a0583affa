// The thickness search on the program state: what it leaves in the state and its record.
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

// The record of the last design holds what it computed with in English units, even when the data are
// metric again after it, and numbers the designs; a refused design leaves it as it was. The library stays
// in the unit in force: through a division and a multiplication, up to rounding residue. The worked
// thicknesses and each refusal: the batch cases thickness_search_json and designs_refused.
TEST_F(DesignThicknessTest, TheRecordKeepsTheEnglishInputsAndMixAndCountsTheDesigns) {
  SetMix(state, {b737, b777});
  ToMetric();
  const LibraryRow before = state.acdata[b777];
  ASSERT_TRUE(DesignThickness(state).ok);
  for (int f : {kFieldGrossWeight, kFieldTirePressure, kFieldDualSpacing, kFieldContactWidth})
    EXPECT_NEAR(LeadingNumber(state.acdata[b777][f]), LeadingNumber(before[f]), 1e-9 * LeadingNumber(before[f]));
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
