#!/usr/bin/env bash
# Builds the skin-file fuzzers with clang (libFuzzer + ASan + UBSan) into build/fuzz and runs each
# for a bounded time over a scratch copy of its seed corpus, after replaying its saved regressions.
# Usage: scripts/fuzz.sh [TARGET...]     targets: json_fuzz cat_skin_fuzz keyboard_skin_fuzz (default all)
# Environment: FUZZ_SECONDS per target (default 45), CXX_FUZZ compiler (default clang++).
# Exits non-zero when a build fails or any crash, leak, hang or sanitizer report is found; the
# failing input is left in build/fuzz/ (copy it into fuzz/regressions/TARGET/ once fixed).
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."

seconds=${FUZZ_SECONDS:-45}
cxx=${CXX_FUZZ:-clang++}
out=build/fuzz
mkdir -p "$out"

if [ $# -gt 0 ]; then
  targets=("$@")
else
  targets=()
  for f in fuzz/*_fuzz.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi

sources=()
for f in src/base/*.cpp src/skins/*.cpp; do
  case "$f" in *_win32.cpp|*/version_text.cpp) ;; *) sources+=("$f") ;; esac
done

flags=(-std=c++20 -g -O1 -Wall -Wextra -Werror -Isrc -Ifuzz
       -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

for t in "${targets[@]}"; do
  echo "== building $t =="
  "$cxx" "${flags[@]}" "fuzz/$t.cpp" "${sources[@]}" -o "$out/$t"
done

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=0
for t in "${targets[@]}"; do
  if [ -d "fuzz/regressions/$t" ] && [ -n "$(ls -A "fuzz/regressions/$t")" ]; then
    echo "== $t: replaying fuzz/regressions/$t =="
    if ! "$out/$t" -timeout=5 -rss_limit_mb=2048 "fuzz/regressions/$t"/*; then
      echo "!! $t: a saved regression fails again"
      failed=1
      continue
    fi
  fi

  work=$(mktemp -d "${TMPDIR:-/tmp}/mewlark-fuzz-$t.XXXXXX")
  cp -R "fuzz/corpus/$t/." "$work/"
  dict=()
  [ -f "fuzz/dicts/$t.dict" ] && dict=(-dict="fuzz/dicts/$t.dict")
  echo "== $t: fuzzing for $seconds s =="
  status=0
  "$out/$t" "$work" "${dict[@]}" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
    -max_len=65536 -print_final_stats=1 -artifact_prefix="$out/$t-" 2>"$out/$t.log" || status=$?
  grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb|^Done " "$out/$t.log" || true
  rm -rf "$work"
  if [ "$status" -ne 0 ]; then
    echo "!! $t: finding (exit $status); log in $out/$t.log:"
    tail -n 40 "$out/$t.log"
    failed=1
  fi
done

exit "$failed"
