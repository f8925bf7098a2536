#!/bin/sh
# Installs the Debian packages that building, running and testing Anagrove need,
# when any of them is missing. Needs root (or sudo) only when it installs.
# With "web", only those that building the web page needs.
set -eu
# The web page's WebAssembly module: its compiler and libraries.
web="cmake ninja-build clang-19 lld-19 libc++-19-dev-wasm32 libc++abi-19-dev-wasm32
  libclang-rt-19-dev-wasm32 wasi-libc"
# chromium: the browser of the web page's tests.
packages="cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
  libbenchmark-dev xvfb xauth openbox wmctrl xdotool desktop-file-utils appstream dpkg-dev file
  fonts-liberation2 lintian scowl bash-completion $web chromium
  at-spi2-core python3-pyatspi dbus-x11"
[ "${1:-}" = web ] && packages=$web
# Node.js may come from elsewhere than Debian; it is installed only when there is none.
command -v node >/dev/null && command -v npm >/dev/null || packages="$packages nodejs npm"
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
