#!/usr/bin/env bash
# Builds RIPADES and every test with clang's AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs the whole test suite there. Any finding stops the test it happens in and fails.
# With scripts/build.sh (g++) before it, every test runs built by both compilers. Extra arguments go to
# cmake (e.g. -DCMAKE_CXX_COMPILER_LAUNCHER=ccache).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${RIPADES_ASAN_BUILD:-build-asan}
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_COMPILER=clang++ -DRIPADES_BENCH=OFF "$@" \
  -DCMAKE_CXX_FLAGS="-O1 -gline-tables-only $sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize" >/dev/null
cmake --build "$build" -j "${RIPADES_JOBS:-$(nproc)}"

# Leak detection stays on for every test, the window tests included: they leak nothing today.
export ASAN_OPTIONS=detect_stack_use_after_return=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "${RIPADES_JOBS:-$(nproc)}"
