#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
# Each step says how long it took (the README's CI figures come from here).
timed() {
  local start=$SECONDS
  "$@"
  echo "-- $((SECONDS - start)) s: $*"
}
timed scripts/build.sh
export QT_QPA_PLATFORM=offscreen
# Tests wait for the events they need, never for a fixed time, so they
# hold with other work beside them (scripts/stress-tests.sh shows it):
# three run at a time on two cores, as most of them wait on their
# pseudo-terminals. The long ones (fault matrices, kill tests) go last.
timed ctest --test-dir build --output-on-failure -LE long -j3
timed ctest --test-dir build --output-on-failure -L long -j3
