#!/usr/bin/env bash
# Installs what is missing, builds RIPADES and runs every test, then the whole suite again under the
# sanitizers and a short fixed-seed run of every fuzz target. Exits non-zero on any failure or finding.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"
scripts/sanitize.sh
scripts/fuzz.sh 60
