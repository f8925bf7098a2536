#!/bin/sh
# The installed program. Exit 77 (skipped) when a tool is missing.
#   check.sh layout PREFIX VERSION BUILT_FIND: exactly the expected files (and
#       every file the build made in languages/), the installed anagrove-find,
#       run from elsewhere, lists what the built one lists in every language, and
#       both programs, the manual pages and the help page name VERSION
#   check.sh metadata PREFIX VERSION: the desktop entry and metadata pass their
#       validators without warnings, name the installed program, icon and entry,
#       and release VERSION
#   check.sh package BUILD_DIR VERSION: the Debian package's fields, files and
#       dependencies, its anagrove-find runs in every language as the built
#       one does, and lintian finds no fault in it
set -u
dir=${2:?usage: check.sh layout|metadata|package DIR VERSION [BUILT_FIND]}
version=${3:?no VERSION}
here=$(cd "$(dirname "$0")" && pwd) work=$(mktemp -d) id=org.anagrove.Anagrove status=0
trap 'rm -rf "$work"' EXIT
fail() { echo "$*"; status=1; }
need() { for tool; do command -v "$tool" >/dev/null || { echo "skipped: no $tool"; exit 77; }; done; }
# expected_files MESSAGE BIN [EXTRA_LIST]: the files listed in $work/files are those
# expected, with every file that the build in BIN made in languages/.
expected_files() {
    if [ -d "$2/languages" ]; then
        (cd "$2/languages" && find . -type f | sed 's|^\./|share/anagrove/languages/|')
    fi >"$work/languages"
    LC_ALL=C sort "$here/expected-files.txt" "$work/languages" ${3:+"$3"} >"$work/expected"
    LC_ALL=C sort "$work/files" | diff -u "$work/expected" - || fail "$1"
}
# same_in_languages INSTALLED_FIND BUILT_FIND: with the build's language lists, both
# list every language with its words and find the same words in Spanish and Polish.
same_in_languages() {
    [ -d "$(dirname "$2")/languages" ] || { echo "no language lists were built: not checked"; return; }
    (
        set -f # the racks' brackets and stars are no file names
        cd "$work" || exit 1
        # shellcheck disable=SC2086 # the arguments are split on purpose
        for args in "--list-languages" "--language es [ch]ao*" \
            "--language pl --sort score --format tsv źdźbło*" "--language ca --check col·legi"; do
            "$1" $args >installed 2>&1
            "$2" $args >built 2>&1
            { [ -s built ] && cmp -s built installed; } || { echo "anagrove-find $args: the copies differ"; exit 1; }
        done
        "$1" --list-languages >languages
        [ "$(wc -l <languages)" -eq "$(find "$(dirname "$2")/alphabets" -type f | wc -l)" ] &&
            awk -F '\t' '$3 !~ /^[1-9][0-9]*$/ { exit 1 }' languages ||
            { cat languages; echo "not every language is listed with its words"; exit 1; }
    ) || status=1
}

case $1 in
layout)
    (cd "$dir" && find . -type f | sed 's|^\./||') >"$work/files"
    expected_files "the installed files differ from the expected ones" "$(dirname "$4")"
    same_in_languages "$dir/bin/anagrove-find" "$4"
    cd "$work" || exit 1
    # shellcheck disable=SC2086 # the arguments are split on purpose
    for args in "tea*" "--dictionary extended --sort score retains*"; do
        "$dir/bin/anagrove-find" $args >installed 2>&1
        "$4" $args >built 2>&1
        { [ -s built ] && cmp -s built installed; } || fail "anagrove-find $args: the copies differ"
    done
    for program in anagrove anagrove-find; do
        [ "$("$dir/bin/$program" --version)" = "$program $version" ] ||
            fail "$program --version does not print $program $version"
        gzip -dc "$dir/share/man/man1/$program.1.gz" | head -1 | grep -qF "\"Anagrove $version\"" ||
            fail "the manual page of $program does not name Anagrove $version"
    done
    grep -qF "Anagrove $version." "$dir/share/anagrove/anagrove-help.html" ||
        fail "the help page does not name Anagrove $version"
    "$dir/bin/anagrove-find" --check tea >/dev/null || fail "the installed list lacks tea"
    "$dir/bin/anagrove-find" --format json --starts q 'ui*' | grep -q '"word":"quiz"' ||
        fail "the installed anagrove-find found no quiz from the board"
    # The completion script completes options and the words of the options
    # that take one; COMP_WORDS is the line, the last word being completed.
    completions() {
        bash -c '. "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _anagrove_find
                 echo "${COMPREPLY[*]}"' - "$dir/share/bash-completion/completions/anagrove-find" \
            anagrove-find "$@"
    }
    for line in "--so|--sort" "--all|--all-schemes" "--vers|--version" "--then ''|alpha score length" \
        "--sort s|score" "--points l|literati" "--dictionary ''|standard extended" \
        "--format j|json" "--format ''|text tsv json" "--min ''|" "tea|"; do
        got=$(eval "completions ${line%%|*}" | tr -s ' ')
        [ "$got" = "${line#*|}" ] || fail "completing '${line%%|*}' gave '$got'"
    done ;;
metadata)
    need desktop-file-validate appstreamcli
    desktop=$dir/share/applications/$id.desktop metainfo=$dir/share/metainfo/$id.metainfo.xml
    desktop-file-validate "$desktop" || fail "the desktop entry is not valid"
    if ! appstreamcli validate --no-net "$metainfo" >"$work/log" 2>&1 || grep -q '^[EW]:' "$work/log"
    then
        cat "$work/log"
        fail "the metadata is not valid or draws warnings"
    fi
    [ -x "$dir/bin/$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")" ] || fail "Exec: no program"
    [ -f "$dir/share/icons/hicolor/scalable/apps/$(sed -n 's/^Icon=//p' "$desktop").svg" ] ||
        fail "Icon: no installed icon"
    grep -q "<id>$id</id>" "$metainfo" || fail "the metadata's id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop<" "$metainfo" || fail "no launchable"
    grep -q "<release version=\"$version\" date=\"[0-9-]*\"/>" "$metainfo" || fail "no release $version"
    grep -q '<image>https://[^<]*/docs/screenshot.png</image>' "$metainfo" || fail "no screenshot" ;;
package)
    need cpack dpkg-deb dpkg-shlibdeps
    [ -d "$dir/bin/languages" ] || { echo "skipped: no language lists built, and no package without them"; exit 77; }
    # Compressed quickly: the contents are checked here, not the compression.
    cpack -G DEB --config "$dir/CPackConfig.cmake" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip \
        -B "$work/out" >"$work/log" 2>&1 ||
        { cat "$work/log"; exit 1; }
    deb=$(echo "$work"/out/*.deb)
    [ -f "$deb" ] || { echo "cpack made no single package: $deb"; exit 1; }
    [ "$(dpkg-deb -f "$deb" Package)/$(dpkg-deb -f "$deb" Section)" = anagrove/text ] ||
        fail "not the package anagrove in the section text"
    [ "$(dpkg-deb -f "$deb" Version)" = "$version-1" ] || fail "not the version $version-1"
    dpkg-deb -f "$deb" Maintainer | grep -q '^[^<]\+ <[^>]\+@[^>]\+>$' || fail "no maintainer"
    for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins \
        fonts-liberation2; do
        dpkg-deb -f "$deb" Depends | grep -q "\(^\|, \)$package\( \|,\|$\)" || fail "no $package"
    done
    dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./usr/||' >"$work/files"
    expected_files "the packaged files differ from the expected ones" "$dir/bin" "$here/package-files.txt"
    dpkg-deb -x "$deb" "$work/root"
    (cd "$work" && root/usr/bin/anagrove-find tea) | grep -qx 'tea (3)' ||
        fail "the packaged anagrove-find did not find tea"
    same_in_languages "$work/root/usr/bin/anagrove-find" "$dir/bin/anagrove-find"
    if command -v lintian >/dev/null; then
        lintian --fail-on error,warning "$deb" || fail "lintian finds faults in the package"
    else
        echo "lintian is not installed: the package was not checked with it"
    fi ;;
esac
exit $status
