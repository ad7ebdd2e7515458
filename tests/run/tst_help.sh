#!/usr/bin/env bash
# ./run.sh's help names the update server at the port its stand-in listens
# on, the port of the build's address, whichever the build was given: in a
# run and in ./run.sh --help, which also names both boards and the keys and
# starts nothing; the help names the card's sizes and the passphrase that
# joins Airfield; a card size beyond the largest is refused. A program whose start fails ends the run with its status,
# and the run says so; a display that cannot be opened ends it before the
# program starts, and the run says that. The script runs in a folder of its
# own, beside stand-ins: the build and the package installation do nothing,
# the build's cache gives a port no build has by default, the update
# server's stand-in takes that port, the program and the console end at
# once, the bus gives an address and every display opens (but for the real
# xdotool's look at one that does not). Usage: tst_help.sh RUN_SH TMP_FOLDER
set -euo pipefail
run_sh="$1"
mkdir -p "${2:-/tmp}"
top=$(mktemp -d "${2:-/tmp}/run_help.XXXXXX")
trap 'rm -rf "$top"' EXIT
port=18781

mkdir -p "$top/scripts" "$top/build/bin" "$top/build/translations" "$top/sim/bluez" "$top/path"
cp "$run_sh" "$top/run.sh"
printf '#!/bin/sh\nexit 0\n' >"$top/scripts/install-deps.sh"
printf '#!/bin/sh\nexit 0\n' >"$top/scripts/build.sh"
touch "$top/build/translations/KLX32_de.qm" "$top/sim/bluez/bus.conf"
# The root is beside the program's folder, as the simulator finds it; its
# "prepare" lays down only the application folder, and its console ends
# when the program does.
cat >"$top/build/bin/vorn-sim" <<SIM
#!/bin/sh
root="\$(cd "\$(dirname "\$0")/.." && pwd)/root"
case "\$1" in
  prepare) mkdir -p "\$root/app" ;;
  update-server) mkdir -p "\$root/run" && echo $port >"\$root/run/updateserver.port" && exec sleep 60 ;;
  console) while [ \$# -gt 0 ] && [ "\$1" != --pid ]; do shift; done; exec tail --pid="\$2" -f /dev/null ;;
  *) exit 0 ;;
esac
SIM
printf 'VORN_UPDATE_SERVER:STRING=http://127.0.0.1:%s/software\n' $port >"$top/build/CMakeCache.txt"
# The program's status is the file's, 0 without it; that it ran is kept.
printf '#!/bin/sh\ntouch "%s/ran"\nexit $(cat "%s/status" 2>/dev/null || echo 0)\n' "$top" "$top" >"$top/build/bin/vorn"
printf '#!/bin/sh\nexit 0\n' >"$top/build/bin/vorn-screenshot"
printf '#!/bin/sh\necho unix:path=/nonexistent/bus\nexec sleep 60\n' >"$top/path/dbus-daemon"
printf '#!/bin/sh\necho 1024 768\n' >"$top/path/xdotool"
chmod +x "$top/scripts/"*.sh "$top/build/bin/"* "$top/path/dbus-daemon" "$top/path/xdotool" "$top/run.sh"

# The smaller board: no Bluetooth and no GPS receiver to wait for.
status=0
output=$(cd "$top" && PATH="$top/path:$PATH" DISPLAY=:none timeout 60 ./run.sh fenk </dev/null 2>&1) || status=$?
fail() {
  echo "FAIL: $1"
  echo "--- ./run.sh said:"
  echo "$output"
  exit 1
}
[ "$status" -eq 0 ] || fail "./run.sh ended with $status"
grep -q "the update server on http://127.0.0.1:$port offers it" <<<"$output" || fail "the help does not name port $port"
if grep -q 8780 <<<"$output"; then fail "the help names port 8780"; fi

# --help: the boards, the keys and the port, and nothing started.
rm -f "$top/ran"
status=0
output=$(cd "$top" && PATH="$top/path:$PATH" timeout 60 ./run.sh --help </dev/null 2>&1) || status=$?
[ "$status" -eq 0 ] || fail "./run.sh --help ended with $status"
for line in "  vorn   the larger transmitter" "  fenk   the smaller one" "  h  hold the power button" \
            "  q  quit: the transmitter switches off" "the update server on http://127.0.0.1:$port offers it" \
            "at least 256 MiB" "(268,435,456 bytes; a smaller one is not used, and the screen says it is too small)" "while 500 KiB stay free" \
            "(Airfield: thermal-lift-7)"; do
  grep -qF -- "$line" <<<"$output" || fail "./run.sh --help does not say \"$line\""
done
if grep -q 8780 <<<"$output"; then fail "./run.sh --help names port 8780"; fi
if grep -q "passphrases below" <<<"$output"; then fail "./run.sh --help points at passphrases below"; fi
[ ! -e "$top/ran" ] || fail "./run.sh --help started the program"

# --card-size: a size beyond the largest the card's size file holds (the
# program reads a signed 64-bit number) is refused before anything starts,
# as a size that is no size or no bytes is; the largest that fits is written as it is.
while IFS='|' read -r size said; do
  rm -f "$top/ran"
  status=0
  output=$(cd "$top" && PATH="$top/path:$PATH" DISPLAY=:none timeout 60 ./run.sh fenk --card-size "$size" </dev/null 2>&1) || status=$?
  [ "$status" -eq 2 ] || fail "./run.sh --card-size $size ended with $status"
  [ ! -e "$top/ran" ] || fail "./run.sh --card-size $size started the program"
  grep -qF -- "./run.sh: --card-size $said" <<<"$output" || fail "./run.sh --card-size $size does not say \"$said\""
done <<'ROWS'
9999999999GiB|9999999999GiB is larger than a card can be here: at most 9223372036854775807 bytes (8 EiB less a byte).
8589934592GiB|8589934592GiB is larger than a card can be here
9223372037GB|9223372037GB is larger than a card can be here
256XB|takes bytes, or a number with MB, GB, MiB or GiB
0|0 is no card: a card holds at least one byte.
000GiB|000GiB is no card
ROWS
status=0
output=$(cd "$top" && PATH="$top/path:$PATH" DISPLAY=:none timeout 60 ./run.sh fenk --card-size 8589934591GiB </dev/null 2>&1) || status=$?
[ "$status" -eq 0 ] || fail "./run.sh --card-size 8589934591GiB ended with $status"
[ "$(cat "$top/build/fenk/root/run/sdcard-size")" = 9223372035781033984 ] || fail "the card's size file holds $(cat "$top/build/fenk/root/run/sdcard-size")"
grep -qF "taken for a card of 8589934591GiB (9223372035781033984 bytes)" <<<"$output" || fail "./run.sh does not name the card's size"

# A start that fails: the run ends with the program's status and says so.
echo 1 >"$top/status"
status=0
output=$(cd "$top" && PATH="$top/path:$PATH" DISPLAY=:none timeout 60 ./run.sh fenk </dev/null 2>&1) || status=$?
[ -e "$top/ran" ] || fail "the program did not run"
[ "$status" -eq 1 ] || fail "./run.sh ended with $status after a failed start"
grep -qF "./run.sh fenk: the program's start failed (exit status 1)" <<<"$output" || fail "./run.sh does not say that the start failed"

# A display that cannot be opened (the real xdotool's look at it): the run
# ends before the program starts and says why, not with a status of its.
rm -f "$top/ran" "$top/status" "$top/path/xdotool"
status=0
output=$(cd "$top" && PATH="$top/path:$PATH" DISPLAY=:none timeout 60 ./run.sh fenk </dev/null 2>&1) || status=$?
[ "$status" -eq 1 ] || fail "./run.sh ended with $status on a display it cannot open"
[ ! -e "$top/ran" ] || fail "./run.sh started the program on a display it cannot open"
grep -qF "./run.sh fenk: the display :none could not be opened" <<<"$output" || fail "./run.sh does not say that the display could not be opened"
if grep -q "exit status" <<<"$output"; then fail "./run.sh names an exit status on a display it cannot open"; fi
echo "PASS: the help names http://127.0.0.1:$port, the boards, the keys, the card and Airfield's passphrase; a card size beyond the largest is refused; a failed start and a display that cannot be opened are told"
