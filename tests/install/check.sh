#!/bin/sh
# The installed program. Exit 77 (skipped) when a tool is missing.
#   check.sh layout PREFIX BUILT_FIND: exactly the expected files, and the installed
#       anagrove-find, run from elsewhere, lists what the built one lists
#   check.sh metadata PREFIX: the desktop entry and metadata pass their validators
#       and name the installed program, icon and entry
#   check.sh package BUILD_DIR: the Debian package's fields, files and
#       dependencies, and its anagrove-find runs
set -u
dir=${2:?usage: check.sh layout|metadata|package DIR [BUILT_FIND]}
here=$(cd "$(dirname "$0")" && pwd) work=$(mktemp -d) id=org.anagrove.Anagrove status=0
trap 'rm -rf "$work"' EXIT
fail() { echo "$*"; status=1; }
need() { for tool; do command -v "$tool" >/dev/null || { echo "skipped: no $tool"; exit 77; }; done; }
expected_files() { LC_ALL=C sort "$work/files" | diff -u "$here/expected-files.txt" - || fail "$1"; }

case $1 in
layout)
    (cd "$dir" && find . -type f | sed 's|^\./||') >"$work/files"
    expected_files "the installed files differ from the expected ones"
    cd "$work" || exit 1
    # shellcheck disable=SC2086 # the arguments are split on purpose
    for args in "tea*" "--dictionary extended --sort score retains*"; do
        "$dir/bin/anagrove-find" $args >installed 2>&1
        "$3" $args >built 2>&1
        { [ -s built ] && cmp -s built installed; } || fail "anagrove-find $args: the copies differ"
    done ;;
metadata)
    need desktop-file-validate appstreamcli
    desktop=$dir/share/applications/$id.desktop metainfo=$dir/share/metainfo/$id.metainfo.xml
    desktop-file-validate "$desktop" || fail "the desktop entry is not valid"
    appstreamcli validate --no-net "$metainfo" || fail "the metadata is not valid"
    [ -x "$dir/bin/$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")" ] || fail "Exec: no program"
    [ -f "$dir/share/icons/hicolor/scalable/apps/$(sed -n 's/^Icon=//p' "$desktop").svg" ] ||
        fail "Icon: no installed icon"
    grep -q "<id>$id</id>" "$metainfo" || fail "the metadata's id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop<" "$metainfo" || fail "no launchable" ;;
package)
    need cpack dpkg-deb dpkg-shlibdeps
    cpack -G DEB --config "$dir/CPackConfig.cmake" -B "$work/out" >"$work/log" 2>&1 ||
        { cat "$work/log"; exit 1; }
    deb=$(echo "$work"/out/*.deb)
    [ -f "$deb" ] || { echo "cpack made no single package: $deb"; exit 1; }
    [ "$(dpkg-deb -f "$deb" Package)/$(dpkg-deb -f "$deb" Section)" = anagrove/games ] ||
        fail "not the package anagrove in the section games"
    dpkg-deb -f "$deb" Maintainer | grep -q '^[^<]\+ <[^>]\+@[^>]\+>$' || fail "no maintainer"
    for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins \
        fonts-liberation2; do
        dpkg-deb -f "$deb" Depends | grep -q "\(^\|, \)$package\( \|,\|$\)" || fail "no $package"
    done
    dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./usr/||' >"$work/files"
    expected_files "the packaged files differ from the expected ones"
    dpkg-deb -x "$deb" "$work/root"
    (cd "$work" && root/usr/bin/anagrove-find tea) | grep -qx 'tea (3)' ||
        fail "the packaged anagrove-find did not find tea" ;;
esac
exit $status
