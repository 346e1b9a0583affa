// The thickness search on the program state: what it leaves in the state and its record. The worked
// thicknesses and each refusal: the batch cases thickness_search_json and designs_refused.
#include "engine/design_thickness.h"

#include <gtest/gtest.h>

#include "support/test_state.h"
#include "units/conversion.h"
#include "units/number_text.h"

namespace {

// A metric design records the English inputs and mix it computed with and numbers the designs; rows left
// out of the mix keep their old results, the library is rewritten as number text in the unit in force
// (through a division and a multiplication, up to rounding residue), and a refused design changes nothing.
TEST(DesignThickness, RecordsTheEnglishBasisNumbersTheDesignsAndRewritesOnlyTheMix) {
  ProgramState state = StateWithLibrary();
  const int b737 = RowNamed(state, "B737-800"), b777 = RowNamed(state, "B777-300ER");
  SetMix(state, {b737, b777});
  state.designResult.sigmaWe[5] = 123;
  ConvertLibraryFields(state.acdata, Conversion::kToMetric);
  state.acdata[b737][kFieldDualSpacing] = "86.36cm";
  state.EngFlag = 0, state.SIFlag = 1, state.TxtE = "27560000", state.TxtSc = "4478.5", state.Txtk = "54.2";
  const LibraryRow before = state.acdata[b777];
  ASSERT_TRUE(DesignThickness(state).ok);
  for (int f : {kFieldGrossWeight, kFieldTirePressure, kFieldDualSpacing, kFieldContactWidth})
    EXPECT_NEAR(LeadingNumber(state.acdata[b777][f]), LeadingNumber(before[f]), 1e-9 * LeadingNumber(before[f]));
  EXPECT_EQ(state.acdata[b737][kFieldDualSpacing], "86.36");
  EXPECT_EQ(state.acdata[b737][kFieldDepartures], "1200");  // fields without a unit are not touched
  const DesignResult& record = state.designResult;
  EXPECT_EQ(record.sigmaWe[5], 123.0f);
  EXPECT_GT(record.sigmaWe[b737], 0.0f);
  EXPECT_EQ(record.number, 1);
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
