#!/bin/sh
# The Debian package on a clean Debian 12 system, as a user gets it: apt installs
# it into a copy of a minimal Debian 12 root, fetching its dependencies, and the
# menu entry, both programs (anagrove-find in Spanish too, and every language
# listed with its words), both manual pages and (when the package has one) the
# completion script are checked there. Needs root and Debian's package
# archive, so it is run by hand rather than by ctest:
#   tests/install/clean-root.sh build/release/anagrove_*.deb [ROOT]
# ROOT is a tree made by `debootstrap --variant=minbase bookworm ROOT`; it is
# made when missing and only ever copied, never changed.
set -eu
deb=$(realpath "${1:?usage: clean-root.sh PACKAGE.deb [ROOT]}")
root=${2:-/var/tmp/anagrove-bookworm}
[ -d "$root" ] || debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
work=$(mktemp -d)
trap 'umount "$work/root/proc" 2>/dev/null; rm -rf "$work"' EXIT
cp -a "$root" "$work/root"
mount -t proc proc "$work/root/proc" # the programs find their word lists through /proc/self/exe
cp "$deb" "$work/root/tmp/anagrove.deb"
cp /etc/resolv.conf "$work/root/etc/resolv.conf"
chroot "$work/root" sh -c 'apt-get update -qq &&
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq ./tmp/anagrove.deb' >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; exit 1; }

# shellcheck disable=SC2016 # expanded inside the installed system
chroot "$work/root" env -i PATH=/usr/bin:/bin HOME=/tmp/home sh -eu -c '
    status=0
    fail() { echo "$*"; status=1; }
    mkdir -p "$HOME"
    desktop=/usr/share/applications/org.anagrove.Anagrove.desktop
    program=$(sed -n "s/^Exec=\([^ ]*\).*/\1/p" "$desktop")
    [ "$(command -v "$program")" = /usr/bin/anagrove ] || fail "the menu entry runs no installed program"
    [ -f "/usr/share/icons/hicolor/scalable/apps/$(sed -n "s/^Icon=//p" "$desktop").svg" ] ||
        fail "the menu entry has no icon"
    # The window opens and stays open until it is ended.
    ended=0
    QT_QPA_PLATFORM=offscreen timeout 5 anagrove >/tmp/window.log 2>&1 || ended=$?
    [ $ended -eq 124 ] || { cat /tmp/window.log; fail "anagrove ended by itself ($ended)"; }
    for page in anagrove anagrove-find; do
        "$page" --version | grep -q "^$page [0-9]" || fail "$page --version"
        gzip -dc "/usr/share/man/man1/$page.1.gz" | grep -q "^\.TH" || fail "no manual page of $page"
    done
    (cd /tmp && anagrove-find tea) | grep -qx "tea (3)" || fail "anagrove-find did not find tea"
    (cd /tmp && anagrove-find --language es "[ch]ao*") | grep -qx "chao (7)" ||
        fail "anagrove-find did not find the Spanish chao"
    anagrove-find --list-languages | awk -F "\t" "\$3 !~ /^[1-9][0-9]*\$/ { exit 1 }" ||
        fail "anagrove-find does not list every language with its words"
    completion=$(dpkg -L anagrove | grep completion || true)
    if [ -n "$completion" ]; then
        echo "$completion" | grep -qx /usr/share/bash-completion/completions/anagrove-find ||
            fail "the completion script is not where bash-completion reads it: $completion"
    else
        echo "the package holds no completion script"
    fi
    [ $status -eq 0 ] && echo "the package works on a clean Debian 12 system"
    exit $status'
