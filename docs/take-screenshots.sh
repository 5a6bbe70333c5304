#!/usr/bin/env bash
# Plays Quintaro as a new player would and photographs its windows under a real X server.
#
# Starts Xvfb with a small window manager, runs ./play.sh (which builds the game) with an
# empty settings folder, drives the game with synthetic keys and clicks, and writes PNGs to
# build/screenshots-x11/: the main menu, a help page, the about box, the bills dialog,
# Jacks or Better while holding, the strategy table, the Show Mistakes panel, a winning
# hand at game over, the statistics page, the hand builder, the credit meter's hint, the
# game's command menu and help, and Deuces Wild on a pay table of the player's own (its
# panel, its strategy table, its pay table analysis) and at game over, and the pay table
# editor. Each shot is kept twice: NAME.png is the whole screen (to see where a window
# stands), NAME-window.png the active window with its frame. The exact engine's windows are photographed too: the strategy table with the pay
# table's returns, the pay table analysis opened from it with each of its charts, the
# mistake panel with its figures, and the hold values of a hand from the table (at game
# over, with the hold drawn) and from the builder, and the training record's mistakes
# window, practice drill and training progress.
# At the end it leaves with Ctrl+X from the menu and checks that the program exited with
# status 0 and wrote its settings file (copied to build/screenshots-x11/Quintaro.ini).
#
#   docs/take-screenshots.sh                 # take the shots
#   docs/take-screenshots.sh --update-docs   # and copy the README's pictures into docs/
#
# Needs: xvfb (tools/deps.sh), xdotool, imagemagick and openbox (installed here when
# missing, through sudo when not root). Exits non-zero when any step fails.
set -euo pipefail

cd "$(dirname "$0")/.."
ROOT=$(pwd)
OUT="$ROOT/build/screenshots-x11"
UPDATE_DOCS=0
for arg in "$@"; do
    case "$arg" in
    --update-docs) UPDATE_DOCS=1 ;;
    *)
        echo "usage: $0 [--update-docs]" >&2
        exit 2
        ;;
    esac
done

# ---------------------------------------------------------------- tools of this script only
tools/deps.sh xvfb xauth xdotool imagemagick openbox
# ImageMagick's own binaries, not whatever else is called convert on the PATH.
CONVERT=/usr/bin/convert
IMPORT=/usr/bin/import

# ---------------------------------------------------------------- X server and clean-up
SCREEN_W=1024
SCREEN_H=768
mkdir -p "$OUT"
rm -f "$OUT"/*.png "$OUT"/Quintaro.ini
WORK=$(mktemp -d)
XVFB_PID=""
WM_PID=""
GAME_PID=""

cleanup() {
    local rc=$?
    for pid in "$GAME_PID" "$WM_PID" "$XVFB_PID"; do
        if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    rm -rf "$WORK"
    if [ "$rc" -ne 0 ]; then echo "take-screenshots: FAILED (status $rc)" >&2; fi
    exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fail() {
    echo "take-screenshots: $*" >&2
    if [ -n "${DISPLAY:-}" ]; then "$IMPORT" -window root "$OUT/failure.png" 2>/dev/null || true; fi
    exit 1
}

display=99
while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do
    display=$((display + 1))
done
Xvfb ":$display" -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
export DISPLAY=":$display"
for _ in $(seq 100); do
    if xdotool getdisplaygeometry >/dev/null 2>&1; then break; fi
    kill -0 "$XVFB_PID" 2>/dev/null || fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"
    sleep 0.1
done
xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb did not answer"

openbox >"$WORK/openbox.log" 2>&1 &
WM_PID=$!
sleep 1

# ---------------------------------------------------------------- helpers
active() { xdotool getactivewindow 2>/dev/null || echo 0; }

# Waits until the active window is no longer $1 and prints the new one.
wait_new_active() {
    local old=$1 what=$2 limit=${3:-15} w
    for _ in $(seq $((limit * 10))); do
        w=$(active)
        if [ "$w" != "$old" ] && [ "$w" != 0 ]; then
            sleep 0.6 # let it paint
            echo "$w"
            return 0
        fi
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended while waiting for $what"
        sleep 0.1
    done
    fail "no window came up for $what"
}

# Waits until window $1 is the active one again.
wait_active_is() {
    local want=$1 what=$2
    for _ in $(seq 100); do
        if [ "$(active)" = "$want" ]; then
            sleep 0.4
            return 0
        fi
        sleep 0.1
    done
    fail "the window did not come back after $what"
}

# shot NAME: the whole screen, and the active window with its frame.
shot() {
    local name=$1 w
    "$IMPORT" -window root "$OUT/$name.png"
    w=$(active)
    if [ "$w" != 0 ]; then "$IMPORT" -frame -window "$w" "$OUT/$name-window.png" 2>/dev/null || true; fi
    echo "  $name.png"
}

# Prints the colour of pixel x,y of window $1 as "r g b".
pixel() {
    "$IMPORT" -window "$1" "$WORK/px.png"
    "$CONVERT" "$WORK/px.png" -crop "1x1+$2+$3" +repage -depth 8 rgb:- | od -An -tu1 | xargs
}

# A checksum of a region (WxH+X+Y) of window $1.
region_sum() {
    "$IMPORT" -window "$1" "$WORK/region.png"
    "$CONVERT" "$WORK/region.png" -crop "$2" +repage -depth 8 rgb:- | md5sum
}

# Waits until the card area and the credit meter of game screen $1 stop changing.
wait_table_still() {
    local w=$1 a b
    sleep 0.6
    a="$(region_sum "$w" 700x180+46+271)$(region_sum "$w" 165x42+391+466)"
    for _ in $(seq 600); do
        sleep 0.5
        b="$(region_sum "$w" 700x180+46+271)$(region_sum "$w" 165x42+391+466)"
        if [ "$a" = "$b" ]; then return 0; fi
        a=$b
    done
    fail "the table never came to rest"
}

# The Show Mistakes panel is purple where the HELP button would be.
mistake_panel_up() {
    local r g b
    read -r r g b < <(pixel "$1" 30 540)
    [ "$r" -gt 100 ] && [ "$g" -lt 60 ] && [ "$b" -gt 100 ]
}

# A win shows the wooden win panel over the gap between the first two cards, where the
# felt is green otherwise.
win_shown() {
    local r g b
    read -r r g b < <(pixel "$1" 178 400)
    [ "$r" -gt "$g" ]
}

# Deals (MAX BET) and draws with the holds Auto Hold sets until a hand wins.
play_until_win() {
    local w=$1 hands=$2
    for i in $(seq "$hands"); do
        xdotool key b
        wait_table_still "$w"
        xdotool key space
        wait_table_still "$w"
        if win_shown "$w"; then
            echo "  a win after $i hand(s)"
            return 0
        fi
    done
    fail "no winning hand in $hands hands"
}

key_and_wait() {
    local from=$1 what=$2
    shift 2
    xdotool key "$@"
    wait_new_active "$from" "$what"
}

# ---------------------------------------------------------------- the game, as a new player
CONFIG="$WORK/config"
DATA="$WORK/data"
RUNTIME="$WORK/runtime"
mkdir -p "$CONFIG" "$DATA" "$RUNTIME"
chmod 700 "$RUNTIME"
# A pay table of the player's own, six figures wide, in force for Deuces Wild.
mkdir -p "$CONFIG/Quintaro"
cat >"$CONFIG/Quintaro/PayTables.ini" <<'TABLES'
[Pay Table]
Game=DeucesPoker
Name=Six figures
Pays=1,2,2,3,5,9,15,25,99999,250
FiveCoins=1,2,2,3,5,9,15,25,99999,800
TABLES
printf '[DeucesPoker]\nAltPayTable=0\nPayTableName=Six figures\n' >"$CONFIG/Quintaro/Quintaro.ini"
echo "Building and starting the game with ./play.sh (log: $OUT/play.log)"
XDG_CONFIG_HOME="$CONFIG" XDG_DATA_HOME="$DATA" XDG_RUNTIME_DIR="$RUNTIME" ./play.sh >"$OUT/play.log" 2>&1 &
GAME_PID=$!

# play.sh builds first: allow it time.
MENU=0
for _ in $(seq 3600); do
    MENU=$(xdotool search --onlyvisible --name '^Quintaro$' 2>/dev/null | head -1 || true)
    if [ -n "$MENU" ]; then break; fi
    kill -0 "$GAME_PID" 2>/dev/null || fail "./play.sh ended before the menu came up (see $OUT/play.log)"
    sleep 0.5
done
[ -n "$MENU" ] || fail "the menu never came up"
xdotool windowactivate --sync "$MENU" 2>/dev/null || true
wait_active_is "$MENU" "start-up"
sleep 1
echo "Menu is up"
shot 01-menu

HELP=$(key_and_wait "$MENU" "the menu help (F1)" F1)
shot 02-menu-help
xdotool key Escape
wait_active_is "$MENU" "the menu help"

# The command menu opens on the right button, between the game buttons.
xdotool mousemove --window "$MENU" 400 150 click 3
sleep 0.8
shot 03-menu-command-menu
ABOUT=$(key_and_wait "$MENU" "the about box" a)
shot 04-about
xdotool key Return
wait_active_is "$MENU" "the about box"

BILLS=$(key_and_wait "$MENU" "the bills dialog (F2)" F2)
xdotool key 2 3 # a $5 and a $10 bill
sleep 0.5
shot 05-bills
xdotool key Return
wait_active_is "$MENU" "the bills dialog"

# Jacks or Better is the selected game on a first start.
JACKS=$(key_and_wait "$MENU" "Jacks or Better" Return)
shot 06-jacks-opening

# The first hand: Show Mistakes is on for a new player. Deal, look at the strategy table,
# then draw holding nothing, which the expert strategy nearly always calls a mistake.
found_mistake=0
for i in $(seq 6); do
    xdotool key b
    wait_table_still "$JACKS"
    if [ "$i" = 1 ]; then
        shot 07-jacks-holding
        TABLE=$(key_and_wait "$JACKS" "the strategy table (F9)" F9)
        shot 08-strategy-table
        # The pay table analysis from the strategy table (Alt+A), each chart in turn.
        key_and_wait "$TABLE" "the pay table analysis (Alt+A)" alt+a >/dev/null
        sleep 4
        shot 08b-pay-table-analysis
        xdotool key alt+u
        sleep 1
        shot 08c-pay-table-analysis-ruin
        xdotool key alt+s
        sleep 1
        shot 08d-pay-table-analysis-sessions
        xdotool key Escape
        wait_active_is "$TABLE" "the pay table analysis"
        xdotool key Escape
        wait_active_is "$JACKS" "the strategy table"
    fi
    xdotool key space
    sleep 1
    if mistake_panel_up "$JACKS"; then
        shot 09-show-mistakes
        found_mistake=1
        xdotool key Return # Continue: draw as held
    fi
    wait_table_still "$JACKS"
    if [ "$found_mistake" = 1 ]; then break; fi
done
[ "$found_mistake" = 1 ] || fail "the Show Mistakes panel never came up"

# Hold Values (F11) at game over: the hand as dealt, with the hold drawn marked.
key_and_wait "$JACKS" "the hold values (F11)" F11 >/dev/null
shot 09b-hold-values-table
xdotool key Escape
wait_active_is "$JACKS" "the hold values"

# Auto Hold from here on (F5 works at game over), until a hand wins.
xdotool key F5
sleep 0.3
play_until_win "$JACKS" 40
shot 10-jacks-win

key_and_wait "$JACKS" "the statistics page (F10)" F10 >/dev/null
shot 11-statistics
xdotool key Escape
wait_active_is "$JACKS" "the statistics page"

BUILDER=$(key_and_wait "$JACKS" "the hand builder (F8)" F8)
# King, Queen, Jack and Ten of hearts and the Four of spades: columns Ace..King, rows
# hearts, diamonds, clubs, spades.
for cell in "12 45" "11 45" "10 45" "9 45" "3 205"; do
    read -r col top <<<"$cell"
    xdotool mousemove --window "$BUILDER" $((21 + 40 * col + 17)) $((top + 23)) click 1
    sleep 0.3
done
xdotool mousemove --window "$BUILDER" 540 20
sleep 0.6
shot 12-hand-builder
# The builder's "Hold Values..." button, right of the result.
xdotool mousemove --window "$BUILDER" $((424 + 63)) $((401 + 15)) click 1
wait_new_active "$BUILDER" "the hold values of the built hand" >/dev/null
shot 12b-hold-values-builder
xdotool key Escape
wait_active_is "$BUILDER" "the hold values of the built hand"
xdotool key Escape
wait_active_is "$JACKS" "the hand builder"

# The training record: the mistakes of this game (seventh item of the command menu) and the
# practice drill (F12) on them.
xdotool mousemove --window "$JACKS" 400 250 click 3
sleep 0.8
key_and_wait "$JACKS" "the mistakes window" Down Down Down Down Down Down Down Return >/dev/null
sleep 0.5
shot 12c-mistakes
xdotool key Escape
wait_active_is "$JACKS" "the mistakes window"
key_and_wait "$JACKS" "the practice drill (F12)" F12 >/dev/null
sleep 0.5
xdotool key Return
sleep 0.8
shot 12d-practice-drill
xdotool key Escape
wait_active_is "$JACKS" "the practice drill"

# The training progress (the item after the mistakes): grades, chart and costly kinds.
xdotool mousemove --window "$JACKS" 400 250 click 3
sleep 0.8
key_and_wait "$JACKS" "the training progress" Down Down Down Down Down Down Down Return >/dev/null
sleep 1.5
shot 12e-training-progress
xdotool key Escape
wait_active_is "$JACKS" "the training progress"

# The credit meter's hint gives the money value.
xdotool mousemove --window "$JACKS" 470 487
sleep 0.3
xdotool mousemove --window "$JACKS" 472 488
sleep 2
shot 13-jacks-credit-hint
xdotool mousemove --window "$JACKS" 400 20
sleep 0.3

# The game's command menu (right button) and the game help (F1).
xdotool mousemove --window "$JACKS" 400 250 click 3
sleep 0.8
shot 14-jacks-command-menu
xdotool key Escape
sleep 0.5
key_and_wait "$JACKS" "the game help (F1)" F1 >/dev/null
shot 15-game-help
xdotool key Escape
wait_active_is "$JACKS" "the game help"

# X at game over is the MENU button.
xdotool key x
wait_active_is "$MENU" "leaving Jacks or Better"
sleep 0.5
xdotool key Right Right Right # Deuces Wild
sleep 0.5
DEUCES=$(key_and_wait "$MENU" "Deuces Wild" Return)
sleep 0.5
shot 16a-deuces-own-pay-table
key_and_wait "$DEUCES" "the strategy table of the own table (F9)" F9 >/dev/null
sleep 3 # its list is generated on a worker
OWNTABLE=$(active)
shot 16b-strategy-table-own-pay-table
key_and_wait "$OWNTABLE" "the pay table analysis of the own table (Alt+A)" alt+a >/dev/null
sleep 4
shot 16c-pay-table-analysis-own-pay-table
xdotool key Escape
wait_active_is "$OWNTABLE" "the pay table analysis of the own table"
xdotool key Escape
wait_active_is "$DEUCES" "the strategy table of the own table"
play_until_win "$DEUCES" 40
shot 16-deuces-win
xdotool key x
wait_active_is "$MENU" "leaving Deuces Wild"
sleep 1
shot 17-menu-after-play

# The pay table editor from the menu's command menu (its eighth item), on the last game.
xdotool mousemove --window "$MENU" 400 150 click 3
sleep 0.8
key_and_wait "$MENU" "the pay table editor" Down Down Down Down Down Down Down Down Return >/dev/null
sleep 1.5
shot 18-pay-table-editor
xdotool key Escape
wait_active_is "$MENU" "the pay table editor"
sleep 0.5

# ---------------------------------------------------------------- leaving
xdotool key ctrl+x
status=""
for _ in $(seq 100); do
    if ! kill -0 "$GAME_PID" 2>/dev/null; then
        set +e
        wait "$GAME_PID"
        status=$?
        set -e
        break
    fi
    sleep 0.1
done
GAME_PID=""
[ -n "$status" ] || fail "the program did not end on Ctrl+X"
[ "$status" = 0 ] || fail "the program ended with status $status"
INI="$CONFIG/Quintaro/Quintaro.ini"
[ -s "$INI" ] || fail "no settings file at $INI"
cp "$INI" "$OUT/Quintaro.ini"
echo "Program ended with status 0; settings file:"
sed 's/^/  /' "$INI"
echo

if [ "$UPDATE_DOCS" = 1 ]; then
    # The README's pictures: the window alone, without the capture's metadata.
    for pair in "17-menu-after-play-window:screenshot-menu" "10-jacks-win-window:screenshot-jacks-win" \
        "12-hand-builder-window:screenshot-hand-builder" "16-deuces-win-window:screenshot-deuces"; do
        from=${pair%%:*}
        to=${pair##*:}
        "$CONVERT" "$OUT/$from.png" -strip -define png:compression-level=9 "$ROOT/docs/$to.png"
        echo "  docs/$to.png ($(stat -c %s "$ROOT/docs/$to.png") bytes)"
    done
fi
echo "Screenshots in $OUT"
