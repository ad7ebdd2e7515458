#!/usr/bin/env bash
# Builds everything and runs all tests through CTest (screen tests under
# Xvfb). Arguments go to ctest, e.g. ./test.sh -R frame_
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
start=$(date +%s)
scripts/build.sh
echo "Build took $(( $(date +%s) - start )) s on $(nproc) cores."

# Most of a test's time is the program's own pauses, so on few cores more
# tests run at once than there are cores.
jobs=$(nproc)
[ "$jobs" -ge 4 ] || jobs=4
start=$(date +%s)
xvfb-run -a -s "-screen 0 1024x768x24" \
  ctest --test-dir build --output-on-failure -j "$jobs" "$@"
echo "Tests took $(( $(date +%s) - start )) s."
