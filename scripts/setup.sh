#!/usr/bin/env bash
# Installs what RIPADES needs to build, test and run (Debian; run as root). Skips apt when all is there.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev libgl-dev
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth poppler-utils dpkg-dev file
  clang clang-format libclang-rt-14-dev
  libeigen3-dev libboost-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
