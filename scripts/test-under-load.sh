#!/usr/bin/env bash
# Runs the tests as test.sh does, beside busy processes that keep every core
# loaded, so that a test which depends on an idle machine shows itself.
#   scripts/test-under-load.sh                      2 x nproc busy processes, all tests
#   scripts/test-under-load.sh --busy 4 -R frame_   4 busy processes; the rest goes to ctest
#   scripts/test-under-load.sh -R qml_model_assistant --repeat until-fail:50
# Builds what is missing first (without load). Ends exactly the busy
# processes it started, also on Ctrl-C or a failure, and keeps ctest's exit code.
set -euo pipefail
cd "$(dirname "$0")/.."

busy=$(( 2 * $(nproc) ))
if [ "${1:-}" = "--busy" ]; then
  busy=${2:?"--busy needs a count"}
  shift 2
fi
case "$busy" in
  ''|*[!0-9]*) echo "--busy takes a count, not '$busy'" >&2; exit 2 ;;
esac

scripts/build.sh

pids=()
stop_busy() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  pids=()
}
trap stop_busy EXIT
trap 'stop_busy; exit 130' INT
trap 'stop_busy; exit 143' TERM

for _ in $(seq 1 "$busy"); do
  bash -c 'while :; do :; done' &
  pids+=("$!")
done
echo "Started $busy busy processes; load average: $(cut -d' ' -f1-3 /proc/loadavg)"

start=$(date +%s)
status=0
xvfb-run -a -s "-screen 0 1024x768x24" \
  ctest --test-dir build --output-on-failure -j "$(nproc)" "$@" || status=$?
echo "Tests took $(( $(date +%s) - start )) s beside $busy busy processes;" \
  "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
exit "$status"
