#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A whole game with real keys and clicks on a virtual X display, the Coach open: F2, F3,
# then over and over Ctrl+R, a double-click on the first option and Ctrl+E, answering the
# high-score windows at the end with Enter. The Coach then shows the game's review, and
# the game is in history.sqlite, as sqlite3 reads it, with its decisions and their kinds.
# usage: coach_game.sh <Vorpin>
set -eu
fail() {
    echo "FAIL: $*" >&2
    if [ -s "${tmp:-/nonexistent}/vorpin.log" ]; then
        echo "--- the game's output:" >&2
        cat "$tmp/vorpin.log" >&2
    fi
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
needs sqlite3
fresh_profile "$tmp"
export XDG_DATA_HOME=$tmp/data
history=$XDG_DATA_HOME/Tarnwick/Vorpin/history.sqlite
"$1" >"$tmp/vorpin.log" 2>&1 &
pid=$!

wait_until 10 "no game window" game_window "$pid"

# The board's origin: on the title screen the board is the window's only white (as
# take_option.sh finds it).
white='r == 255 && g == 255 && b == 255'
titled() {
    import -window "$window" "$tmp/window.png"
    read -r _ x0 _ <<<"$(region "$tmp/window.png" 0 200 600 1 "$white")"
    [ "$x0" -ge 0 ] &&
        read -r _ _ _ y0 _ <<<"$(region "$tmp/window.png" $((x0 + 1)) 0 1 200 "$white")"
}
wait_until 5 "no title screen" titled
xdotool windowfocus --sync "$window" key F2 key F3
coach() { [ -n "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ]; }
wait_until 5 "F3 opened no Coach" coach Coach

# Enter on whatever other window of the game has come up: the high-score name, the table.
answer() {
    local other
    for other in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        case $(xdotool getwindowname "$other") in
            "Tarnwick VORPIN Dice Game" | Coach*) ;;
            *) xdotool windowfocus --sync "$other" key Return && sleep 0.2 ;;
        esac
    done
}
for _ in $(seq 600); do
    coach "Coach - game review" && break
    answer
    xdotool windowfocus --sync "$window" key ctrl+r sleep 0.05 \
        mousemove --window "$window" $((x0 + 108)) $((y0 + 66)) click --repeat 2 --delay 40 1 \
        sleep 0.05 key ctrl+e sleep 0.05
done
coach "Coach - game review" || fail "the Coach shows no review after 600 rounds"

[ -f "$history" ] || fail "no $history"
query() { sqlite3 -readonly "$history" "$1"; }
[ "$(query 'PRAGMA user_version')" = 2 ] || fail "schema version $(query 'PRAGMA user_version')"
[ "$(query 'PRAGMA journal_mode')" = wal ] || fail "journal mode $(query 'PRAGMA journal_mode')"
read -r games score turns <<<"$(query 'SELECT count(*), max(score), max(turns) FROM games' | tr '|' ' ')"
[ "$games" = 1 ] || fail "$games games recorded, not 1"
[ "$score" -ge 5000 ] || fail "the recorded game has $score points"
decisions=$(query 'SELECT count(*) FROM decisions WHERE game_id = (SELECT id FROM games)')
[ "$decisions" -ge 1 ] || fail "the recorded game has no decisions"
unsorted=$(query 'SELECT count(*) FROM decisions WHERE habit = 0')
[ "$unsorted" = 0 ] || fail "$unsorted decisions are stored without their kind of choice"
luck=$(query 'SELECT abs(turns - expected - skill_cost - luck) < 1e-9 FROM games')
[ "$luck" = 1 ] || fail "turns, expected, skill cost and luck do not add up"
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""
echo "PASS: a game of $turns turns, $score points and $decisions decisions is in the history"
