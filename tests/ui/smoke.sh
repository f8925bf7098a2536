#!/bin/bash
# The real program under Xvfb and openbox, started from another directory with
# a prepared data.dat: no message comes up beside its window, F1 hands the help
# page to the desktop, closing the window as a user does ends the program, and
# data.dat is written back as read. Exit 77 (skipped) without the X tools.
# Usage: smoke.sh BIN_DIR [--installed]   (installed: used in place, with its
#        data.dat in the user's configuration folder)
set -u
for tool in xvfb-run openbox wmctrl xdotool; do
    command -v $tool >/dev/null || { echo "skipped: no $tool"; exit 77; }
done
export WORK BIN PATH
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK/cwd" "$WORK/fake" "$WORK/config/anagrove"
if [ "${2:-}" = --installed ]; then
    BIN=$(cd "$1" && pwd) settings=$WORK/config/anagrove/data.dat
    help=$(cd "$BIN/../share/anagrove" && pwd)/anagrove-help.html
    export XDG_CONFIG_HOME=$WORK/config
else
    cp -r "$1" "$WORK/bin"
    BIN=$WORK/bin settings=$WORK/bin/data.dat help=$WORK/bin/anagrove-help.html
fi
printf '"sideways","3","7","2","1","extended","true","literati"%s\r\n' \
    "$(for i in $(seq 26); do printf ',"%s"' " $i"; done)" >"$settings"
expected=$(sed 's/"sideways"/"alpha"/' "$settings")
# The desktop's handlers, recorded instead of run.
printf '#!/bin/sh\necho browser.desktop\n' >"$WORK/fake/xdg-mime"
# shellcheck disable=SC2016 # expanded when the fake runs
printf '#!/bin/sh\necho "$1" >>"$WORK/opened"\n' >"$WORK/fake/xdg-open"
chmod +x "$WORK/fake/"*
PATH=$WORK/fake:$PATH

cat >"$WORK/session" <<'SESSION'
#!/bin/bash
within() { for _ in $(seq 100); do "$@" 2>/dev/null && return; sleep 0.1; done; false; }
windows() { wmctrl -l | grep -c ' Anagrove$'; }
shown() { [ "$(windows)" -ge 1 ]; }
ended() { ! kill -0 "$program"; }
openbox >/dev/null 2>&1 &
within wmctrl -m >/dev/null
cd "$WORK/cwd" && "$BIN/anagrove" >"$WORK/log" 2>&1 &
program=$!
within shown || { echo "the window did not appear"; exit 1; }
sleep 1 # the start-up load
[ "$(windows)" -eq 1 ] || { echo "a message came up beside the main window"; exit 1; }
wmctrl -a Anagrove && sleep 0.3 && xdotool key F1 && within test -s "$WORK/opened"
wmctrl -c Anagrove
within ended || { echo "the program did not end when its window was closed"; exit 1; }
wait "$program"
SESSION
chmod +x "$WORK/session"
# Each run looks for a free display from its own start, so that two at once do
# not take the same one.
xvfb-run -a -n $((100 + $$ % 800)) -s '-screen 0 1280x1024x24' "$WORK/session" ||
    { echo "the session failed"; cat "$WORK/log"; exit 1; }

status=0
[ "$(cat "$settings")" = "$expected" ] || { echo "$settings not written back"; status=1; }
[ -e "$BIN/data.dat" ] && [ "${2:-}" ] && { echo "data.dat written beside the program"; status=1; }
opened=$(cat "$WORK/opened" 2>/dev/null)
[ "$opened" = "file://$help" ] || { echo "F1 opened '$opened', not $help"; status=1; }
exit $status
