#!/usr/bin/env bash
# Builds and starts the transmitter program in a 480 x 272 window beside the
# simulated board and controllers. Usage: ./run.sh [vorn|fenk]
set -euo pipefail
cd "$(dirname "$0")"
board="${1:-vorn}"

scripts/install-deps.sh
scripts/build.sh

bin=build/bin
root=build/root
"$bin/vorn-sim" prepare --board "$board"

launch=("$bin/vorn")
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: the window runs under Xvfb."
  launch=(xvfb-run -a -s "-screen 0 800x600x24" "$bin/vorn")
fi
"${launch[@]}" &
pid=$!
echo "Data folder of this run: $PWD/$root (the SD card is $root/Vorn)"
echo "Switch the transmitter off by holding the power button: type h and Enter here,"
echo "or run '$bin/vorn-sim hold' in another terminal."
"$bin/vorn-sim" console --board "$board" --pid "$pid" || true
wait "$pid" || true
