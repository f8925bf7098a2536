#!/bin/sh
# Validates the installed desktop entry and AppStream metadata, and checks that
# they name the installed program, icon and entry.
# Usage: metadata.sh PREFIX. Exit 77 (skipped) when the validators are missing.
set -u
prefix=${1:?usage: metadata.sh PREFIX}
for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done
id=org.anagrove.Anagrove
desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
status=0

desktop-file-validate "$desktop" || status=1
appstreamcli validate --no-net "$metainfo" || status=1

field() { sed -n "s/^$1=//p" "$desktop"; }
[ -x "$prefix/bin/$(field Exec | cut -d' ' -f1)" ] || { echo "Exec names no installed program"; status=1; }
[ -f "$prefix/share/icons/hicolor/scalable/apps/$(field Icon).svg" ] ||
    { echo "Icon names no installed icon"; status=1; }
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    { echo "the metadata does not launch $id.desktop"; status=1; }
grep -q "<id>$id</id>" "$metainfo" || { echo "the metadata's id is not $id"; status=1; }
exit $status
