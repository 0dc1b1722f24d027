#!/usr/bin/env bash
# Builds Mewlark.exe and starts it under Wine: on $DISPLAY when there is one, otherwise on a
# private Xvfb for a few seconds, leaving a screenshot whose path it prints.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Mewlark

if [ -n "${DISPLAY:-}" ]; then
  . scripts/wine-env.sh
  mewlark_wine_start build/windows/wineprefix user-display
  trap mewlark_wine_stop EXIT
  wine build/windows/Mewlark.exe "$@"
else
  out=$(readlink -f build)/mewlark-screenshot.png
  scripts/wine-screenshot.sh build/windows "$out" "${MEWLARK_RUN_SECONDS:-5}" "$@"
fi
