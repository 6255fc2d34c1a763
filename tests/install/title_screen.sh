#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts an installed Vorpin on a virtual X display with a fresh profile, checks that its
# window (of the given WM_CLASS) shows the title screen, a white board with the red
# "Press F2 to begin" line, and closes it through the menu (Alt+G, x) with status 0.
# usage: title_screen.sh <Vorpin> <WM_CLASS class>
set -eu

fail() {
    echo "FAIL: $*" >&2
    for log in "${tmp:-/nonexistent}"/*.log; do
        if [ -s "$log" ]; then
            echo "--- ${log##*/}:" >&2
            cat "$log" >&2
        fi
    done
    exit 1
}

[ $# -eq 2 ] || fail "usage: $0 <Vorpin> <WM_CLASS class>"
[ -x "$1" ] || fail "no game executable at $1"
vorpin=$(realpath "$1")
wm_class=$2

# Runs this script again on a virtual display of its own, as the end-to-end tests do: a
# display that does not start is tried again, a failure of the check itself is not.
if [ -z "${VORPIN_TITLE_STARTED:-}" ]; then
    for tool in xvfb-run xauth xdotool xprop import convert; do
        command -v "$tool" >/dev/null || fail "$tool is not installed (see scripts/install-deps)"
    done
    started=$(mktemp -d)
    trap 'rm -rf "$started"' EXIT
    for attempt in 1 2 3; do
        status=0
        VORPIN_TITLE_STARTED=$started/started \
            xvfb-run -a -s "-screen 0 1024x768x24" "$(realpath "$0")" "$vorpin" "$wm_class" ||
            status=$?
        if [ "$status" -eq 0 ] || [ -e "$started/started" ]; then
            exit "$status"
        fi
        echo "the virtual display did not start (attempt $attempt)" >&2
    done
    fail "xvfb-run could not start a virtual display"
fi
touch "$VORPIN_TITLE_STARTED"

# shellcheck source-path=SCRIPTDIR source=../e2e/screen.sh
. "$(dirname "$(realpath "$0")")/../e2e/screen.sh"

tmp=$(mktemp -d)
vorpin_pid=""
cleanup() {
    [ -z "$vorpin_pid" ] || kill "$vorpin_pid" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

# wait_until SECONDS PROBLEM COMMAND...
wait_until() {
    deadline=$((SECONDS + $1))
    problem=$2
    shift 2
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || fail "$problem"
        sleep 0.1
    done
}

export XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data XDG_RUNTIME_DIR=$tmp/runtime
mkdir "$XDG_CONFIG_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_STYLE_OVERRIDE

(cd "$tmp" && exec "$vorpin") >"$tmp/vorpin-stdout.log" 2>"$tmp/vorpin-stderr.log" &
vorpin_pid=$!

running() {
    kill -0 "$vorpin_pid" 2>/dev/null
}
exited() {
    ! running
}
window_shows() {
    running || fail "Vorpin exited before its window showed"
    window=$(xdotool search --onlyvisible --name '^Tarnwick VORPIN Dice Game$' 2>/dev/null | head -n 1)
    [ -n "$window" ]
}
wait_until 10 "no window \"Tarnwick VORPIN Dice Game\" within 10 s" window_shows

# The desktop entry's StartupWMClass names the window's class, so that a launcher ties
# the window to its entry.
class=$(xprop -id "$window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\(.*\)"$/\1/p')
[ "$class" = "$wm_class" ] || fail "the game's window is of the WM_CLASS class \"$class\", not \"$wm_class\""

geometry=$(xdotool getwindowgeometry --shell "$window")
width=$(echo "$geometry" | sed -n 's/^WIDTH=//p')
height=$(echo "$geometry" | sed -n 's/^HEIGHT=//p')

white='r == 255 && g == 255 && b == 255'
# The board is the only white on the title screen: its left edge is the first white
# pixel half-way down the window, its top the first white pixel just inside that edge.
board_shows() {
    import -window "$window" "$tmp/title.png"
    read -r found board_x _ <<<"$(region "$tmp/title.png" 0 $((height / 2)) "$width" 1 "$white")"
    [ "$found" -gt 0 ] || return 1
    read -r _ _ _ board_y _ <<<"$(region "$tmp/title.png" $((board_x + 1)) 0 1 "$height" "$white")"
}
wait_until 5 "the title screen did not show" board_shows

convert "$tmp/title.png" -crop "500x402+$board_x+$board_y" +repage "$tmp/board.png"
[ "$(count "$tmp/board.png" 0 395 500 1 "$white")" -eq 500 ] ||
    fail "the title screen's board is not white from edge to edge"
# The red "Press F2 to begin", centred on the board below the logo.
read -r reds red_left red_right _ <<<"$(region "$tmp/board.png" 0 100 500 200 'r >= 200 && g <= 80 && b <= 80')"
[ "$reds" -ge 50 ] || fail "no red \"Press F2 to begin\" line on the title screen"
centre=$(((red_left + red_right) / 2))
{ [ "$centre" -ge 250 ] && [ "$centre" -le 260 ]; } ||
    fail "the red line of the title screen is centred on x=$centre, not 255"

timeout 5 xdotool windowfocus --sync "$window" || fail "could not give the window the focus"
windows=$(xdotool search --onlyvisible --pid "$vorpin_pid" | wc -l)
menu_shows() {
    [ "$(xdotool search --onlyvisible --pid "$vorpin_pid" | wc -l)" -gt "$windows" ]
}
xdotool key alt+g
wait_until 5 "the Game menu did not open with Alt+G" menu_shows
xdotool key x
wait_until 10 "Vorpin still runs 10 s after Game > Exit (Alt+G, x)" exited
status=0
wait "$vorpin_pid" || status=$?
vorpin_pid=""
[ "$status" -eq 0 ] || fail "Vorpin exited with status $status after Game > Exit"

echo "PASS: $vorpin showed the title screen and closed with status 0"
