#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need;
# only what is missing, and `apt-get update` only when something is.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config lld
  qtbase5-dev qtdeclarative5-dev qtdeclarative5-dev-tools libqt5svg5-dev
  qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qtquick-controls
  qml-module-qtquick-controls2 qml-module-qtquick-layouts qml-module-qtquick-shapes
  qml-module-qtgraphicaleffects qml-module-qtquick-dialogs qml-module-qt-labs-folderlistmodel
  qml-module-qttest
  qttools5-dev-tools
  libasound2-dev alsa-utils libbenchmark-dev
  libespeak-ng-dev espeak-ng-data
  xvfb xauth libgl1-mesa-dri xdotool
  # The Chinese screens: the program's own font has no Chinese characters.
  fonts-wqy-microhei
  python3 unzip zip
  # Voice packs and sound files as other tools make them.
  libarchive-tools sox
  dbus-daemon python3-dbus python3-gi
  wpasupplicant
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
