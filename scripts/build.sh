#!/usr/bin/env bash
# Installs what is missing, then configures and builds the suite in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh "$@"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# On a machine where several builds share the cores, they take turns.
if [ -e /tmp/aquendor-build.lock ]; then
  flock /tmp/aquendor-build.lock cmake --build build -j2
else
  cmake --build build -j2
fi
