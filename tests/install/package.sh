#!/bin/sh
# Builds the Debian package from a build directory, and checks its fields, its
# files and dependencies, and that the packaged anagrove-find runs.
# Usage: package.sh BUILD_DIR. Exit 77 (skipped) when the Debian tools are missing.
set -u
build=${1:?usage: package.sh BUILD_DIR}
for tool in cpack dpkg-deb dpkg-shlibdeps; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() {
    echo "$1"
    status=1
}

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
set -- "$work"/out/*.deb
[ $# -eq 1 ] && [ -f "$1" ] || { echo "cpack made no single package: $*"; exit 1; }
deb=$1
echo "$(basename "$deb"):"
dpkg-deb -f "$deb" Package Version Architecture Section Maintainer Depends Recommends

[ "$(dpkg-deb -f "$deb" Package)" = anagrove ] || fail "the package is not called anagrove"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the section is not games"
dpkg-deb -f "$deb" Maintainer | grep -q '^[^<]\+ <[^>]\+@[^>]\+>$' || fail "no maintainer"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins fonts-liberation2; do
    echo "$depends" | grep -q "\(^\|, \)$package\( \|,\|$\)" || fail "Depends lacks $package"
done

dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./usr/||' | LC_ALL=C sort >"$work/files"
diff -u "$here/expected-files.txt" "$work/files" || fail "the packaged files differ from the expected ones"

dpkg-deb -x "$deb" "$work/root"
(cd "$work" && "$work/root/usr/bin/anagrove-find" tea >"$work/found" 2>/dev/null) ||
    fail "the packaged anagrove-find failed"
grep -qx 'tea (3)' "$work/found" || fail "the packaged anagrove-find did not find tea"
exit $status
