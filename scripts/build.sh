#!/usr/bin/env bash
# Configures build/ once (Ninja, ccache where present) and builds the given
# targets, or everything when none is given.
#   scripts/build.sh                 everything (program, simulator, tests)
#   scripts/build.sh vorn vorn-sim   only these
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORN_DEBUG_INFO="${VORN_DEBUG_INFO:-ON}"
fi
if [ $# -gt 0 ]; then
  cmake --build build --target "$@"
else
  cmake --build build
fi
