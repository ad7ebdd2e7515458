#!/usr/bin/env bash
# Configures and builds the program for the transmitter board (its platform
# layer talks to the real devices) into build-board/, so that the board side
# keeps compiling and linking. It is not run here.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build-board/build.ninja ]; then
  cmake -S . -B build-board -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORN_TARGET_BOARD=ON -DVORN_DEBUG_INFO="${VORN_DEBUG_INFO:-ON}"
fi
cmake --build build-board --target vorn
