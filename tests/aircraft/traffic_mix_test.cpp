// Adding to the traffic mix from the counter's first value; the window adds, removes and edits in its sessions.
#include "aircraft/traffic_mix.h"

#include <gtest/gtest.h>

#include "support/scripted_services.h"
#include "support/test_state.h"

namespace {

TEST(AddToMix, TakesEachLibraryRowOnceStartingAtPositionOneBeforeTheFirstActivation) {
  ProgramState state = StateWithLibrary();
  state.mixnext = 0;
  for (auto [row, added] : {std::pair{4, true}, {4, false}, {0, false}, {66, false}, {65, true}})
    EXPECT_EQ(AddToMix(state, row), added) << row;
  EXPECT_EQ(state.mixlist[1], 4);
  EXPECT_EQ(state.mixlist[2], 65);
  EXPECT_EQ(state.mixnext, 3);
}

// Emptied positions name no row, so every row, the library's first included, can be added again.
TEST(RemoveFromMix, EmptiedPositionsLeaveEveryRowFreeToAddAgain) {
  ProgramState state = StateWithLibrary();
  ScriptedMessageBox box;
  int selrow = 3;  // the grid row of mix position 2
  for (int row : {1, 2}) AddToMix(state, row);
  ASSERT_TRUE(RemoveFromMix(state, selrow, box));
  EXPECT_TRUE(AddToMix(state, 2));
  RemoveAllFromMix(state, selrow);
  EXPECT_TRUE(AddToMix(state, 1));
  EXPECT_EQ(std::vector<int>(state.mixlist.begin() + 1, state.mixlist.begin() + 4), (std::vector<int>{1, 0, 0}));
}

}  // namespace
