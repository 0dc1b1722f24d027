#!/usr/bin/env bash
# Runs one Windows program under Wine, bounded in time. CTest uses it as the cross-compiling
# emulator; inside scripts/wine-ctest.sh the session already exists, otherwise it makes one.
here=$(dirname "$(readlink -f "$0")")
limit=${MEWLARK_WINE_TIMEOUT:-600}
if [ -z "${MEWLARK_WINE_READY:-}" ]; then
  . "$here/wine-env.sh"
  mewlark_wine_start "${MEWLARK_WINE_PREFIX:-$here/../build/wineprefix}" || exit 1
  trap mewlark_wine_stop EXIT
  timeout -k 5 "$limit" wine "$@"
  exit $?
fi
exec timeout -k 5 "$limit" wine "$@"
