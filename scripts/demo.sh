#!/usr/bin/env bash
# The main job: builds the suite, starts the unit simulator on a
# pseudo-terminal bound as COM2 (the port the programs open at start), and
# starts the program on it: AquendorKSV2 against a softener unit, or, with
# "osmosis" as the first argument, AquendorPLN2 against a reverse-osmosis
# unit. Further arguments go to the program (for example "english").
set -euo pipefail
cd "$(dirname "$0")/.."

kind=softener program=build/softener/AquendorKSV2 screens=build/tools/screens/ksv2_screens
if [ "${1:-}" = osmosis ]; then
  shift
  kind=osmosis program=build/osmosis/AquendorPLN2 screens=build/tools/screens/pln2_screens
fi

scripts/build.sh
export AQUENDOR_PORTS="${AQUENDOR_PORTS:-$PWD/build/ports}"
serial="${UNITSIM_SERIAL:-123456}"

build/tools/unitsim/unitsim --kind "$kind" --serial "$serial" --level 2 --baud 19200 \
  --com COM2 --ports "$AQUENDOR_PORTS" </dev/null >build/unitsim.log 2>&1 &
sim=$!
trap 'kill $sim 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "$AQUENDOR_PORTS/COM2" ] && break; sleep 0.1; done

echo "Simulated $kind unit on COM2 (ports folder $AQUENDOR_PORTS), log in build/unitsim.log"
echo "Unit serial number: $serial"
echo "In the program: choose \"Null - Modem\", type $serial as the serial number, press \"lesen\"."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found (DISPLAY is not set): the window cannot be shown here."
  echo "Saving screenshots of the window instead, into screens/ :"
  "$screens" screens
  exit 0
fi
"$program" "$@"
