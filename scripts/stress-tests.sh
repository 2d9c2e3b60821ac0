#!/usr/bin/env bash
# Runs the whole suite (as scripts/test.sh does, on the existing build/)
# with two CPU-bound processes beside it, ROUNDS times in a row (3 unless
# told), to check that no test depends on the scheduler. The load comes
# from stress-ng when it is installed, else from two shell loops.
#
#   scripts/stress-tests.sh [ROUNDS] [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-3}
build=${2:-build}
[ -f "$build/CTestTestfile.cmake" ] || { echo "No build in $build/: run scripts/build.sh first" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen

load=()
stop_load() { [ ${#load[@]} -eq 0 ] || kill "${load[@]}" 2>/dev/null || true; }
trap stop_load EXIT
if command -v stress-ng >/dev/null 2>&1; then
  stress-ng --cpu 2 --quiet &
  load+=($!)
else
  for _ in 1 2; do
    (while :; do :; done) &
    load+=($!)
  done
fi

for round in $(seq "$rounds"); do
  echo "== round $round of $rounds, with two CPU-bound processes beside it"
  ctest --test-dir "$build" --output-on-failure -LE long -j3
  ctest --test-dir "$build" --output-on-failure -L long -j3
done
echo "== the suite passed $rounds times in a row under load"
