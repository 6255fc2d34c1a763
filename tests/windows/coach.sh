#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Coach of the Windows build under Wine: F3 opens it beside the board; for a new game
# it gives the expected turns of best play, 10.644; after a roll it lists what the player
# can do, best first, each with its cost against the best. Closed through Game > Exit,
# the game keeps the Coach's state and place in a profile of its own beside the registry
# key of the 32 values, which holds those values alone.
# usage: coach.sh <Vorpin.exe>
set -eu
# shellcheck source-path=SCRIPTDIR source=wine.sh
. "$(dirname "$(realpath "$0")")/wine.sh"
begin_test "$0" "$@"

open_coach "$1"

# Beside the board: right of the game's window, the two side by side.
eval "$(xdotool getwindowgeometry --shell "$window" | sed 's/^/game_/')"
eval "$(xdotool getwindowgeometry --shell "$coach" | sed 's/^/coach_/')"
# shellcheck disable=SC2154  # set by the eval lines above
if [ "$coach_X" -lt $((game_X + game_WIDTH)) ] || [ "$coach_Y" -ge $((game_Y + game_HEIGHT)) ] ||
    [ $((coach_Y + coach_HEIGHT)) -le "$game_Y" ]; then
    fail "the Coach (${coach_WIDTH}x$coach_HEIGHT at ($coach_X, $coach_Y)) is not beside" \
        "the game's window (${game_WIDTH}x$game_HEIGHT at ($game_X, $game_Y))"
fi

coach_expects() {
    read_text coach "$coach" >"$tmp/coach-text.log"
    grep -q '10\.644' "$tmp/coach-text.log"
}
wait_until 30 "the Coach gives no 10.644 expected turns for a new game" coach_expects

# After a roll: rows under "What you can do now", each "Take ..., then ...", the first
# marked best, then the others with more expected turns, each costing its turns less the
# best. A roll without points has none, and Ctrl+R starts the next turn; a roll with one
# is played on (Down and Enter take it) until a roll offers two or more.
#
# Character recognition now and then loses a heading or a decimal point, or reads a
# nought as the letter O ("O.378"). Rows are found by their first word, not under their
# heading; in a word that is otherwise a figure, O is taken as the nought it is; and a
# list that does not add up is read again at other enlargements before it counts as
# wrong: a real fault reads wrong at every size.
alternatives() {
    sed -n '/Your decisions/q;/^Take /p' "$tmp/coach-text.log" | awk '{
        for (i = 1; i <= NF; i++)
            if ($i ~ /^[0-9Oo]+\.[0-9Oo][0-9Oo][0-9Oo]$/) gsub(/[Oo]/, "0", $i)
        print
    }'
}
roll_has_alternatives() {
    focus_game
    xdotool key ctrl+r
    sleep 1
    read_text coach "$coach" >"$tmp/coach-text.log"
    case $(alternatives | wc -l) in
        0) return 1 ;;
        1)
            focus_game
            xdotool key Down sleep 0.2 key Return sleep 0.5
            return 1
            ;;
    esac
}
best_first() {
    alternatives | awk '
        {
            n = 0
            for (i = 1; i <= NF; i++) if ($i ~ /^[0-9]+\.[0-9][0-9][0-9]$/) number[++n] = $i
            turns = number[1]
            if (NR == 1) {
                best = turns
                if (n != 1 || $NF != "best") { print "the first row is not marked best: " $0; bad = 1 }
                next
            }
            if (turns < best) { print "a row expects fewer turns than the best: " $0; bad = 1 }
            if (n != 2 || number[2] - (turns - best) > 0.0015 || (turns - best) - number[2] > 0.0015) {
                print "a row costs other than its turns less the best: " $0; bad = 1
            }
        }
        END { exit bad || NR < 2 }' >"$tmp/complaints"
}
wait_until 90 "no roll gave the Coach two things to do" roll_has_alternatives
checked=""
for size in 300 400 250 350; do
    read_text coach "$coach" "$size" >"$tmp/coach-text.log"
    if best_first; then
        checked=$size
        break
    fi
    sed "s/^/at $size%: /" "$tmp/complaints" >&2
done
[ -n "$checked" ] || fail "the Coach's list after a roll is not best first (see above)"

close_through_menu
expected_settings "$tmp/expected"
check_settings "$tmp/expected"
registry_values 'HKCU\Software\Tarnwick' >"$tmp/maker-values"
[ ! -s "$tmp/maker-values" ] || fail "values directly under HKCU\\Software\\Tarnwick"
wine reg query 'HKCU\Software\Tarnwick' /s 2>/dev/null | tr -d '\r' |
    grep -c '^    ' >"$tmp/all-values" || true
[ "$(cat "$tmp/all-values")" = 32 ] ||
    fail "$(cat "$tmp/all-values") values under HKCU\\Software\\Tarnwick, not the 32 alone"
profile="$(appdata)/Tarnwick/Vorpin Coach.conf"
[ -f "$profile" ] || fail "no Coach profile at $profile"
[ "$(grep -cx -e 'Open=[01]' -e 'Left=-\?[0-9]\+' -e 'Top=-\?[0-9]\+' "$profile")" = 3 ] ||
    fail "the Coach profile keeps no open state and place: $(cat "$profile")"
echo "PASS: the Coach beside the board, 10.644 for a new game, best first after a roll;" \
    "its profile beside the 32 values"
