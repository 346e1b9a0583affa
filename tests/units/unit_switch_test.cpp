// The unit switch: inputs, thickness caption, library fields, labels, flags and grid unit words.
#include "units/unit_switch.h"

#include <gtest/gtest.h>

#include "support/test_state.h"

namespace {

class UnitSwitchTest : public testing::Test {
 protected:
  ProgramState state = StateWithLibrary();
  int b737 = RowNamed(state, "B737-800");
};

TEST_F(UnitSwitchTest, InitialInputsGoToMetricAndComeBack) {
  struct Shown {
    void (*convert)(ProgramState&);
    const char *e, *sc, *k, *labels, *weightWord, *lengthWord;
    int16_t engFlag;
  };
  for (const Shown& s : {Shown{ConvertToMetric, "27560000", "4478.5", "54.2", "kPa kPa kPa/mm cm", "kN", "cm", 0},
                         Shown{ConvertToEnglish, "4000000", "650", "200", "psi psi pci in", "lb", "in.", 1}}) {
    s.convert(state);
    EXPECT_EQ(state.TxtE, s.e);
    EXPECT_EQ(state.TxtSc, s.sc);
    EXPECT_EQ(state.Txtk, s.k);
    EXPECT_EQ(state.LbunitE + " " + state.LbunitSc + " " + state.Lbunitk + " " + state.Lbunith, s.labels);
    EXPECT_EQ(state.unitword[kFieldGrossWeight], s.weightWord);
    EXPECT_EQ(state.unitword[kFieldContactWidth], s.lengthWord);
    EXPECT_EQ(state.EngFlag, s.engFlag);
    EXPECT_EQ(state.SIFlag, 1 - s.engFlag);
  }
}

TEST_F(UnitSwitchTest, LibraryFieldsConvertWithTheirFactorsAndOthersStay) {
  LibraryRow& row = state.acdata[b737];
  row[kFieldGrossWeight] = "75000";
  row[kFieldTirePressure] = "200";
  row[kFieldDualSpacing] = "12x";
  row[kFieldTandemSpacing] = "abc";
  SetMix(state, {b737});
  const LibraryRow before = row;
  ConvertToMetric(state);
  EXPECT_EQ(row[kFieldGrossWeight], "333.75");
  EXPECT_EQ(row[kFieldTirePressure], "1378");
  EXPECT_EQ(row[kFieldDualSpacing], "30.48");
  EXPECT_EQ(row[kFieldTandemSpacing], "0");
  EXPECT_EQ(row[kFieldContactWidth], "29.718");  // 11.7 in
  for (int f : {kFieldName, kFieldDepartures, kFieldGearLoadPct, kFieldWheelCount}) EXPECT_EQ(row[f], before[f]);
  EXPECT_EQ(state.mixlist[1], b737);
  EXPECT_EQ(state.mixnext, 2);
  ConvertToEnglish(state);
  EXPECT_EQ(row[kFieldGrossWeight], "75000");
  EXPECT_EQ(row[kFieldTirePressure], "200");
}

// The caption converts from its displayed text, so a switch there and back may move it by 0.1.
TEST_F(UnitSwitchTest, ThicknessConvertsFromItsDisplayedCaptionAndTextsThatAreNoNumberStay) {
  struct Case {
    void (*there)(ProgramState&);
    void (*back)(ProgramState&);
    const char *caption, *switched, *returned;
  };
  ConvertToMetric(state);
  for (const Case& c : {Case{ConvertToEnglish, ConvertToMetric, "31.1", "12.2", "31.0"},
                        Case{ConvertToMetric, ConvertToEnglish, "12.3", "31.2", "12.3"},
                        Case{ConvertToEnglish, ConvertToMetric, "", "", ""},
                        Case{ConvertToMetric, ConvertToEnglish, "12.3 in", "12.3 in", "12.3 in"}}) {
    state.lbh = c.caption;
    c.there(state);
    EXPECT_EQ(state.lbh, c.switched) << c.caption;
    c.back(state);
    EXPECT_EQ(state.lbh, c.returned) << c.caption;
    c.there(state);
  }
  state.TxtE = "abc";
  state.TxtSc = "";
  ConvertToMetric(state);
  EXPECT_EQ(state.TxtE, "abc");
  EXPECT_EQ(state.TxtSc, "");
  EXPECT_EQ(state.Txtk, "54.2");
}

TEST_F(UnitSwitchTest, ASwitchToTheSystemInForceConvertsNothing) {
  for (void (*convert)(ProgramState&) : {ConvertToEnglish, ConvertToMetric}) {
    convert(state);
    const ProgramState before = state;
    convert(state);
    EXPECT_EQ(state.TxtE + state.TxtSc + state.Txtk, before.TxtE + before.TxtSc + before.Txtk);
    EXPECT_EQ(state.acdata, before.acdata);
  }
}

}  // namespace
