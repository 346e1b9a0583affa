#!/usr/bin/env bash
# Installs what is missing, builds RIPADES and starts the window program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display is available to show the RIPADES window."
  if [[ -x build/bin/ripades-batch ]]; then
    echo "Here is the batch design of an example instead:"
    build/bin/ripades-batch examples/*.inp
  fi
  exit 0
fi
exec build/bin/ripades
