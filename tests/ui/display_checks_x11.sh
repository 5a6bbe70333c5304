#!/usr/bin/env bash
# Starts the program on a screen too small for it (Xvfb at 640x480) and checks that it
# says so in a box that shows the message whole, on standard error as well, and ends
# with a failing status without writing any settings. Exits 77 (skipped) when Xvfb or
# xdotool is missing.
#
#   tests/ui/display_checks_x11.sh PATH/TO/quintaro
set -u
PROGRAM=$(realpath "$1")

if ! command -v Xvfb >/dev/null 2>&1 || ! command -v xdotool >/dev/null 2>&1; then
    echo "Xvfb or xdotool is not installed (tools/deps.sh installs them): skipped"
    exit 77
fi

WORK=$(mktemp -d)
XVFB_PID=""
GAME_PID=""
cleanup() {
    for pid in "$GAME_PID" "$XVFB_PID"; do
        if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null
            wait "$pid" 2>/dev/null
        fi
    done
    rm -rf "$WORK"
}
trap cleanup EXIT
fail() {
    echo "display checks: $*" >&2
    exit 1
}

Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
for _ in $(seq 100); do
    [ -s "$WORK/display" ] && break
    sleep 0.1
done
[ -s "$WORK/display" ] || fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"
export DISPLAY=":$(head -1 "$WORK/display")"

mkdir -p "$WORK/config" "$WORK/data" "$WORK/runtime"
chmod 700 "$WORK/runtime"
(cd "$WORK" && QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data" \
    XDG_RUNTIME_DIR="$WORK/runtime" exec "$PROGRAM" >"$WORK/out" 2>"$WORK/err") &
GAME_PID=$!

BOX=""
for _ in $(seq 100); do
    BOX=$(xdotool search --onlyvisible --name '^Screen Resolution Error$' 2>/dev/null | head -1)
    [ -n "$BOX" ] && break
    kill -0 "$GAME_PID" 2>/dev/null || fail "the program ended without its box: $(cat "$WORK/err")"
    sleep 0.1
done
[ -n "$BOX" ] || fail "no \"Screen Resolution Error\" box came up"
# The box is as wide as its longest line, which is wider than a standard message box
# on this screen would be.
eval "$(xdotool getwindowgeometry --shell "$BOX")"
[ "$WIDTH" -ge 330 ] || fail "the box is only $WIDTH pixels wide"
xdotool windowactivate --sync "$BOX" >/dev/null 2>&1 || true
xdotool key --window "$BOX" Return 2>/dev/null
for _ in $(seq 100); do
    kill -0 "$GAME_PID" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$GAME_PID" 2>/dev/null && fail "the program did not end after OK"
wait "$GAME_PID"
STATUS=$?
GAME_PID=""
[ "$STATUS" -ne 0 ] || fail "the program ended with status 0"
grep -q "^Quintaro: Screen Resolution Error: Your screen resolution is 640x480. This program requires a minimum screen resolution of 800x600. The program will now terminate.$" "$WORK/err" ||
    fail "standard error does not carry the message: $(cat "$WORK/err")"
[ -z "$(find "$WORK/config" "$WORK/data" -type f)" ] || fail "settings were written"
echo "display checks: the box ($WIDTH pixels wide), standard error and status $STATUS are right"
