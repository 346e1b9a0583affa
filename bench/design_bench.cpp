// Benchmarks of the design: a full 65-aircraft mix, its sensitivity, and one aircraft at one thickness.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "aircraft/library_reader.h"
#include "analysis/sensitivity.h"
#include "engine/design_thickness.h"

namespace {

// The shipped library, repeated until it fills all 65 rows, with every row in the mix.
ProgramState FullMixState(const std::string& libraryPath) {
  ProgramState state;
  ReadLibrary(state, libraryPath);
  const int shipped = state.account;
  for (int r = shipped + 1; r <= kMaxAircraft; ++r) state.acdata[r] = state.acdata[r - shipped];
  state.account = kMaxAircraft;
  for (int p = 1; p <= kMaxAircraft; ++p) state.mixlist[p] = static_cast<int16_t>(p);
  state.mixnext = kMaxAircraft + 1;
  return state;
}

// fly.dll is copied beside every executable of the build.
std::string LibraryPath() {
  return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "fly.dll").string();
}

void BM_DesignThickness65(benchmark::State& st) {
  const ProgramState prototype = FullMixState(LibraryPath());
  for (auto _ : st) {
    ProgramState state = prototype;
    benchmark::DoNotOptimize(DesignThickness(state));
  }
}
BENCHMARK(BM_DesignThickness65)->Unit(benchmark::kMicrosecond);

// The unscaled design and the 14 designs with E, Sc, k or the departures scaled, side by side on the
// processor's cores: measured in real time.
void BM_Sensitivity65(benchmark::State& st) {
  const ProgramState state = FullMixState(LibraryPath());
  for (auto _ : st) benchmark::DoNotOptimize(DesignSensitivity(state));
}
BENCHMARK(BM_Sensitivity65)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_EvaluateAircraft(benchmark::State& st) {
  const DesignInputs in{4000000, 650, 200, 0.15};
  const AircraftData b777{775000, 300, 47.5, 221, 6, 55, 57, 15.5};
  for (auto _ : st) benchmark::DoNotOptimize(EvaluateAircraft(in, b777, 16.0));
}
BENCHMARK(BM_EvaluateAircraft)->Unit(benchmark::kMicrosecond);

}  // namespace
