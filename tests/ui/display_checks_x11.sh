#!/usr/bin/env bash
# Starts the program on a screen too small for it (Xvfb at 640x480) and on one of 8 bits
# per pixel, and checks that it says so in a box (on the small screen one that shows the
# message whole; on 8 bits Qt cannot paint it), on standard error as well, and ends with
# a failing status without writing any settings. Exits 77 (skipped) when Xvfb or xdotool
# is missing.
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
stop() {
    for pid in "$GAME_PID" "$XVFB_PID"; do
        if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null
            wait "$pid" 2>/dev/null
        fi
    done
    GAME_PID=""
    XVFB_PID=""
}
cleanup() {
    stop
    rm -rf "$WORK"
}
trap cleanup EXIT
fail() {
    echo "display checks: $*" >&2
    exit 1
}

# check SCREEN CAPTION MESSAGE [MIN_WIDTH]: one start on an Xvfb screen WxHxDEPTH.
check() {
    local screen=$1 caption=$2 message=$3 min_width=${4:-0}
    rm -rf "${WORK:?}"/*
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
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

    local box=""
    for _ in $(seq 100); do
        box=$(xdotool search --name "^$caption\$" 2>/dev/null | head -1)
        [ -n "$box" ] && break
        kill -0 "$GAME_PID" 2>/dev/null || fail "$screen: the program ended without its box: $(cat "$WORK/err")"
        sleep 0.1
    done
    [ -n "$box" ] || fail "$screen: no \"$caption\" box came up"
    # On the small screen the box is as wide as its longest line, wider than a standard
    # message box would make itself there.
    eval "$(xdotool getwindowgeometry --shell "$box")"
    [ "$WIDTH" -ge "$min_width" ] || fail "$screen: the box is only $WIDTH pixels wide"
    xdotool key --window "$box" Return 2>/dev/null
    for _ in $(seq 100); do
        kill -0 "$GAME_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$GAME_PID" 2>/dev/null && fail "$screen: the program did not end after OK"
    wait "$GAME_PID"
    local status=$?
    GAME_PID=""
    [ "$status" -ne 0 ] || fail "$screen: the program ended with status 0"
    grep -qxF "Quintaro: $caption: $message" "$WORK/err" ||
        fail "$screen: standard error does not carry the message: $(cat "$WORK/err")"
    [ -z "$(find "$WORK/config" "$WORK/data" -type f)" ] || fail "$screen: settings were written"
    stop
    echo "display checks: $screen: the box ($WIDTH pixels wide), standard error and status $status are right"
}

check 640x480x24 "Screen Resolution Error" "Your screen resolution is 640x480. This program \
requires a minimum screen resolution of 800x600. The program will now terminate." 330
check 1024x768x8 "Screen Color Depth Error" "Your color depth is 8 bits per pixel. This program \
requires High Color (16 bits) or greater. The program will now terminate."
