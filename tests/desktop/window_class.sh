#!/bin/sh
# Usage: window_class.sh PROGRAM DESKTOP_FILE
# Starts PROGRAM on a virtual X display (run it under xvfb-run) in an empty
# folder, with every COM name bound to a device that does not exist, and
# checks what a dock sees of its first window: the class of WM_CLASS must
# be the desktop file's StartupWMClass, and the window icon must come in
# 256 pixels, not only as a small bitmap.
set -eu
program=$1
desktop=$2
expected=$(sed -n 's/^StartupWMClass=//p' "$desktop")
if [ -z "$expected" ]; then
  echo "$desktop names no StartupWMClass"
  exit 1
fi

work=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -m 700 "$work/ports" "$work/runtime"
for n in 1 2 3 4 5 6 7 8 9; do ln -s "$work/no-device" "$work/ports/COM$n"; done
cd "$work"
AQUENDOR_PORTS="$work/ports" AQUENDOR_LOCK_DIR="$work" XDG_RUNTIME_DIR="$work/runtime" \
  "$program" >"$work/output" 2>&1 &
pid=$!

# Waits for the program's first window with a class; CTest's timeout ends a
# program that never shows one.
window=
while [ -z "$window" ]; do
  kill -0 "$pid" 2>/dev/null || { echo "the program ended:"; cat "$work/output"; exit 1; }
  for id in $(xwininfo -root -children | awk '$1 ~ /^0x/ {print $1}'); do
    if xprop -id "$id" WM_CLASS 2>/dev/null | grep -q '='; then
      window=$id
      break
    fi
  done
  [ -n "$window" ] || sleep 0.1
done

class=$(xprop -id "$window" WM_CLASS | sed 's/.*, "\(.*\)"$/\1/')
echo "WM_CLASS class: $class, StartupWMClass: $expected"
[ "$class" = "$expected" ] || exit 1
sizes=$(xprop -len 4000000 -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
echo "window icon: $sizes"
echo "$sizes" | grep -q 'Icon (256 x 256)'
