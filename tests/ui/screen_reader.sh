#!/bin/bash
# The real program under Xvfb and openbox with a D-Bus session and the
# accessibility bus, read from outside as a screen reader reads it: the names
# of its controls, and the announcement of a search typed with real keys.
# Exit 77 (skipped) without the tools.
# Usage: screen_reader.sh BIN_DIR
set -u
for tool in xvfb-run openbox wmctrl xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v $tool >/dev/null || [ -x "$tool" ] || { echo "skipped: no $tool"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: no pyatspi"; exit 77; }
export WORK BIN HERE QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
HERE=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cp -r "$1" "$WORK/bin"
BIN=$WORK/bin

cat >"$WORK/session" <<'SESSION'
#!/bin/bash
within() { for _ in $(seq 100); do "$@" 2>/dev/null && return; sleep 0.1; done; false; }
openbox >/dev/null 2>&1 &
within wmctrl -m >/dev/null
"$BIN/anagrove" >"$WORK/log" 2>&1 &
program=$!
within eval 'wmctrl -l | grep -q " Anagrove$"' || { echo "the window did not appear"; exit 1; }
sleep 1 # the start-up load
wmctrl -a Anagrove && sleep 0.3
/usr/bin/python3 "$HERE/accessible_names.py"
status=$?
kill "$program"
exit $status
SESSION
chmod +x "$WORK/session"
xvfb-run -a dbus-run-session -- "$WORK/session" 2> >(grep -v -e dbus-daemon -e SpiRegistry >&2)
