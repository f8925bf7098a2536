#!/bin/bash
# The real program under Xvfb and openbox, started from another directory with
# a prepared data.dat, driven by real key presses: no message comes up beside
# its window; two Tab cycles through the window; the accelerator of the
# selected sort option, then "Find Words", lists words that a lookup can take;
# Down on the selected last sort option stays in its group; a lookup that a
# stand-in opener finds no way to open brings up the association message; F1
# hands the help page to the desktop; closing the window as a user does ends
# the program, and data.dat is written back with what the keys changed. Exit
# 77 (skipped) without the X tools.
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
    # The program and its English data; not the other languages' large lists.
    mkdir "$WORK/bin" && tar -C "$1" --exclude=./languages -cf - . | tar -C "$WORK/bin" -xf -
    BIN=$WORK/bin settings=$WORK/bin/data.dat help=$WORK/bin/anagrove-help.html
fi
printf '"score","1","7","1","1","extended","true","literati"%s\r\n' \
    "$(for i in $(seq 26); do printf ',"%s"' " $i"; done)" >"$settings"
# Tab to "(no maximum limit)" and Space; Up from the score order.
expected=$(sed 's/"score","1","7","1"/"length","1","7","2"/' "$settings")
# A desktop whose xdg-open records the addresses instead of opening them, and
# ends with the status in $WORK/status (3: no method available).
# shellcheck disable=SC2016 # expanded when the fake runs
printf '#!/bin/sh\necho "$1" >>"$WORK/opened"\nexit "$(cat "$WORK/status" 2>/dev/null || echo 0)"\n' \
    >"$WORK/fake/xdg-open"
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
keys() { xdotool key --delay 40 "$@" && sleep 0.3; }
fail() { echo "$1"; wmctrl -c Anagrove; exit 1; }
wmctrl -a Anagrove && sleep 0.3
# Alt+S on the selected score order, then Alt+F, must list words: select the
# first with the arrows and look it up.
keys alt+l t e a alt+s alt+f alt+w Down Down
# The lookup buttons follow the selection at the next tick of a timer: on a
# busy machine the first Alt+D may come before it.
within eval 'keys alt+d; test -s "$WORK/opened"' || fail "no word was listed to look up"
# No method available at all: the association message.
echo 3 >"$WORK/status"
keys alt+h
within test "$(wmctrl -l | grep -c ' Browser Unavailable$')" -eq 1 ||
    fail "no association message"
keys Return
echo 0 >"$WORK/status"
wmctrl -a Anagrove && sleep 0.3
# Two whole cycles of the 16 Tab stops (the lookups are enabled now), then 6
# more: "(no maximum limit)".
keys alt+l $(printf 'Tab %.0s' $(seq 38)) space
# Down on the selected last sort option stays there; Up selects the length order.
keys alt+s Down Up
wmctrl -a Anagrove && sleep 0.3 && keys F1
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
opened=$(uniq "$WORK/opened" 2>/dev/null)
# The word looked up is the second in score order of whatever the shipped
# list finds for "tea".
word=$(sed -n 's|^https://www.dictionary.com/search?q=\([a-z]\{1,3\}\)$|\1|p' <<<"$opened")
expected_opened="https://www.dictionary.com/search?q=$word
https://www.thesaurus.com/search?q=$word
file://$help"
[ "$word" ] && [ "$opened" = "$expected_opened" ] ||
    { echo "opened '$opened', not the lookups of one word and $help"; status=1; }
exit $status
