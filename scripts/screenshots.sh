#!/usr/bin/env bash
# Regenerates the README's pictures in docs/images from the real window on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/ripades-screenshots docs/images
