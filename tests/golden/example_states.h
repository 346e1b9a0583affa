// The program states behind the example input files and the golden reports, built from the shipped library.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "support/test_state.h"
#include "units/unit_switch.h"

// A mix of library aircraft, each with its annual departures.
inline ProgramState StateWithTraffic(const std::vector<std::pair<std::string, std::string>>& traffic) {
  ProgramState state = StateWithLibrary();
  int p = 0;
  for (const auto& [name, departures] : traffic) {
    const int row = RowNamed(state, name);
    EXPECT_NE(row, 0) << name;
    state.acdata[row][kFieldDepartures] = departures;
    state.mixlist[++p] = static_cast<int16_t>(row);
  }
  state.mixnext = static_cast<int16_t>(p + 1);
  return state;
}

// An English mix of narrow- and wide-bodies on a concrete of 700 psi over a subgrade of 150 pci.
inline ProgramState EnglishMixedFleet() {
  ProgramState state = StateWithTraffic({{"B737-800", "3000"},
                                         {"A320neo", "2500"},
                                         {"Embraer E190", "1500"},
                                         {"B787-9", "600"},
                                         {"B777-300ER", "400"},
                                         {"A330-300", "300"}});
  state.TxtSc = "700";
  state.Txtk = "150";
  return state;
}

// A regional apron in metric units: turboprops, regional jets and narrow-bodies on a soft subgrade.
inline ProgramState MetricRegional() {
  ProgramState state = StateWithTraffic({{"A321neo", "2000"},
                                         {"B737 MAX 8", "2000"},
                                         {"Embraer E175", "1500"},
                                         {"Dash 8-400", "3000"},
                                         {"ATR 72-600", "3000"}});
  state.Txtk = "100";
  ConvertToMetric(state);
  return state;
}

// One aircraft alone: the design for a heavy wide-body stand.
inline ProgramState SingleAircraft() { return StateWithTraffic({{"B747-8", "600"}}); }

struct ExampleFile {
  const char* path;  // relative to the source tree
  ProgramState (*build)();
};
inline const ExampleFile kExampleFiles[] = {{"examples/english_mixed_fleet.inp", EnglishMixedFleet},
                                            {"examples/metric_regional.inp", MetricRegional},
                                            {"examples/single_aircraft.inp", SingleAircraft}};
