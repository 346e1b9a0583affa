// Benchmarks of the pavement rating of a designed slab: the 6-aircraft example and a mix of 20 aircraft.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "engine/design_thickness.h"
#include "project/input_file_reader.h"
#include "rating/pavement_rating.h"

namespace {

std::filesystem::path ProgramFolder() { return std::filesystem::read_symlink("/proc/self/exe").parent_path(); }

// The design of the example file english_mixed_fleet.inp (6 aircraft).
DesignResult ExampleDesign() {
  ProgramState state;
  LoadInputFile(state, RIPADES_EXAMPLES_DIR "/english_mixed_fleet.inp", (ProgramFolder() / "fly.dll").string());
  DesignThickness(state);
  return state.designResult;
}

// The design of library rows 11 to 30 (the B737-300 to the A330-300) at their library departures.
DesignResult TwentyAircraftDesign() {
  ProgramState state;
  LoadInputFile(state, RIPADES_EXAMPLES_DIR "/english_mixed_fleet.inp", (ProgramFolder() / "fly.dll").string());
  state.mixlist.fill(0);
  for (int p = 1; p <= 20; ++p) state.mixlist[p] = static_cast<int16_t>(p + 10);
  state.mixnext = 21;
  DesignThickness(state);
  return state.designResult;
}

void BM_RatingExample6(benchmark::State& st) {
  const DesignResult design = ExampleDesign();
  for (auto _ : st) benchmark::DoNotOptimize(RateDesign(design));
}
BENCHMARK(BM_RatingExample6)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Rating20(benchmark::State& st) {
  const DesignResult design = TwentyAircraftDesign();
  for (auto _ : st) benchmark::DoNotOptimize(RateDesign(design));
}
BENCHMARK(BM_Rating20)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
