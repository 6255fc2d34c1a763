#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every window the game opens lies wholly on the screen, under openbox, at the scale
# factors 1, 1.25, 1.5 and 2: the Coach, opened with F3 (beside the board, and on the
# large screen not over it) or opening at a place kept from a larger screen;
# Statistics; the high-score table; the dice colour.
# usage: window_placement.sh <Vorpin> <WIDTHxHEIGHT>
set -eu
fail() {
    echo "FAIL: scale ${scale:-}: $*" >&2
    cat "$tmp/err" >&2 2>/dev/null || true
    exit 1
}
if [ ! -x "${1:-}" ] || [[ ! "${2:-}" =~ ^[0-9]+x[0-9]+$ ]]; then
    fail "usage: $0 <Vorpin> <WIDTHxHEIGHT>"
fi
# shellcheck source-path=SCRIPTDIR source=session.sh
. "$(dirname "$(realpath "$0")")/session.sh"
VORPIN_E2E_SCREEN=$2x24 on_own_display "$(realpath "$0")" "$(realpath "$1")" "$2"
needs openbox xwininfo
vorpin=$1
width=${2%x*} height=${2#*x}

tmp=$(mktemp -d)
pid="" openbox_pid=""
trap 'kill $pid $openbox_pid 2>/dev/null || true; wait; rm -rf "$tmp"' EXIT
fresh_profile "$tmp"
export XDG_DATA_HOME=$tmp/data
start_openbox "$tmp"

# frame_inside: the frame of window $found lies wholly on the screen; its place in $placed.
frame_inside() {
    local x y w h
    read -r x y w h <<<"$(frame_geometry "$found")"
    placed="${w}x$h at ($x,$y)"
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$width" ] && [ $((y + h)) -le "$height" ]
}
# on_screen NAME: the visible window titled NAME has its whole frame on the screen once
# the window manager has settled it (on a loaded machine that may take a moment).
on_screen() {
    wait_until 10 "no window \"$1\"" visible_window "$1"
    placed=""
    for _ in $(seq 50); do
        sleep 0.2
        frame_inside && return
    done
    fail "the frame of \"$1\", $placed, is not wholly on the ${width}x$height screen"
}
menu_item() {
    xdotool windowactivate --sync "$window"
    open_menu alt+v
    xdotool key "$1"
}

# beside_board: the Coach's frame starts right of the board's or ends left of it.
beside_board() {
    local bx bw cx cw
    read -r bx _ bw _ <<<"$(frame_geometry "$window")"
    read -r cx _ cw _ <<<"$(frame_geometry "$found")"
    [ "$cx" -ge $((bx + bw)) ] || [ $((cx + cw)) -le "$bx" ] ||
        fail "the Coach lies over the board: $(frame_geometry "$found"), the board $(frame_geometry "$window")"
}

places=$XDG_CONFIG_HOME/Tarnwick/"Vorpin Coach.conf"
mkdir -p "$XDG_CONFIG_HOME/Tarnwick"
for scale in 1 1.25 1.5 2; do
    rm -f "$places"
    if [ "$scale" = 1.25 ] || [ "$scale" = 2 ]; then
        # The Coach was left open on a screen twice as large.
        printf '[Coach]\nOpen=1\nLeft=%d\nTop=%d\n' $((width * 2 - 300)) $((height * 2 - 200)) \
            >"$places"
    fi
    QT_SCALE_FACTOR=$scale "$vorpin" >"$tmp/out" 2>"$tmp/err" &
    pid=$!
    wait_until 10 "no game window" game_window "$pid"
    if [ ! -e "$places" ]; then
        xdotool windowactivate --sync "$window" key F3
        on_screen Coach
        [ "$width" -lt 2000 ] || beside_board
    else
        on_screen Coach
    fi
    menu_item s
    on_screen Statistics
    menu_item h
    on_screen VORPIN
    xdotool key Return
    menu_item d
    on_screen "Select Color"
    xdotool key Escape
    kill -TERM "$pid"
    wait "$pid" || fail "the game exited with status $?"
    pid=""
done
echo "PASS: on a ${width}x$height screen at scale 1, 1.25, 1.5 and 2 every window is wholly on it"
