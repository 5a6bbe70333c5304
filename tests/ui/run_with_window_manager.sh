#!/usr/bin/env bash
# Runs a program on its own X server (Xvfb) with a window manager (openbox), the way a
# player's desktop shows the windows: frames, placement, mapping and exposure all go
# through the window manager. Exits 77 (a skipped test) when Xvfb or openbox is missing.
#
#   tests/ui/run_with_window_manager.sh PROGRAM [ARGS...]
set -u

if ! command -v Xvfb >/dev/null 2>&1 || ! command -v openbox >/dev/null 2>&1; then
    echo "Xvfb or openbox is not installed (tools/deps.sh installs them): skipped"
    exit 77
fi

WORK=$(mktemp -d)
XVFB_PID=""
WM_PID=""
cleanup() {
    for pid in "$WM_PID" "$XVFB_PID"; do
        if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null
            wait "$pid" 2>/dev/null
        fi
    done
    rm -rf "$WORK"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
for _ in $(seq 100); do
    [ -s "$WORK/display" ] && break
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
done
if [ ! -s "$WORK/display" ]; then
    echo "Xvfb did not start: $(cat "$WORK/xvfb.log")" >&2
    exit 1
fi
export DISPLAY=":$(head -1 "$WORK/display")"

mkdir -p "$WORK/config" "$WORK/runtime"
chmod 700 "$WORK/runtime"
export XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/runtime"
openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
WM_PID=$!
sleep 1
if ! kill -0 "$WM_PID" 2>/dev/null; then
    echo "openbox did not start: $(cat "$WORK/openbox.log")" >&2
    exit 1
fi

QT_QPA_PLATFORM=xcb "$@"
