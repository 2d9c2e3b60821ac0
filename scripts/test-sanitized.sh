#!/usr/bin/env bash
# Installs what is missing, builds the suite with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/ and runs every test through
# CTest with the leak checker on. Any memory error, undefined behaviour or
# leak fails its test. Suppressed are only allocations of system libraries,
# listed with their reason in tests/sanitizer/lsan.supp.
set -euo pipefail
cd "$(dirname "$0")/.."
# Each step says how long it took (the README's CI figures come from here).
timed() {
  local start=$SECONDS
  "$@"
  echo "-- $((SECONDS - start)) s: $*"
}
scripts/install-deps.sh

# The same settings for the test discovery during the build and for the run.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAQUENDOR_SANITIZE=ON >/dev/null
# Other builds on this machine may hold the build lock; wait for them.
if [ -e /tmp/aquendor-build.lock ]; then
  timed flock /tmp/aquendor-build.lock cmake --build build-asan -j2
else
  timed cmake --build build-asan -j2
fi
# Tests wait for the events they need, never for a fixed time, so they
# hold with other work beside them (scripts/stress-tests.sh shows it):
# three run at a time on two cores, as most of them wait on their
# pseudo-terminals. The long ones (fault matrices, kill tests) go last.
timed ctest --test-dir build-asan --output-on-failure -LE long -j3
timed ctest --test-dir build-asan --output-on-failure -L long -j3
