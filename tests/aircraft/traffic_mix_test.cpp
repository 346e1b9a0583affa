// Adding to the traffic mix from the counter's first value; the window adds, removes and edits in its sessions.
#include "aircraft/traffic_mix.h"

#include <gtest/gtest.h>

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

}  // namespace
