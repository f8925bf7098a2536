#!/bin/bash
# Starts the real program under Xvfb with a window manager, from another
# working directory, with a prepared data.dat; checks that its list loaded (no
# message window beside the main one), presses F1 and checks which help page
# the desktop was asked to open, closes the window as a user would, and checks
# the settings file it writes back.
# Usage: smoke.sh BIN_DIR             a copy of the build's bin directory, which
#                                     keeps data.dat and the help page beside it
#        smoke.sh BIN_DIR --installed BIN_DIR's program in place, an installed
#                                     copy: data.dat in the user's configuration
#                                     folder, the help page in ../share/anagrove
# Exit 77 (skipped) when the X tools are missing.
set -u

bin_dir=${1:?usage: smoke.sh BIN_DIR [--installed]}
mode=${2:-}
for tool in xvfb-run openbox wmctrl xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/cwd" "$work/fakebin"
if [ "$mode" = --installed ]; then
    bin=$(cd "$bin_dir" && pwd)
    export XDG_CONFIG_HOME="$work/config"
    settings_dir="$XDG_CONFIG_HOME/anagrove"
    help_page=$(cd "$bin/../share/anagrove" && pwd)/anagrove-help.html
    mkdir -p "$settings_dir"
else
    cp -r "$bin_dir" "$work/bin"
    bin="$work/bin"
    settings_dir="$bin"
    help_page="$bin/anagrove-help.html"
fi
settings="$settings_dir/data.dat"
printf '"sideways","3","7","2","1","extended","true","literati"' >"$settings"
for i in $(seq 26); do printf ',"%s"' " $i" >>"$settings"; done
printf '\r\n' >>"$settings"
expected=$(sed 's/"sideways"/"alpha"/' "$settings")

# The desktop's handlers, recorded instead of run.
printf '#!/bin/sh\necho browser.desktop\n' >"$work/fakebin/xdg-mime"
printf '#!/bin/sh\necho "$1" >>"%s"\n' "$work/opened" >"$work/fakebin/xdg-open"
chmod +x "$work/fakebin/"*
export PATH="$work/fakebin:$PATH"

cat >"$work/session.sh" <<'SESSION'
#!/bin/bash
bin=$1 work=$2
openbox >/dev/null 2>&1 &
wm=$!
for _ in $(seq 50); do
    wmctrl -m >/dev/null 2>&1 && break # the window manager is up
    sleep 0.1
done
cd "$work/cwd" && "$bin/anagrove" >"$work/program.log" 2>&1 &
program=$!
fail() {
    echo "$1"
    kill "$program" "$wm"
    exit 1
}
windows() { wmctrl -l 2>/dev/null | grep -c ' Anagrove$'; }
for _ in $(seq 100); do
    [ "$(windows)" -ge 1 ] && break
    sleep 0.1
done
[ "$(windows)" -ge 1 ] || fail "the window did not appear"
sleep 1 # the start-up load
[ "$(windows)" -eq 1 ] || fail "a message window came up beside the main window"
wmctrl -a Anagrove && sleep 0.3 && xdotool key F1
for _ in $(seq 50); do
    [ -s "$work/opened" ] && break
    sleep 0.1
done
wmctrl -c Anagrove
for _ in $(seq 100); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program" 2>/dev/null && fail "the program did not end when its window was closed"
wait "$program"
status=$?
kill "$wm"
exit $status
SESSION
chmod +x "$work/session.sh"

# xvfb-run -a takes the first free display from -n on, and two runs at once can
# take the same one: each run starts its search elsewhere.
display=$((100 + $$ % 800))
if ! xvfb-run -a -n $display -s '-screen 0 1280x1024x24' "$work/session.sh" "$bin" "$work"; then
    echo "the session failed"
    cat "$work/program.log"
    exit 1
fi

status=0
actual=$(cat "$settings")
if [ "$actual" != "$expected" ]; then
    echo "$settings was not written back as read:"
    echo "expected: $expected"
    echo "actual:   $actual"
    status=1
fi
if [ "$mode" = --installed ] && [ -e "$bin/data.dat" ]; then
    echo "an installed copy wrote data.dat beside itself"
    status=1
fi
opened=$(cat "$work/opened" 2>/dev/null)
if [ "$opened" != "file://$help_page" ]; then
    echo "F1 opened '$opened', not file://$help_page"
    status=1
fi
[ $status -eq 0 ] && echo "settings written back in $settings_dir; help page $help_page"
exit $status
