#!/bin/sh
# Installs the Debian packages that building, running and testing Anagrove need,
# when any of them is missing. Needs root (or sudo) only when it installs.
set -eu
packages="cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
  libbenchmark-dev xvfb xauth openbox wmctrl xdotool desktop-file-utils appstream dpkg-dev file
  fonts-liberation2 lintian scowl bash-completion"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
