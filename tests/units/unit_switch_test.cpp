// A switch to the system in force converts nothing (the window disables its item, the state must not
// rely on that); the switch as the window shows it is in the sessions.
#include "units/unit_switch.h"

#include <gtest/gtest.h>

#include "support/test_state.h"

namespace {

TEST(UnitSwitch, ASwitchToTheSystemInForceConvertsNothing) {
  ProgramState state = StateWithLibrary();
  state.lbh = "16.0";
  for (void (*convert)(ProgramState&) : {ConvertToMetric, ConvertToEnglish}) {
    convert(state);
    const ProgramState before = state;
    convert(state);
    EXPECT_EQ(state.TxtE + state.TxtSc + state.Txtk + state.lbh, before.TxtE + before.TxtSc + before.Txtk + before.lbh);
    EXPECT_EQ(state.acdata, before.acdata);
  }
}

}  // namespace
