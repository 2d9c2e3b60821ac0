#!/usr/bin/env bash
# Installs what is missing, builds the suite with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/ and runs every test through
# CTest with the leak checker on. Any memory error, undefined behaviour or
# leak fails its test. Suppressed are only allocations of system libraries,
# listed with their reason in tests/sanitizer/lsan.supp.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

# The same settings for the test discovery during the build and for the run.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAQUENDOR_SANITIZE=ON >/dev/null
# Other builds on this machine may hold the build lock; wait for them.
if [ -e /tmp/aquendor-build.lock ]; then
  flock /tmp/aquendor-build.lock cmake --build build-asan -j2
else
  cmake --build build-asan -j2
fi
# The long tests (fault matrices, kill tests) mostly wait on timeouts and
# on their own pseudo-terminals: two at a time halves their share.
ctest --test-dir build-asan --output-on-failure -LE long
ctest --test-dir build-asan --output-on-failure -L long -j2
