// The batch check of the material inputs: errors and warnings that name the input and the file.
#include "batch_design.h"

#include <gtest/gtest.h>

#include "support/test_state.h"
#include "units/unit_switch.h"

namespace {

TEST(BatchInputCheck, RejectsNoNumbersAndWarnsOutsideTheTypicalRange) {
  struct Case {
    bool metric;
    const char *e, *sc, *k;
    std::size_t errors, warnings;
  };
  for (const Case& c : {Case{false, "4000000", "650", "200", 0, 0}, Case{false, "abc", "-5", "", 3, 0},
                        Case{false, "0", "1000", "700.1", 0, 2}, Case{false, " 8000000 ", "500", "50", 0, 0},
                        Case{true, "27560000", "4478.5", "13.55", 0, 0}, Case{true, "60000000", "3445", "13.5", 0, 2},
                        Case{true, "1e3x", "4478.5", "54.2", 1, 0}}) {
    ProgramState state;
    if (c.metric) ConvertToMetric(state);
    state.TxtE = c.e;
    state.TxtSc = c.sc;
    state.Txtk = c.k;
    const InputCheck check = CheckMaterialInputs(state, "a.inp");
    EXPECT_EQ(check.errors.size(), c.errors) << c.e << " " << c.sc << " " << c.k;
    EXPECT_EQ(check.warnings.size(), c.warnings) << c.e << " " << c.sc << " " << c.k;
  }
  ProgramState state;
  state.TxtSc = "abc";
  state.Txtk = "900";
  const InputCheck check = CheckMaterialInputs(state, "dir/a.inp");
  ASSERT_EQ(check.errors.size(), 1u);
  EXPECT_EQ(check.errors[0], "dir/a.inp: Sc \"abc\" is an invalid number; it must be a number of 0 or more.");
  ASSERT_EQ(check.warnings.size(), 1u);
  EXPECT_EQ(check.warnings[0],
            "dir/a.inp: k = 900 pci is not within the typical data range (50 to 700 pci); used as typed.");
}

}  // namespace
