#!/bin/sh
# Installs the Debian packages that building, running and testing Anagrove need,
# when any of them is missing. Needs root (or sudo) only when it installs.
# With "web", only those that building the web page needs; with
# "--only PACKAGE...", only those packages (the Windows scripts name theirs).
set -eu
# The web page's WebAssembly module: its compiler and libraries; and the other
# languages' lists, which python3 makes from tanglet-data and witalian.
web="cmake ninja-build clang-19 lld-19 libc++-19-dev-wasm32 libc++abi-19-dev-wasm32
  libclang-rt-19-dev-wasm32 wasi-libc python3 tanglet-data witalian"
# chromium: the browser of the web page's tests. tanglet-data and witalian: the
# word lists of the languages beside English, which python3 builds.
packages="cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
  libbenchmark-dev xvfb xauth openbox wmctrl xdotool desktop-file-utils appstream dpkg-dev file
  fonts-liberation2 lintian scowl tanglet-data witalian python3 bash-completion $web chromium
  at-spi2-core python3-pyatspi dbus-x11"
mode="${1:-}"
case "$mode" in
  web) packages=$web ;;
  --only) shift; packages="$*" ;;
esac
# Node.js may come from elsewhere than Debian; it is installed only when there is none.
if [ "$mode" != --only ] && ! { command -v node && command -v npm; } >/dev/null; then
  packages="$packages nodejs npm"
fi
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# Another apt run (an unattended upgrade, say) holds the lock for a while.
$sudo apt-get -o DPkg::Lock::Timeout=600 update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
  --no-install-recommends $missing
