#!/usr/bin/env bash
# Builds and runs every test: native (ASan + UBSan), Windows under Wine, then the fuzzers.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."
start=$(date +%s)

scripts/install-deps.sh

echo "== native build and tests =="
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

echo "== Windows build and tests under Wine =="
cmake --preset windows >/dev/null
cmake --build --preset windows
scripts/wine-ctest.sh build/windows

if [ -x scripts/fuzz.sh ]; then
  echo "== fuzzing =="
  scripts/fuzz.sh
fi

echo "== all tests passed in $(( $(date +%s) - start )) s =="
