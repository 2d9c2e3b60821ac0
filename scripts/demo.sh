#!/usr/bin/env bash
# Builds the suite and starts the unit simulator as a softener unit on a
# pseudo-terminal bound as COM5, so that a program (or a person with a
# terminal program) can talk to it. Stop it with Ctrl+C.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
export AQUENDOR_PORTS="${AQUENDOR_PORTS:-$PWD/build/ports}"
serial="${UNITSIM_SERIAL:-123456}"
echo "Ports folder: $AQUENDOR_PORTS"
echo "Unit serial number: $serial"
exec build/tools/unitsim/unitsim --kind softener --serial "$serial" --level 2 \
  --baud 19200 --com COM5 --ports "$AQUENDOR_PORTS"
