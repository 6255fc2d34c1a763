#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One turn with real clicks on a virtual X display: F2, Ctrl+R (again while the roll offers
# nothing), a click on the first option, which shows inverted, and one on the take arrow;
# then the tally shows the combination, a separator line and the turn total, and the
# options have changed. Closes with Alt+G, x.
# usage: take_option.sh <Vorpin>
set -eu
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
[ -x "${1:-}" ] || fail "usage: $0 <Vorpin>"

# shellcheck source-path=SCRIPTDIR source=session.sh
. "$(dirname "$(realpath "$0")")/session.sh"
on_own_display "$(realpath "$0")" "$(realpath "$1")"
# shellcheck source-path=SCRIPTDIR source=screen.sh
. "$(dirname "$(realpath "$0")")/screen.sh"

tmp=$(mktemp -d)
pid=""
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null; rm -rf "$tmp"' EXIT
fresh_profile "$tmp"
"$1" >"$tmp/vorpin.log" 2>&1 &
pid=$!

wait_until 5 "no game window" game_window "$pid"
# shot: the window, and the board's 500 x 402 from its origin (x0, y0).
shot() {
    import -window "$window" "$tmp/window.png"
    convert "$tmp/window.png" -crop "500x402+${x0:-0}+${y0:-0}" +repage "$tmp/board.png"
}
# The title screen's board is the window's only white: the first white pixel 200 px down
# and the first just inside that edge give its origin (as play_and_close.sh).
white='r == 255 && g == 255 && b == 255'
titled() {
    shot
    read -r _ x0 _ <<<"$(region "$tmp/window.png" 0 200 600 1 "$white")"
    [ "$x0" -ge 0 ] &&
        read -r _ _ _ y0 _ <<<"$(region "$tmp/window.png" $((x0 + 1)) 0 1 200 "$white")"
}
wait_until 5 "no title screen" titled
xdotool windowfocus --sync "$window"

# act PROBLEM XDOTOOL-ARGS...: acts, then waits until the board has changed and holds still.
settled() {
    cp "$tmp/board.png" "$tmp/last.png" && sleep 0.1 && shot
    ! cmp -s "$tmp/board.png" "$tmp/before.png" && cmp -s "$tmp/board.png" "$tmp/last.png"
}
act() {
    shot && cp "$tmp/board.png" "$tmp/before.png" && xdotool "${@:2}" && wait_until 5 "$1" settled
}
# click PROBLEM X Y: act with a click at board pixel (X, Y).
click() { act "$1" mousemove --window "$window" $((x0 + $2)) $((y0 + $3)) click 1; }
# dice X Y: how many small dice (a white face in a black outline, 22 px apart from x = 1)
# the list row with its corner at board pixel (X, Y) shows.
dice() {
    local i x y n=0
    for i in 0 1 2 3 4 5; do
        x=$(($1 + 1 + 22 * i)) y=$(($2 + 11))
        if [ "$(colour "$tmp/board.png" $x $y)" = "0 0 0" ] &&
            [ "$(colour "$tmp/board.png" $((x + 1)) $y)" = "255 255 255" ] &&
            [ "$(colour "$tmp/board.png" $((x + 3)) $(($2 + 1)))" = "0 0 0" ]; then
            n=$((n + 1))
        fi
    done
    echo $n
}
dark='r < 100 && g < 100 && b < 100'
# inverted: whether most of the first option row, left of the number column, is dark.
inverted() { [ "$(count "$tmp/board.png" "$ox" $((oy + 2)) 130 19 "$dark")" -gt 1235 ]; }

act "F2 changed nothing" key F2
# The lists' client areas start at their first white pixels, inside their frames.
read -r _ ox _ oy _ <<<"$(region "$tmp/board.png" 8 55 10 10 "$white")"
read -r _ tx _ ty _ <<<"$(region "$tmp/board.png" 254 55 10 10 "$white")"
for _ in 1 2 3 4 5 6 7 8; do
    act "Ctrl+R changed nothing" key ctrl+r
    [ "$(dice "$ox" "$oy")" -eq 0 ] || break  # "VORPIN! NO POINTS" shows no dice
done
[ "$(dice "$ox" "$oy")" -gt 0 ] || fail "eight rolls in a row offered nothing"
! inverted || fail "the first option shows dark before it is clicked"
click "the click on the first option changed nothing" $((ox + 100)) $((oy + 11))
inverted || fail "the clicked option does not show inverted"
convert "$tmp/board.png" -crop "190x280+$ox+$oy" "$tmp/options.png"
click "the click on the take arrow changed nothing" 231 125
[ "$(dice "$tx" "$ty")" -gt 0 ] || fail "no small dice in the tally's first row"
line=$(region "$tmp/board.png" "$tx" $((ty + 23)) 190 3 'r + g + b == 0' | cut -d' ' -f1,4)
[ "$line" = "190 $((ty + 24))" ] || fail "no separator line across the tally's second row"
read -r n left _ <<<"$(region "$tmp/board.png" "$tx" $((ty + 26)) 130 16 "$dark")"
if [ "$n" -lt 30 ] || [ "$left" -gt $((tx + 3)) ]; then
    fail "no TURN TOTAL from the left of the tally's third row"
fi
convert "$tmp/board.png" -crop "190x280+$ox+$oy" "$tmp/options-now.png"
! cmp -s "$tmp/options.png" "$tmp/options-now.png" || fail "the options stayed as they were"

windows=$(xdotool search --onlyvisible --pid "$pid" | wc -l)
xdotool key alt+g
menu() { [ "$(xdotool search --onlyvisible --pid "$pid" | wc -l)" -gt "$windows" ]; }
wait_until 5 "Alt+G opened no menu" menu
xdotool key x
gone() { ! kill -0 "$pid" 2>/dev/null; }
wait_until 5 "the game still ran 5 s after Game > Exit" gone
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "the game exited with status $status"
echo "PASS: took the first option with the mouse"
