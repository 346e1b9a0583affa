#!/usr/bin/env bash
# ripades-screenshots run without arguments, as scripts/screenshots.sh runs it: every picture of the README
# lands in docs/images below the working folder.
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
QT_QPA_PLATFORM=offscreen "$1" >/dev/null 2>&1
for picture in title_view aircraft_view design_view report_view analysis_window sensitivity_view rating_view about_box; do
  [[ -s docs/images/$picture.png ]] || { echo "no docs/images/$picture.png"; exit 1; }
done
echo "screenshots test passed"
