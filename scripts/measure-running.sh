#!/usr/bin/env bash
# Starts Mewlark.exe under Wine and reports what it costs while it runs: CPU use over a span
# and its memory. Usage: scripts/measure-running.sh BUILD_DIR [SECONDS] [program args...]
set -u
here=$(dirname "$(readlink -f "$0")")
build=$(readlink -f "${1:?usage: measure-running.sh BUILD_DIR [SECONDS]}")
span=${2:-10}
shift 2 2>/dev/null || shift $#
. "$here/wine-env.sh"
mewlark_wine_start "$build/wineprefix" || exit 1
trap mewlark_wine_stop EXIT

timeout -k 5 $((span + 60)) wine "$build/Mewlark.exe" "$@" >/dev/null 2>&1 &
launcher=$!
pid=""
for _ in $(seq 1 100); do
  pid=$(pgrep -f 'Mewlark.exe' | grep -v "^$launcher$" | head -1)
  [ -n "$pid" ] && xwininfo -root -tree 2>/dev/null | grep -q '"Mewlark"' && break
  sleep 0.1
done
[ -n "$pid" ] || { echo "the program did not start" >&2; exit 1; }
sleep 2  # past start-up

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
t0=$(ticks "$pid"); s0=$(date +%s.%N)
sleep "$span"
t1=$(ticks "$pid"); s1=$(date +%s.%N)
cpu=$(echo "$t0 $t1 $s0 $s1 $hz" | awk '{printf "%.1f", 100 * ($2 - $1) / $5 / ($4 - $3)}')
rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
private=$(awk '/^(Private_Clean|Private_Dirty):/ {sum += $2} END {print sum}' "/proc/$pid/smaps_rollup" 2>/dev/null)
echo "cpu over ${span}s: ${cpu}% of one core"
echo "resident memory: ${rss} KiB (private ${private:-?} KiB, Wine's own libraries included)"
kill "$launcher" 2>/dev/null
wait "$launcher" 2>/dev/null
