#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Coach, opened with F3 and moved by the player, is open again at its place at the
# next start, whichever way the game was left: Game > Exit, Alt+F4 on the board, SIGTERM,
# and with a session manager given, a logout. Under openbox, so that the places are those
# of the frames a player sees.
# usage: coach_reopens.sh <Vorpin> [<FakeSessionManager>]
set -eu
fail() {
    echo "FAIL: ${case:-}: $*" >&2
    cat "$tmp/err" >&2 2>/dev/null || true
    exit 1
}
[ -x "${1:-}" ] || fail "usage: $0 <Vorpin> [<FakeSessionManager>]"
# shellcheck source-path=SCRIPTDIR source=session.sh
. "$(dirname "$(realpath "$0")")/session.sh"
on_own_display "$(realpath "$0")" "$(realpath "$1")" ${2:+"$(realpath "$2")"}
needs openbox xwininfo
vorpin=$1
session_manager=${2:-}

tmp=$(mktemp -d)
pid="" openbox_pid="" manager_pid=""
trap 'kill $pid $openbox_pid $manager_pid 2>/dev/null || true; wait; rm -rf "$tmp"' EXIT
fresh_profile "$tmp"
start_openbox "$tmp"
places=$XDG_CONFIG_HOME/Tarnwick/"Vorpin Coach.conf"

# start [NAME=VALUE...]: the game, with the given variables.
start() {
    env "$@" "$vorpin" >"$tmp/out" 2>"$tmp/err" &
    pid=$!
    wait_until 10 "no game window" game_window "$pid"
}
coach_at() {
    visible_window Coach && [ "$(frame_geometry "$found" | cut -d' ' -f1-2)" = "$1" ]
}
saved() {
    grep -qx 'Open=1' "$places" 2>/dev/null && grep -qx "Left=${1% *}" "$places" &&
        grep -qx "Top=${1#* }" "$places"
}
gone() { ! kill -0 "$pid" 2>/dev/null; }

# leave CASE: ends the game the way CASE says and waits for it to exit with status 0.
leave() {
    case $1 in
        exit)
            xdotool windowactivate --sync "$window" key alt+g
            sleep 0.3
            xdotool key x
            ;;
        alt_f4) xdotool windowactivate --sync "$window" key alt+F4 ;;
        term) kill -TERM "$pid" ;;
        logout)
            echo die >"$tmp/logout.new" && mv "$tmp/logout.new" "$tmp/logout"
            wait_until 5 "the game did not tell the session it had saved" \
                grep -qx saved "$tmp/session"
            ;;
    esac
    wait_until 10 "the game still ran 10 s after it was left" gone
    local status=0
    wait "$pid" || status=$?
    pid=""
    [ "$status" -eq 0 ] || fail "exit status $status"
}

x=300
cases="exit alt_f4 term"
[ -z "$session_manager" ] || cases="$cases logout"
for case in $cases; do
    rm -f "$places"
    session=()
    if [ "$case" = logout ]; then
        "$session_manager" "$tmp/logout" >"$tmp/session" &
        manager_pid=$!
        wait_until 5 "the session manager did not start" test -s "$tmp/session"
        session=("SESSION_MANAGER=$(head -n 1 "$tmp/session")")
    fi
    start ${session[@]+"${session[@]}"}
    xdotool windowactivate --sync "$window" key F3
    wait_until 5 "F3 opened no Coach" visible_window Coach
    # Dragged by its title bar to a place of the player's own; a press that comes while
    # the window manager is still framing the window may be lost, and is tried again.
    for attempt in 1 2 3; do
        read -r cx cy _ <<<"$(frame_geometry "$found")"
        xdotool mousemove $((cx + 60)) $((cy + 8)) sleep 0.1 mousedown 1 \
            mousemove $((cx + 80)) $((cy + 20)) sleep 0.1 mousemove $((x + 60)) $((40 + 8)) \
            sleep 0.1 mouseup 1
        for _ in $(seq 20); do
            coach_at "$x 40" && break 2
            sleep 0.1
        done
        echo "the drag did not move the Coach (attempt $attempt)" >&2
    done
    coach_at "$x 40" || fail "the drag did not move the Coach: $(frame_geometry "$found")"
    wait_until 5 "the Coach's new place was not saved: $(cat "$places")" saved "$x 40"
    leave "$case"
    saved "$x 40" || fail "leaving changed the Coach's place or state: $(cat "$places")"
    start
    wait_until 5 "the Coach did not open again at ($x,40): $(frame_geometry "$found" 2>&1)" \
        coach_at "$x 40"
    kill -TERM "$pid"
    wait "$pid" || true
    pid=""
    x=$((x + 40))
done
echo "PASS: after ${cases// /, } the Coach opens again where the player left it"
