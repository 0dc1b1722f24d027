#!/usr/bin/env bash
# Starts a Windows program under Wine, waits for its window, screenshots the screen and stops it.
# Usage: scripts/wine-screenshot.sh BUILD_DIR OUT.png [SECONDS] [program args...]
# Uses the session of the caller when there is one (MEWLARK_WINE_READY), else makes its own.
set -u
here=$(dirname "$(readlink -f "$0")")
build=$(readlink -f "${1:?usage: wine-screenshot.sh BUILD_DIR OUT.png [SECONDS] [args]}")
out=${2:?output png}
settle=${3:-3}
shift 3 2>/dev/null || shift $#
exe=${MEWLARK_EXE:-$build/Mewlark.exe}
if [ -z "${MEWLARK_WINE_READY:-}" ]; then
  . "$here/wine-env.sh"
  mewlark_wine_start "$build/wineprefix" || exit 1
  trap mewlark_wine_stop EXIT
fi
timeout -k 5 120 wine "$exe" "$@" >/dev/null 2>&1 &
pid=$!
found=0
for _ in $(seq 1 150); do
  if xwininfo -root -tree 2>/dev/null | grep -q '"Mewlark"'; then found=1; break; fi
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
[ $found = 1 ] && sleep "$settle"
import -window root "$out" 2>/dev/null
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
if [ $found != 1 ]; then echo "the pet window did not appear" >&2; exit 1; fi
echo "$out"
