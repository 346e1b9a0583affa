// The check every bad-input test makes: the state is within its tables and a save of it reads back the same.
#pragma once

#include <gtest/gtest.h>

#include "golden/test_files.h"
#include "state_invariants.h"

inline void ExpectIntact(const ProgramState& state) { EXPECT_EQ(StateProblem(state), ""); }
