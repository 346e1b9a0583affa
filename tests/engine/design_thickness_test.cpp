// The thickness search on the program state: what it leaves in the state and its record. The worked
// thicknesses, each refusal and the English basis of a metric design (evaluated again by --evaluate and
// --curve): the batch cases thickness_search_json, designs_refused, evaluate_* and curve_*.
#include "engine/design_thickness.h"

#include <gtest/gtest.h>

#include "support/test_state.h"
#include "units/conversion.h"
#include "units/number_text.h"

namespace {

// A metric design numbers the designs; rows left out of the mix keep their old results, the library is
// rewritten as number text in the unit in force (through a division and a multiplication, up to rounding
// residue), and a refused design changes nothing.
TEST(DesignThickness, NumbersTheDesignsAndRewritesOnlyTheMix) {
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
  EXPECT_EQ(state.designResult.sigmaWe[5], 123.0f);
  EXPECT_EQ(state.designResult.number, 1);
  state.designResult.date = "2026-12-06";
  ASSERT_TRUE(DesignThickness(state).ok);
  EXPECT_EQ(state.designResult.number, 2);
  EXPECT_TRUE(state.designResult.date.empty());  // a new design is not dated until its command dates it
  state.TxtE.clear();
  EXPECT_FALSE(DesignThickness(state).ok);
  EXPECT_EQ(state.designResult.number, 2);
}

}  // namespace
