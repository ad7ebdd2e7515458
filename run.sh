#!/usr/bin/env bash
# Builds the program and the simulator, then starts the transmitter in a
# 480 x 272 window beside the simulated board and controllers, with the
# simulator's console in this terminal. Usage: ./run.sh [vorn|fenk]
# [--card-size SIZE], or ./run.sh --help for what a run shows and the keys
# it takes.
set -euo pipefail
cd "$(dirname "$0")"
usage="usage: ./run.sh [vorn|fenk] [--card-size SIZE]   (./run.sh --help: the boards, the card, what a run shows, its keys)"

# What a run shows and the keys it takes. A run prints it for its board
# (BOARD vorn or fenk); --help for both (BOARD empty), marking what only the
# larger board has. UPDATE_SERVER is the address the update server's
# stand-in listens on; ROOT and BIN the data and program folders.
help_text() {
  local board="$1" update_server="$2" root="$3" bin="$4" card="$5"
  local larger="" found="${board^}" prepare_board="$board"
  if [ -z "$board" ]; then
    larger=", larger board only"
    found="Vorn (Fenk for ./run.sh fenk)"
    prepare_board="vorn|fenk"
  fi
  if [ "$board" != fenk ]; then
    cat <<TEXT
Bluetooth (Settings > Bluetooth$larger) finds a headset "Pilot Headset" and glasses "ActiveLook" on a
scripted BlueZ (sim/bluez/fake_bluez.py on a private bus; its output in build/run-bus/bluez.log).
TEXT
  fi
  cat <<TEXT
Sound plays on this desktop's sound card; without one it is captured under $root/run/sound (README: "Sound").
The SD card is $root/Vorn, taken for a card of $card: the program needs one of at least 256 MiB
(268,435,456 bytes; a smaller one is not used, and the screen says it is too small) and saves a model
only while 500 KiB stay free on it. --card-size SIZE chooses the card's size (the run writes it to
$root/run/sdcard-size): bytes, or with MB / GB as cards are sold (--card-size 256MB, a card too
small) or MiB / GiB, at most $card_most bytes.
On the way up the program says, in this order:
    ->   Found board: $found
  Error handler stopped or not started!     (the error log's own writer starts first;
          Err: 0x32204 - Errors log file writer is processing...    this is expected)
    ->   splash on screen                      (the splash window is drawn)
  ERR_INFO: starting version ...             (ERR_INFO lines also go to the error log)
    ->   OSTREL VORN IS UP AND STARTING...     (the main window replaces the splash)
  ERR_INFO: Demo.xml (... bytes) is loaded successfully!    (the model went into the transceiver;
                                             after a switch-off that kept it there, the Vorn's next
                                             start only compares checksums and says instead (the
                                             Fenk loads its model whole at every start):
  ERR_INFO: Demo.xml (... bytes) is started from TC memory - FAST START!)
    ->   start-up phase: system up
  Between them "vorn: task ended: <n> result=0" (a step of the start-up chain done, 0 is success)
  and " PARAMS LOADING FOR BOARD: <n>" (the mixing engine set up for the board: 1 Vorn, 2 Fenk).
  On the way down (q, h, Ctrl-C) "umount2 /media/usb<n> error!" for each USB port without a
  stick (nothing to unmount there), then "Good bye!". A start that fails ends the program with a
  status other than 0, and the run says so.
Every part of the transmitter at work (the Demo plane on the card sets them up):
  Telemetry   the home screen's first page: the vario's climb (right stick up/down: keys i / k),
              the battery's voltage (sinking from 12.60 V) and the flight timer; every value is
              logged in $root/Vorn/Log/<date>/Demo_..._Tele.log. Sensor menus: main menu, Receivers.
  Timer       switch SW-A up runs the timer "Flight", down stops it: in the controls window,
              or keys ] (ten times, to SW-A) and then + / - in this terminal.
  Alarm       the right stick above half way up (key i six times): the vario's climb passes its
              red limit of 5.0 m/s, the alarm sounds and "Climbing too fast" is spoken (without a
              sound card: $root/run/sound/vorn_default.raw and ch1.raw, the words in speech.txt).
  Receivers   main menu, Receivers: bind a receiver (the simulated one answers), its sensor menus,
              the transmitter's own sensor menus and the receivers' firmware files.
TEXT
  if [ "$board" != fenk ]; then
    cat <<TEXT
  Bluetooth   Settings > Bluetooth$larger: the headset and the glasses above (the
              glasses' rows show in the controls window).
TEXT
  fi
  cat <<TEXT
  WLAN        Settings > WiFi: the networks of $root/run/wlan/scenario.json, each with the passphrase
              that joins it there (Airfield: thermal-lift-7); key W takes Airfield out of range and back.
  Updates     Settings > System > Software "Check": key u plugs in USB stick 1 with an application
              update; without the stick, the update server on $update_server offers it over
              WLAN (join a network first). Requests: $root/run/updateserver.log.
  Firmware    the first start after an installed update writes the controllers' new firmware on
              its own screen; to see it, end this run and start it again after
              $bin/vorn-sim prepare --board $prepare_board --firmware-update (newer firmware on the card).
TEXT
  if [ "$board" != fenk ]; then
    echo "  GPS         main menu, GPS Compass$larger: the GPS sensor circling the transmitter."
  fi
  cat <<TEXT
Keys in this terminal (each acts at once, no Enter needed):
  h  hold the power button: the transmitter saves, stops and powers off
  c  the simulator's counters: the transceiver's model loads, checksums, power-off
  p  press / r release the power button (released within 4 s: no switch-off)
  q  quit: the transmitter switches off in order and the run ends
  (the simulator's console lists its other keys)
Ctrl-C, SIGTERM to this script and closing the window also switch off in
order; that takes about 5 s (the board's 4 s between sync and the unmounts).
The program says "Good bye!", the power-off is recorded in the command log,
and the run ends with the console's "the program has switched off".
In the transmitter's window the function keys are the six touch keys below
its display: F1 unlock (the screen locks itself after the lock time of
Settings > Appearance), F2 user menu, F3 servo monitor, F4 back, F5 home,
F6 forward. Drag down from its top edge to open the status strip.
TEXT
}

# The update server's address of this build (the build setting
# VORN_UPDATE_SERVER, kept in its cache); before the first build, the
# default the first configure takes. Scheme, host and port only.
build_update_server() {
  local address=""
  if [ -f build/CMakeCache.txt ]; then
    address=$(sed -n 's/^VORN_UPDATE_SERVER:[A-Z]*=//p' build/CMakeCache.txt | head -n1)
  elif [ -f CMakeLists.txt ]; then
    address=$(sed -n 's/.*set(VORN_UPDATE_SERVER_DEFAULT "\(http:\/\/127\.0\.0\.1[^"]*\)").*/\1/p' CMakeLists.txt | head -n1)
  fi
  address=$(sed -n 's|^\(http://[^/]*\).*|\1|p' <<<"$address")
  echo "${address:-the update server address of this build (its setting VORN_UPDATE_SERVER)}"
}

# The largest card size: the program reads the size file as a signed 64-bit
# number.
card_most=9223372036854775807

# A card size as bytes: digits alone, or followed by MB or GB (powers of
# ten, as cards are sold) or MiB or GiB; empty for anything else, "large"
# for a size beyond card_most and "none" for no bytes at all (the program
# would take the disk's size for it).
card_bytes() {
  local digits unit factor
  digits=$(sed -n 's/^\([0-9]\{1,12\}\)\(MB\|GB\|MiB\|GiB\|\)$/\1/p' <<<"$1")
  unit=$(sed -n 's/^[0-9]\{1,12\}\(MB\|GB\|MiB\|GiB\|\)$/\1/p' <<<"$1")
  [ -n "$digits" ] || return 0
  case "$unit" in
    MB) factor=1000000 ;;
    GB) factor=1000000000 ;;
    MiB) factor=1048576 ;;
    GiB) factor=1073741824 ;;
    *) factor=1 ;;
  esac
  # Checked before the product, which would wrap around to a negative size.
  if [ $((10#$digits)) -gt $((card_most / factor)) ]; then
    echo large
  elif [ $((10#$digits)) -eq 0 ]; then
    echo none
  else
    echo $((10#$digits * factor))
  fi
}

board=vorn
card_size=""
while [ $# -gt 0 ]; do
  case "$1" in
    vorn | fenk) board="$1" ;;
    --card-size)
      card_size=$(card_bytes "${2:-}")
      if [ -z "$card_size" ]; then
        echo "./run.sh: --card-size takes bytes, or a number with MB, GB, MiB or GiB (for example 256MB)." >&2
        exit 2
      fi
      if [ "$card_size" = large ]; then
        echo "./run.sh: --card-size $2 is larger than a card can be here: at most $card_most bytes (8 EiB less a byte)." >&2
        exit 2
      fi
      if [ "$card_size" = none ]; then
        echo "./run.sh: --card-size $2 is no card: a card holds at least one byte." >&2
        exit 2
      fi
      card_text="${2}"
      shift
      ;;
    -h | --help) board=--help ;;
    *) echo "$usage" >&2; exit 2 ;;
  esac
  shift
done
case "$board" in
  vorn | fenk) ;;
  --help)
    cat <<TEXT
$usage
Builds what the run needs and starts the transmitter's program in a 480 x 272 window beside the
simulated board and controllers (vorn-sim), with the simulator's console in this terminal.
Boards:
  vorn   the larger transmitter (the default): Bluetooth, a GPS receiver of its own;
         its data folder is build/root
  fenk   the smaller one: no Bluetooth, no GPS receiver of its own; its data folder is
         build/fenk/root (read that for build/root below)
TEXT
    help_text "" "$(build_update_server)" build/root build/bin "8 GiB (or the size --card-size names)"
    exit 0
    ;;
esac

scripts/install-deps.sh
# Only what the run needs; ./test.sh builds the rest.
scripts/build.sh vorn vorn-sim vorn-screenshot

# Each board keeps its own data folder: the program finds its root beside
# the folder it runs from, so the smaller board runs from links of its own.
if [ "$board" = vorn ]; then
  bin=build/bin
  root=build/root
else
  bin=build/$board/bin
  root=build/$board/root
  mkdir -p "$bin"
  for program in vorn vorn-sim vorn-screenshot; do
    ln -f build/bin/$program "$bin/$program" 2>/dev/null || cp -f build/bin/$program "$bin/$program"
  done
fi
# Two runs on one data folder would share its card, bus and controllers.
mkdir -p "$root"
exec 8>"$root/.run.lock"
if ! flock -n 8; then
  echo "./run.sh $board is already running on the data folder $root; end it first (q in its terminal)." >&2
  exit 1
fi
"$bin/vorn-sim" prepare --board "$board" --model-demo
# The compiled translations (the build lays them into build/root only).
cp -f build/translations/KLX32_*.qm "$root/app/"

# --- The update server's stand-in: serves $root/updateserver (a package one
# version above the program's) on the loopback at this build's update server
# address, for the package update over WLAN; it ends with this script.
"$bin/vorn-sim" prepare --board "$board" --update-server >/dev/null
# The card's size, chosen here, over the 8 GiB that each prepare lays down.
if [ -n "$card_size" ]; then
  printf '%s\n' "$card_size" >"$root/run/sdcard-size"
else
  card_text="8 GiB"
fi
# It names its port in a file once it listens; a file left by an earlier run
# must not pass for that.
rm -f "$root/run/updateserver.port"
"$bin/vorn-sim" update-server --board "$board" &
server_pid=$!
for _ in $(seq 1 50); do
  [ -s "$root/run/updateserver.port" ] && break
  kill -0 "$server_pid" 2>/dev/null || break
  sleep 0.1
done
if [ ! -s "$root/run/updateserver.port" ]; then
  # Both boards' programs ask the one address of this build: with another
  # run's server on the port, this program would download from that board.
  kill "$server_pid" 2>/dev/null || true
  echo "./run.sh $board: the update server's stand-in cannot listen on its port (above); is ./run.sh of the" >&2
  echo "other board running? Both boards' programs reach the update server at one address: end that run first." >&2
  exit 1
fi
# The stand-in listens at the port of this build's update server address
# (the build setting VORN_UPDATE_SERVER): the help below names that one.
update_server="http://127.0.0.1:$(head -n1 "$root/run/updateserver.port")"
# --- end of the update server's stand-in

# Qt wants a private runtime folder; root's sessions often have none.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR="$PWD/build/run-xdg"
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
fi

pid=""
console_pid=""
bus_pid=""
bluez_pid=""
xvfb_pid=""
xvfb_log=""
# A stop asked for here (Ctrl-C, or the end of the console) switches the
# program off in order, as holding the power button does; the run ends when
# the program has powered off.
stop_program() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill -TERM "$pid" 2>/dev/null || true; fi
}
finish() {
  stop_program
  if [ -n "$pid" ]; then wait "$pid" 2>/dev/null || true; fi
  if [ -n "$bluez_pid" ]; then kill "$bluez_pid" 2>/dev/null || true; wait "$bluez_pid" 2>/dev/null || true; fi
  if [ -n "$bus_pid" ]; then kill "$bus_pid" 2>/dev/null || true; wait "$bus_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  [ -z "$xvfb_log" ] || rm -f "$xvfb_log"
  kill "$server_pid" 2>/dev/null || true  # the update server's stand-in
}
trap stop_program INT TERM
trap finish EXIT
# The console reads the keys of this terminal; it runs beside this script,
# which waits for it, so that a signal sent to the script alone is passed on
# at once.
exec 3<&0

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  # No display: a virtual one, on the first free display number.
  xvfb_log=$(mktemp)
  # In a session of its own: Ctrl-C here must not end it under the program.
  setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$xvfb_log" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 1 100); do
    [ -s "$xvfb_log" ] && break
    sleep 0.1
  done
  if [ ! -s "$xvfb_log" ]; then
    echo "Xvfb did not start." >&2
    exit 1
  fi
  export DISPLAY=":$(head -n1 "$xvfb_log")"
  echo "No display here: the window is on the virtual display $DISPLAY (Xvfb)."
  echo "  Look at it:  DISPLAY=$DISPLAY $bin/vorn-screenshot shot.png   (then open shot.png)"
fi
# A display that cannot be opened ends the run before anything starts on
# it: the program's and the console's windows would fail there.
if [ -n "${DISPLAY:-}" ] && ! xdotool getdisplaygeometry >/dev/null 2>&1; then
  echo "./run.sh $board: the display $DISPLAY could not be opened (no X server there, or this user may not use" >&2
  echo "it); without DISPLAY the run takes a virtual display of its own." >&2
  exit 1
fi

# A private bus standing in for the board's system bus, which the program
# opens on either board (never the host's); Qt D-Bus reads its address. On
# the larger board the scripted BlueZ and bluealsa serve it; the smaller
# board has no Bluetooth. The address file is this run's own, and emptied
# first: an earlier run's address would leave the program without a bus.
mkdir -p build/run-bus
bus_log=build/run-bus/address-$board
rm -f "$bus_log"
dbus-daemon --config-file=sim/bluez/bus.conf --address=unix:tmpdir=/tmp --print-address --nofork --nopidfile \
  --nosyslog >"$bus_log" 2>/dev/null &
bus_pid=$!
for _ in $(seq 1 50); do
  # A whole line: the address is complete.
  [ -s "$bus_log" ] && [ "$(wc -l <"$bus_log")" -gt 0 ] && break
  kill -0 "$bus_pid" 2>/dev/null || break
  sleep 0.1
done
DBUS_SYSTEM_BUS_ADDRESS="$(head -n1 "$bus_log" 2>/dev/null || true)"
if [ -z "$DBUS_SYSTEM_BUS_ADDRESS" ]; then
  echo "./run.sh $board: the private bus (dbus-daemon --config-file=sim/bluez/bus.conf) gave no address within 5 s." >&2
  exit 1
fi
export DBUS_SYSTEM_BUS_ADDRESS
if [ "$board" = vorn ]; then
  /usr/bin/python3 sim/bluez/fake_bluez.py "$DBUS_SYSTEM_BUS_ADDRESS" \
    '00:1A:7D:DA:71:13={"kind":"headset","name":"Pilot Headset","class":2360324,"uuids":["0000110b-0000-1000-8000-00805f9b34fb"]}' \
    'C4:4F:33:5E:21:07={"kind":"glasses","name":"ActiveLook","manufacturer":{"56058":[8,0]},"uuids":["0000fef5-0000-1000-8000-00805f9b34fb","0783b03e-8535-b5a0-7140-a304d2495cb7"]}' \
    >build/run-bus/bluez.log 2>&1 &
  bluez_pid=$!
fi

echo "Data folder of this run: $PWD/$root (each board has its own) (the SD card is $root/Vorn, the command log $root/run/commands.log)"
help_text "$board" "$update_server" "$root" "$bin" "$card_text ($(cat "$root/run/sdcard-size") bytes)"
echo "The program's own lines follow."

# The larger board's GPS receiver is a pseudo-terminal that the console
# opens and links at $root/dev/ttymxc2; the program opens it at start-up, so
# it waits for the link (a link left by an earlier run is gone first).
rm -f "$root/dev/ttymxc2"
if [ "$board" = vorn ]; then
  (for _ in $(seq 1 100); do [ -e "$root/dev/ttymxc2" ] && break; sleep 0.1; done; exec "$bin/vorn") &
else
  "$bin/vorn" &
fi
pid=$!
"$bin/vorn-sim" console --board "$board" --pid "$pid" <&3 &
console_pid=$!
# A signal interrupts the wait; the console ends once the program has ended.
while kill -0 "$console_pid" 2>/dev/null; do wait "$console_pid" || true; done
# The console is gone (q, Ctrl-C or the program ended): the program switches off.
stop_program
# A signal to this script interrupts the wait; the program's own status is
# read once it has ended.
while kill -0 "$pid" 2>/dev/null; do wait "$pid" || true; done
status=0
wait "$pid" || status=$?
pid=""
if [ "$status" -ne 0 ]; then
  if [ "$status" -eq 1 ]; then
    echo "./run.sh $board: the program's start failed (exit status 1); its lines above say why." >&2
  else
    echo "./run.sh $board: the program ended with exit status $status." >&2
  fi
  exit "$status"
fi
