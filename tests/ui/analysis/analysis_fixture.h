// A designed mix for the analysis tests: the state after "Design Thickness" and what the design used.
#pragma once

#include <gtest/gtest.h>

#include "analysis/mix_analysis.h"
#include "support/test_state.h"

class DesignedMixTest : public testing::Test {
 protected:
  ProgramState state = StateWithLibrary();

  void SetUp() override { Design({"B737-800", "B777-300ER", "A320-200", "Bombardier CRJ900"}); }

  void Design(std::initializer_list<const char*> names) {
    state.mixlist.fill(0);
    state.mixnext = 1;
    for (const char* name : names) {
      const int row = RowNamed(state, name);
      ASSERT_NE(row, 0) << name;
      state.mixlist[state.mixnext++] = static_cast<int16_t>(row);
    }
    ASSERT_TRUE(DesignThickness(state).ok);
  }
  double DesignIn() const { return state.designResult.thicknessIn; }
};
