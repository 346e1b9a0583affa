#!/usr/bin/env bash
# Regenerates the README's pictures in docs/images from the real window on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/ripades-screenshots docs/images
# The first page of an example's design document, as ripades-batch --pdf writes it.
document=$(mktemp -d)
trap 'rm -rf "$document"' EXIT
build/bin/ripades-batch --pdf "$document/english_mixed_fleet.pdf" examples/english_mixed_fleet.inp >/dev/null
pdftoppm -png -r 90 -f 1 -l 1 -singlefile "$document/english_mixed_fleet.pdf" docs/images/design_document
