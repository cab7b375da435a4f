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
  libhiredis0.14 libmemcached11 libmemcachedutil2 libsodium23 libpcre2-posix3
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

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; fi
export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# proftpd, the tests' third FTP server, conflicts with vsftpd as a package: its files are taken
# from the package into a folder of their own (the libraries it needs are listed above), and no
# system server is installed or started.
proftpd_root=/opt/vorlane-test/proftpd
if [ ! -x "$proftpd_root/usr/sbin/proftpd" ]; then
  download=$(mktemp -d)
  (cd "$download" && apt-get download -qq proftpd-core 2>/dev/null)
  $SUDO mkdir -p "$proftpd_root"
  $SUDO dpkg-deb -x "$download"/proftpd-core_*.deb "$proftpd_root"
  rm -rf "$download"
fi
