// Benchmarks of the classification rating: one aircraft on the four subgrades, and the whole library.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <vector>

#include "aircraft/library_reader.h"
#include "engine/prepared_design.h"
#include "rating/aircraft_classification.h"

namespace {

// The published dual-tandem example: 400,000 lb, 47.5 % on the gear, 200 psi, 30 in by 55 in.
void BM_AircraftRatings(benchmark::State& st) {
  const AircraftData dualTandem{400000, 1200, 47.5, 200, 4, 30, 55, 12.8};
  for (auto _ : st) benchmark::DoNotOptimize(AircraftClassificationRatings(dualTandem));
}
BENCHMARK(BM_AircraftRatings)->Unit(benchmark::kMillisecond);

// The widest gear of the library: six wheels, 55 in by 2 × 57 in.
void BM_AircraftRatingsSixWheels(benchmark::State& st) {
  const AircraftData b777{777000, 300, 46.23, 221, 6, 55, 57, 13.7};
  for (auto _ : st) benchmark::DoNotOptimize(AircraftClassificationRatings(b777));
}
BENCHMARK(BM_AircraftRatingsSixWheels)->Unit(benchmark::kMillisecond);

// Every row of the shipped library, side by side on the processor's cores: measured in real time.
void BM_LibraryRatings(benchmark::State& st) {
  ProgramState state;
  ReadLibrary(state, (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "fly.dll").string());
  std::vector<AircraftData> library;
  for (int row = 1; row <= state.account; ++row) library.push_back(ReadAircraft(state.acdata[row]));
  for (auto _ : st) benchmark::DoNotOptimize(AircraftClassificationRatingsOf(library));
}
BENCHMARK(BM_LibraryRatings)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
