#!/usr/bin/env bash
# Builds everything and runs all tests through CTest (screen tests under
# Xvfb). Arguments go to ctest, e.g. ./test.sh -R frame_
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
start=$(date +%s)
scripts/build.sh
echo "Build took $(( $(date +%s) - start )) s on $(nproc) cores."

start=$(date +%s)
xvfb-run -a -s "-screen 0 1024x768x24" \
  ctest --test-dir build --output-on-failure -j "$(nproc)" "$@"
echo "Tests took $(( $(date +%s) - start )) s."
