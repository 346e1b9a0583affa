#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each from its committed corpus for a
# short run with a fixed seed, as many at a time as there are cores. A finding fails the script (no further
# target starts); the input that caused it is kept in build-fuzz/findings/.
# Usage: scripts/fuzz.sh [seconds per target, default 60] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${RIPADES_FUZZ_BUILD:-build-fuzz}
seconds=${1:-60}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(fuzz_library_reader fuzz_input_file_reader fuzz_number_text fuzz_report)

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DRIPADES_FUZZ=ON -DRIPADES_GUI=OFF -DRIPADES_TESTS=OFF -DRIPADES_BENCH=OFF >/dev/null
cmake --build "$build" -j "${RIPADES_JOBS:-$(nproc)}" --target "${targets[@]}"

findings=$build/findings
mkdir -p "$findings"
fuzz() {
  local target=$1 work log=$findings/$1.log
  work=$(mktemp -d)  # this run's new inputs; the committed corpus is only read
  if ! "$build/bin/$target" -seed=1 -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
    -print_final_stats=1 -artifact_prefix="$findings/$target-" "$work" "fuzz/corpus/$target" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a problem; the input is in $findings/ (replay: $build/bin/$target <input>)" >&2
    rm -rf "$work"
    return 1
  fi
  rm -rf "$work"
  echo "$target: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') inputs in ${seconds} s, no finding"
}
jobs=${RIPADES_JOBS:-$(nproc)}
running=0
failed=0
for target in "${targets[@]}"; do
  ((failed)) && break
  fuzz "$target" &
  if ((++running >= jobs)); then
    wait -n || failed=1
    ((running--)) || true
  fi
done
for (( ; running > 0; running--)); do wait -n || failed=1; done
exit "$failed"
