#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
# The long tests (fault matrices, kill tests) mostly wait on timeouts and
# on their own pseudo-terminals: two at a time halves their share.
ctest --test-dir build --output-on-failure -LE long
ctest --test-dir build --output-on-failure -L long -j2
