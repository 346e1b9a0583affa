// Program states for tests: the shipped library loaded, a mix of chosen library rows.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "aircraft/library_reader.h"
#include "state/program_state.h"

inline ProgramState StateWithLibrary() {
  ProgramState state;
  EXPECT_TRUE(ReadLibrary(state, RIPADES_LIBRARY_PATH).ok);
  state.mixnext = 1;
  return state;
}

inline void SetMix(ProgramState& state, std::initializer_list<int> rows) {
  state.mixlist.fill(0);
  int p = 0;
  for (int row : rows) state.mixlist[++p] = static_cast<int16_t>(row);
  state.mixnext = static_cast<int16_t>(p + 1);
}

// The library row of the aircraft with this name, or 0.
inline int RowNamed(const ProgramState& state, const std::string& name) {
  for (int r = 1; r <= state.account; ++r)
    if (state.acdata[r][kFieldName] == name) return r;
  return 0;
}
