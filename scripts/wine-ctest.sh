#!/usr/bin/env bash
# Runs the Windows build's tests under Wine: one prefix, display and wineserver for the run.
# Usage: scripts/wine-ctest.sh BUILD_DIR [ctest arguments...]
set -u
here=$(dirname "$(readlink -f "$0")")
build=$(readlink -f "${1:?usage: wine-ctest.sh BUILD_DIR [ctest args]}"); shift
. "$here/wine-env.sh"
mewlark_wine_start "$build/wineprefix" || exit 1
trap mewlark_wine_stop EXIT
ctest --test-dir "$build" --output-on-failure "$@"
