#!/bin/bash
# Starts the real program under Xvfb with a window manager, from a copy of the
# build's bin directory holding a prepared data.dat, closes its window as a
# user would, and checks the settings file it writes back.
# Usage: smoke.sh BIN_DIR. Exit 77 (skipped) when the X tools are missing.
set -u

bin_dir=${1:?usage: smoke.sh BIN_DIR}
for tool in xvfb-run openbox wmctrl; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$bin_dir" "$work/bin"
printf '"sideways","3","7","2","1","extended","true","literati"' >"$work/bin/data.dat"
for i in $(seq 26); do printf ',"%s"' " $i" >>"$work/bin/data.dat"; done
printf '\r\n' >>"$work/bin/data.dat"
expected=$(sed 's/"sideways"/"alpha"/' "$work/bin/data.dat")

cat >"$work/session.sh" <<'SESSION'
#!/bin/bash
bin=$1
openbox >/dev/null 2>&1 &
wm=$!
"$bin/anagrove" >"$bin/../program.log" 2>&1 &
program=$!
found=""
for _ in $(seq 100); do
    if wmctrl -l 2>/dev/null | grep -q ' Anagrove$'; then found=yes; break; fi
    sleep 0.1
done
if [ -z "$found" ]; then
    echo "the window did not appear"
    kill "$program" "$wm"
    exit 1
fi
sleep 1 # the start-up load
wmctrl -c Anagrove
for _ in $(seq 100); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$program" 2>/dev/null; then
    echo "the program did not end when its window was closed"
    kill "$program" "$wm"
    exit 1
fi
wait "$program"
status=$?
kill "$wm"
exit $status
SESSION
chmod +x "$work/session.sh"

if ! xvfb-run -a -s '-screen 0 1280x1024x24' "$work/session.sh" "$work/bin"; then
    echo "the session failed"
    cat "$work/program.log"
    exit 1
fi

actual=$(cat "$work/bin/data.dat")
if [ "$actual" != "$expected" ]; then
    echo "data.dat was not written back as read:"
    echo "expected: $expected"
    echo "actual:   $actual"
    exit 1
fi
echo "data.dat written back: $actual"
