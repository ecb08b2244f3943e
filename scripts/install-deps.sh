#!/usr/bin/env bash
# Installs every Debian package that the build, the tests, the benchmarks and the
# program need. Quick no-op when everything is present; runs apt-get update only
# when something is missing.
set -euo pipefail

PACKAGES=(
  # build
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-image-formats-plugins
  libgraphicsmagick++1-dev libjpeg62-turbo-dev libtiff-dev libemf2svg-dev libcrypto++-dev libdeflate-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  # build: the public-domain cliparts the starter pack is rendered from
  openclipart-svg
  # the fuzzers: clang and its libFuzzer and sanitizer runtimes
  clang libclang-rt-14-dev
  # run time: fonts the program asks for by name are substituted by these
  fonts-liberation2 fonts-dejavu
  # run time: the URW PostScript fonts the image library draws a WMF's text in
  fonts-urw-base35
  # tests and benchmarks: independent encoders/decoders, a virtual display
  graphicsmagick imagemagick libjpeg-turbo-progs libuemf-dev xvfb xauth x11-apps
  # the single-instance test lists the windows on its virtual display
  x11-utils
  # the wallpaper service: a private session bus for the portal test, gsettings and
  # the GNOME background schema for the desktop-settings fallback
  dbus-daemon libglib2.0-bin gsettings-desktop-schemas
  # installation: the manual page, the Debian package and the checks of both
  help2man dpkg-dev file lintian desktop-file-utils appstream shared-mime-info
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
