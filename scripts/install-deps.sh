#!/usr/bin/env bash
# Installs every Debian 12 package that Vorlane's build, the program and its tests need.
# Idempotent: packages already present are left alone. Run as root (or through sudo).
set -euo pipefail

packages=(
  # build (ccache lets work trees share their compiled objects)
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev
  qt6-multimedia-dev qt6-webengine-dev
  libjpeg62-turbo-dev libcdio-dev libxcb1-dev
  libgtest-dev
  # run
  qt6-qpa-plugins gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  qt6-translations-l10n
  fonts-dejavu-core fonts-liberation xdg-utils libglib2.0-bin
  fonts-urw-base35
  adwaita-icon-theme libqt6svg6
  # tests
  xvfb xauth xdotool x11-utils imagemagick gifsicle poppler-utils unrtf
  sox libsox-fmt-base gstreamer1.0-tools
  python3 python3-pyftpdlib vsftpd
  icoutils
  mingw-w64
  clang libclang-rt-14-dev time
  desktop-file-utils dpkg-dev man-db
  # benchmark
  ripgrep
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
