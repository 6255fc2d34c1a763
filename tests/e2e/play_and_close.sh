#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays Vorpin as a player would, with real key events on a virtual X display: checks the
# title screen, presses F2 and Ctrl+R, checks the game screen, closes the game and checks
# the settings file it leaves behind (written at the close, and only then).
# usage: play_and_close.sh <Vorpin> menu     closes with Alt+G then x, no window manager
#        play_and_close.sh <Vorpin> alt_f4   closes with Alt+F4 through openbox
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

[ $# -eq 2 ] || fail "usage: $0 <Vorpin> menu|alt_f4"
case $2 in menu | alt_f4) ;; *) fail "unknown way to close the game: $2" ;; esac
[ -x "$1" ] || fail "no game executable at $1"
vorpin=$(realpath "$1")
how=$2

# shellcheck source-path=SCRIPTDIR source=session.sh
. "$(dirname "$(realpath "$0")")/session.sh"
on_own_display "$(realpath "$0")" "$vorpin" "$how"
needs xauth import convert realpath
[ "$how" = menu ] || needs openbox inotifywait
# shellcheck source-path=SCRIPTDIR source=screen.sh
. "$(dirname "$(realpath "$0")")/screen.sh"

tmp=$(mktemp -d)
children=""
cleanup() {
    for pid in $children; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$tmp"
}
trap cleanup EXIT

fresh_profile "$tmp"
if [ "$how" = alt_f4 ]; then
    start_openbox "$tmp"
    children="$children $openbox_pid"
    # Every change to the settings folder, to count how often the file is written.
    watch_settings "$tmp/changes"
    children="$children $watch_pid"
fi

"$vorpin" >"$tmp/vorpin-stdout.log" 2>"$tmp/vorpin-stderr.log" &
vorpin_pid=$!
children="$children $vorpin_pid"

running() {
    kill -0 "$vorpin_pid" 2>/dev/null
}
exited() {
    ! running
}

wait_until 10 "no window \"Tarnwick VORPIN Dice Game\" within 10 s" game_window "$vorpin_pid"

geometry=$(xdotool getwindowgeometry --shell "$window")
geometry_value() {
    echo "$geometry" | sed -n "s/^$1=//p"
}
width=$(geometry_value WIDTH)
height=$(geometry_value HEIGHT)
if [ "$how" = menu ]; then
    # Without a window manager nothing moves the window from where the game put it.
    position="$(geometry_value X),$(geometry_value Y)"
    [ "$position" = 100,50 ] || fail "the window opened at ($position), not (100,50)"
fi

# shot NAME: the window as it shows now, in $tmp/NAME.png.
shot() {
    import -window "$window" "$tmp/$1.png"
}

white='r == 255 && g == 255 && b == 255'

# within VALUE LOW HIGH
within() {
    [ "$1" -ge "$2" ] && [ "$1" -le "$3" ]
}

# The board is the only white on the title screen: its left edge is the first white
# pixel half-way down the window, its top the first white pixel just inside that edge.
board_shows() {
    shot title
    read -r found board_x _ <<<"$(region "$tmp/title.png" 0 $((height / 2)) "$width" 1 "$white")"
    [ "$found" -gt 0 ] || return 1
    read -r _ _ _ board_y _ <<<"$(region "$tmp/title.png" $((board_x + 1)) 0 1 "$height" "$white")"
}
wait_until 5 "the title screen did not show" board_shows

# The board is 500 x 402, with the menu bar above it and an edge of equal width on the
# other three sides.
edge=$board_x
menu_bar=$((board_y - edge))
within "$menu_bar" 10 60 ||
    fail "no menu bar above the board: the board starts $board_y px down a ${width}x$height window"
[ "$((edge + 500 + edge))x$((menu_bar + edge + 402 + edge))" = "${width}x$height" ] ||
    fail "a ${width}x$height window does not hold a 500x402 board with a menu bar of $menu_bar and an edge of $edge"

# board SHOT: the board's client area of $tmp/SHOT.png, in $tmp/SHOT-board.png.
board() {
    convert "$tmp/$1.png" -crop "500x402+$board_x+$board_y" +repage "$tmp/$1-board.png"
}

board title
title=$tmp/title-board.png
if [ "$(count "$title" 0 395 500 1 "$white")" -ne 500 ] ||
    [ "$(count "$title" 1 0 1 402 "$white")" -ne 402 ]; then
    fail "the title screen's board is not white from edge to edge"
fi

# The blue first line, then lower down the red "Press F2 to begin", both centred on 255.
# (The lines start at y=100, below the logo.)
read -r blues blue_left blue_right _ blue_bottom <<<"$(region "$title" 0 100 500 200 'b >= 200 && r <= 80 && g <= 80')"
read -r reds red_left red_right red_top _ <<<"$(region "$title" 0 100 500 200 'r >= 200 && g <= 80 && b <= 80')"
[ "$blues" -ge 50 ] || fail "no blue first line on the title screen"
[ "$reds" -ge 50 ] || fail "no red \"Press F2 to begin\" line on the title screen"
[ "$red_top" -gt "$blue_bottom" ] || fail "the red line is not below the blue one on the title screen"
for centre in $(((blue_left + blue_right) / 2)) $(((red_left + red_right) / 2)); do
    within "$centre" 250 260 || fail "a line of the title screen is centred on x=$centre, not 255"
done

if [ "$how" = menu ]; then
    timeout 5 xdotool windowfocus --sync "$window" || fail "could not give the window the focus"
else
    timeout 5 xdotool windowactivate --sync "$window" || fail "openbox did not activate the window"
fi

# F2 starts a game: the board turns the colour of a button face.
xdotool key F2
game_shows() {
    shot game
    board game
    [ "$(colour "$tmp/game-board.png" 230 300)" != "255 255 255" ]
}
wait_until 5 "the board stayed white after F2" game_shows
xdotool key ctrl+r
shot game
board game
game=$tmp/game-board.png
read -r red green blue <<<"$(colour "$game" 230 300)"
if [ "$red" -ne "$green" ] || [ "$green" -ne "$blue" ] || ! within "$red" 160 254; then
    fail "the game screen's background is ($red,$green,$blue), not a light grey"
fi
background="r == $red && g == $green && b == $blue"
if [ "$(count "$game" 476 0 24 350 "!($background)")" -ne 0 ] ||
    [ "$(count "$game" 212 55 38 55 "!($background)")" -ne 0 ]; then
    fail "the game screen's background is not all ($red,$green,$blue) beside the controls"
fi

# The buttons, just where they belong.
for button in "Roll 298" "End Turn 392"; do
    left=${button##* }
    [ "$(region "$game" $((left - 6)) 8 92 44 "!($background)" | cut -d' ' -f2-)" = "$left $((left + 79)) 16 47" ] ||
        fail "no ${button% *} button at ($left,16) 80x32 on the game screen"
done

# The lists: white inside, within their rectangles.
for left in 8 254; do
    read -r found list_left list_right list_top list_bottom <<<"$(region "$game" $((left - 4)) 50 208 307 "$white")"
    if [ "$found" -lt 30000 ] || ! within "$list_left" "$left" $((left + 199)) ||
        ! within "$list_right" "$left" $((left + 199)) || ! within "$list_top" 55 351 ||
        ! within "$list_bottom" 55 351; then
        fail "no white list at ($left,55) 200x297 on the game screen"
    fi
done

# "Turn 1" and "Score 0" in black in the status band, from x=8 and x=254.
dark='r < 100 && g < 100 && b < 100'
for left in 8 254; do
    read -r found text_left _ <<<"$(region "$game" $((left - 8)) 353 246 48 "$dark")"
    if [ "$found" -lt 20 ] || ! within "$text_left" "$left" $((left + 3)); then
        fail "no status text from x=$left at the bottom of the board ($found dark pixels from x=$text_left)"
    fi
done

# The settings are written when the game closes, not before.
[ -z "$(find "$XDG_CONFIG_HOME" -type f)" ] ||
    fail "settings written before the game closed: $(find "$XDG_CONFIG_HOME" -type f)"

if [ "$how" = menu ]; then
    closing="Game > Exit (Alt+G, x)"
    windows=$(xdotool search --onlyvisible --pid "$vorpin_pid" | wc -l)
    menu_shows() {
        [ "$(xdotool search --onlyvisible --pid "$vorpin_pid" | wc -l)" -gt "$windows" ]
    }
    xdotool key alt+g
    wait_until 5 "the Game menu did not open with Alt+G" menu_shows
    xdotool key x
else
    closing="Alt+F4"
    xdotool key alt+F4
fi
wait_until 10 "Vorpin still runs 10 s after $closing" exited
status=0
wait "$vorpin_pid" || status=$?
[ "$status" -eq 0 ] || fail "Vorpin exited with status $status after $closing"

settings=$XDG_CONFIG_HOME/Tarnwick
if [ "$how" = alt_f4 ]; then
    writes=$(settings_writes "$tmp/changes")
    [ "$writes" -eq 1 ] || fail "the settings file was written $writes times at the close: $(cat "$tmp/changes")"
fi

# Exactly the 32 values with their first-run defaults, and nothing else beside them.
[ "$(find "$XDG_CONFIG_HOME" -type f)" = "$settings/Vorpin.conf" ] ||
    fail "after $closing the settings folder holds [$(find "$XDG_CONFIG_HOME" -type f)], not just Vorpin.conf"
[ "$(head -n 1 "$settings/Vorpin.conf")" = "[1.0]" ] ||
    fail "Vorpin.conf does not start with [1.0]: $(cat "$settings/Vorpin.conf")"
{
    echo '[1.0]'
    echo 'Settings\DiceColor=16777215'
    echo 'Settings\LASTNAME=A. Tarnwick'
    for n in 1 2 3 4 5 6 7 8 9 10; do
        echo "Settings\\SNAME$n=A. Tarnwick"
        echo "Settings\\SNUM$n=5000"
        echo "Settings\\STURN$n=$((19 + n))"
    done
} | sort >"$tmp/expected"
sed '/^$/d' "$settings/Vorpin.conf" | sort >"$tmp/written"
diff "$tmp/expected" "$tmp/written" >&2 || fail "Vorpin.conf differs from the defaults (< expected, > written)"

echo "PASS: played and closed with $closing"
