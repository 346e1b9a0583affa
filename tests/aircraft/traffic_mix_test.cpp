// Building the traffic mix, changing a value of a mix aircraft, and the text of the grid's cells.
#include "aircraft/traffic_mix.h"

#include <gtest/gtest.h>

#include "aircraft/change_data.h"
#include "support/scripted_services.h"
#include "support/test_state.h"
#include "units/unit_words.h"

namespace {

using A = MsgBoxAnswer;

std::vector<int> Mix(const ProgramState& state) {
  return std::vector<int>(state.mixlist.begin() + 1, state.mixlist.begin() + 4);
}

class TrafficMixTest : public testing::Test {
 protected:
  ProgramState state = StateWithLibrary();
  ScriptedMessageBox box;
};

TEST_F(TrafficMixTest, AddAppendsEachLibraryAircraftOnceAndRemoveClosesTheGap) {
  state.mixnext = 0;  // the counter before the first activation: the first aircraft still goes to position 1
  EXPECT_TRUE(AddToMix(state, 4));
  EXPECT_FALSE(AddToMix(state, 4));
  EXPECT_FALSE(AddToMix(state, 0));
  EXPECT_FALSE(AddToMix(state, 66));
  EXPECT_TRUE(AddToMix(state, 2));
  EXPECT_TRUE(AddToMix(state, 7));
  EXPECT_EQ(Mix(state), (std::vector<int>{4, 2, 7}));
  EXPECT_EQ(state.mixnext, 4);

  int selrow = 3;  // the grid row of position 2
  EXPECT_TRUE(RemoveFromMix(state, selrow, box));
  EXPECT_EQ(Mix(state), (std::vector<int>{4, 7, 0}));
  EXPECT_EQ(state.mixnext, 3);
  EXPECT_EQ(selrow, 0);
  EXPECT_TRUE(box.asked.empty());
}

TEST_F(TrafficMixTest, StoreCellValueWritesNumberTextOnlyInsideTheMix) {
  SetMix(state, {5, 6});
  EXPECT_TRUE(StoreCellValue(state, 2, 5, 2.5));
  EXPECT_EQ(state.acdata[6][kFieldWheelCount], "2.5");
  EXPECT_TRUE(StoreCellValue(state, 1, 4, 1e3));
  EXPECT_EQ(state.acdata[5][kFieldTirePressure], "1000");
  const LibraryTable before = state.acdata;
  // An empty position, no position, the name, beyond the fields.
  for (auto [position, column] : {std::pair{3, 4}, {0, 4}, {1, 0}, {1, 9}})
    EXPECT_FALSE(StoreCellValue(state, position, column, 1)) << position << "," << column;
  EXPECT_EQ(state.acdata, before);
}

TEST(MixCellText, FormatsNumbersOfTheUnitColumnsAndShowsTheRestAsStored) {
  LibraryTable acdata;
  acdata[3] = {"", "Heavy, Dual", "75000.6", "1200.50", "47.5", "1E3", "2.5", "12abc", "0", "11.7"};
  const char* shown[] = {"Heavy, Dual", "75001", "1200.50", "47.5", "1000.00", "2.5", "12abc", "0.00", "11.70"};
  for (int c = 0; c < kGridColumns; ++c) EXPECT_EQ(MixCellText(acdata, 3, c), shown[c]) << c;
  EXPECT_EQ(MixCellText(acdata, 0, 1), "");
  EXPECT_EQ(MixCellText(acdata, 66, 1), "");
}

class ChangeDataTest : public TrafficMixTest {
 protected:
  int b737 = RowNamed(state, "B737-800");
  void SetUp() override {
    SetUnitWords(state);
    SetMix(state, {1, b737});
  }
};

TEST_F(ChangeDataTest, HeadingsNamesAndRowsBelowTheMixCannotBeChanged) {
  for (auto [row, column] : {std::pair{0, 3}, {1, 3}, {2, 0}, {3, 0}, {4, 3}, {2, 9}})
    EXPECT_FALSE(BeginCellEdit(state, row, column)) << row << "," << column;
}

TEST_F(ChangeDataTest, AValueIsStoredAsNumberTextOrRefusedKeepingTheValueBefore) {
  const CellEdit edit = *BeginCellEdit(state, 3, 4);
  const LibraryTable before = state.acdata;
  std::string text = "abc";
  EXPECT_FALSE(AcceptCellEdit(state, edit, text, box));
  EXPECT_EQ(text, before[b737][kFieldTirePressure]);
  EXPECT_EQ(state.acdata, before);
  ASSERT_EQ(box.asked.size(), 1u);
  EXPECT_EQ(box.asked[0].text, "This is an invalid number; please try again!");

  text = "1e3";
  EXPECT_TRUE(AcceptCellEdit(state, edit, text, box));
  EXPECT_EQ(state.acdata[b737][kFieldTirePressure], "1000");

  text = "3e8";
  box.Answer({A::kYes});
  EXPECT_TRUE(AcceptCellEdit(state, edit, text, box));
  EXPECT_EQ(text, "1E+08");
  EXPECT_EQ(state.acdata[b737][kFieldTirePressure], "100000000");
}

}  // namespace
