#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whole games of the Windows build under Wine, played with keys alone (F2, then over and
# over Ctrl+R, Down and Enter on the first option, Ctrl+E; Enter on the high-score
# windows), the Coach open. Each game is then in %APPDATA%\Tarnwick\Vorpin\history.sqlite
# with its decisions, as Debian's sqlite3 reads it, and View > Statistics shows the games
# with both charts drawn: the series' colours inside each chart, not background alone.
# usage: history_statistics.sh <Vorpin.exe>
set -eu
# shellcheck source-path=SCRIPTDIR source=wine.sh
. "$(dirname "$(realpath "$0")")/wine.sh"
begin_test "$0" "$@"

open_coach "$1"

# Enter on the game's high-score windows that have come up: the name, then the table.
answer() {
    local title answered=1
    for title in "High Score!" VORPIN; do
        if shown_window "$title"; then
            xdotool windowfocus --sync "$shown" key Return sleep 0.3
            answered=0
        fi
    done
    return $answered
}
# answer_all: answers the high-score windows until none has come up for four seconds.
answer_all() {
    local quiet=0
    while [ "$quiet" -lt 8 ]; do
        if answer; then quiet=0; else quiet=$((quiet + 1)); fi
        sleep 0.5
    done
}
# play_game: rolls, takes the first option and banks until the Coach shows its review.
play_game() {
    for _ in $(seq 600); do
        shown_window "Coach - game review" && return
        answer || true
        focus_game
        xdotool key ctrl+r sleep 0.3 key Down sleep 0.1 key Return sleep 0.2 key ctrl+e sleep 0.3
    done
    fail "no end of the game after 600 rounds"
}
play_game
answer_all
# A second game gives the chart of the last games a line from one game to the next.
new_game() {
    answer || true
    focus_game
    xdotool key F2 sleep 0.5
    shown_window Coach
}
wait_until 20 "F2 did not start a new game for the Coach" new_game
play_game
answer_all

history="$(appdata)/Tarnwick/Vorpin/history.sqlite"
[ -f "$history" ] || fail "no $history"
query() { sqlite3 -readonly "$history" "$1"; }
[ "$(query 'PRAGMA user_version')" -ge 1 ] || fail "schema version $(query 'PRAGMA user_version')"
read -r games score <<<"$(query 'SELECT count(*), min(score) FROM games' | tr '|' ' ')"
[ "$games" = 2 ] || fail "$games games recorded, not 2"
[ "$score" -ge 5000 ] || fail "a recorded game has $score points"
[ "$(query 'SELECT count(DISTINCT game_id) FROM decisions')" = 2 ] ||
    fail "not both recorded games have decisions"
[ "$(query 'SELECT min(abs(turns - expected - skill_cost - luck) < 1e-9) FROM games')" = 1 ] ||
    fail "turns, expected, skill cost and luck do not add up"

# View > Statistics: the charts side by side under the figures; each chart's upper part,
# clear of its legend, holds both series' colours (strongly coloured pixels).
open_menu v
xdotool key s
wait_until 20 "View > Statistics opened no window" shown_window Statistics
statistics=$shown
# On the screen, title bar included, even though centred over the game it would not be.
eval "$(xdotool getwindowgeometry --shell "$statistics" | sed 's/^/statistics_/')"
# shellcheck disable=SC2154  # set by the eval line above
if [ "$statistics_X" -lt 0 ] || [ "$statistics_Y" -lt 0 ]; then
    fail "Statistics opened off the screen, at ($statistics_X, $statistics_Y)"
fi
sleep 2
shot statistics "$statistics"
keep_shot statistics windows-statistics.png
read -r width height <<<"$(identify -format '%w %h' "$tmp/statistics.png")"
coloured='r - g >= 90 || g - r >= 90 || r - b >= 90 || b - r >= 90 || g - b >= 90 || b - g >= 90'
top=$((height * 12 / 100))
band=$((height * 30 / 100))
for half in 0 1; do
    left=$((half * width / 2))
    drawn=$(count "$tmp/statistics.png" "$left" "$top" $((width / 2)) "$band" "$coloured")
    [ "$drawn" -ge 150 ] || fail "chart $((half + 1)) of Statistics has $drawn coloured pixels"
done

# Alt+F4 closes Statistics, and the game then closes through its menu.
xdotool windowfocus --sync "$statistics" key alt+F4
statistics_closed() { ! shown_window Statistics; }
wait_until 10 "Alt+F4 did not close Statistics" statistics_closed
close_through_menu
echo "PASS: two games played by keys are in history.sqlite, and Statistics draws both charts"
