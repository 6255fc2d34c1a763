#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A signal that ends the game (kill, Ctrl+C, a closed terminal) saves the records once, as
# Exit does, and the game exits with status 0: after Clear High Score, the file holds the
# cleared table. Also with the high-score box open, with more signals arriving while the
# game closes, and with SIGHUP ignored from the start (as nohup starts it), when SIGHUP
# does nothing and a later SIGTERM saves.
# With a session manager given, a logout saves while the game runs, and a signal after
# it saves again.
# usage: signals.sh <Vorpin> [<FakeSessionManager>]
set -eu
fail() {
    echo "FAIL: ${case:-}: $*" >&2
    cat "$tmp/${case:-}/err" >&2 2>/dev/null || true
    exit 1
}
[ -x "${1:-}" ] || fail "usage: $0 <Vorpin> [<FakeSessionManager>]"
# shellcheck source-path=SCRIPTDIR source=session.sh
. "$(dirname "$(realpath "$0")")/session.sh"
on_own_display "$(realpath "$0")" "$(realpath "$1")" ${2:+"$(realpath "$2")"}
needs inotifywait
vorpin=$1
session_manager=${2:-}

tmp=$(mktemp -d)
pid="" watch_pid="" manager_pid=""
trap 'kill $pid $watch_pid $manager_pid 2>/dev/null || true; rm -rf "$tmp"' EXIT

box_shows() { xdotool search --onlyvisible --name '^VORPIN$' >/dev/null 2>&1; }
box_gone() { ! box_shows; }
running() { kill -0 "$pid" 2>/dev/null; }
gone() { ! running; }

# play CASE SIGNALS IGNORED: starts the game with IGNORED ignored ("-" for none), clears
# the high scores and shows them (so the clear is done), closes the box unless CASE keeps
# it open, sends IGNORED, which must change nothing, then sends SIGNALS one after the
# other ("TERM+" sends SIGTERM again and again until the game has gone).
play() {
    case=$1
    fresh_profile "$tmp/$case"
    watch_settings "$tmp/$case/changes"
    local ignoring=()
    [ "$3" = - ] || ignoring=(--ignore-signal="$3")
    local session=()
    if [ "$case" = logout ]; then
        "$session_manager" "$tmp/$case/logout" >"$tmp/$case/session" &
        manager_pid=$!
        wait_until 5 "the session manager did not start" test -s "$tmp/$case/session"
        session=("SESSION_MANAGER=$(head -n 1 "$tmp/$case/session")")
    fi
    env --default-signal "${ignoring[@]}" "${session[@]}" "$vorpin" >"$tmp/$case/out" \
        2>"$tmp/$case/err" &
    pid=$!
    wait_until 10 "no game window" game_window "$pid"
    timeout 5 xdotool windowfocus --sync "$window" || fail "could not give the window the focus"
    open_menu alt+v
    xdotool key c
    open_menu alt+v
    xdotool key h
    wait_until 5 "the high scores did not show" box_shows
    if [ "$case" != box_open ]; then
        xdotool key Return
        wait_until 5 "the high-score box stayed open" box_gone
    fi
    local saves=1 file=$XDG_CONFIG_HOME/Tarnwick/Vorpin.conf
    if [ "$case" = logout ]; then
        touch "$tmp/$case/logout"
        wait_until 5 "the game did not tell the session it had saved" \
            grep -qx saved "$tmp/$case/session"
        grep -qxF 'Settings\STURN1=30' "$file" || fail "the logout did not save the cleared table"
        running || fail "the logout ended the game"
        saves=2
    fi
    if [ "$3" != - ]; then
        kill "-$3" "$pid"
        sleep 0.5
        running || fail "SIG$3 ended the game although it was started ignoring it"
    fi
    for signal in $2; do
        if [ "$signal" = 'TERM+' ]; then
            for _ in $(seq 1000); do
                kill -TERM "$pid" 2>/dev/null || break
                sleep 0.01
            done
        else
            kill "-$signal" "$pid"
        fi
    done
    wait_until 10 "the game still ran 10 s after the signals" gone
    local status=0
    wait "$pid" || status=$?
    pid=""
    [ "$status" -eq 0 ] || fail "exit status $status ($(cat "$tmp/$case/err"))"
    local writes
    writes=$(settings_writes "$tmp/$case/changes")
    kill "$watch_pid" && watch_pid=""
    [ "$writes" -eq "$saves" ] || fail "the settings file was written $writes times, not $saves"
    if ! grep -qxF 'Settings\STURN1=30' "$file" || ! grep -qxF 'Settings\STURN10=39' "$file"; then
        fail "the cleared table was not saved: $(cat "$file")"
    fi
    [ "$(grep -c '^Settings[\]' "$file")" -eq 32 ] || fail "not 32 values saved: $(cat "$file")"
    # Its own messages, none expected, start with its name (a sanitizer may add others).
    [ ! -s "$tmp/$case/out" ] || fail "the game wrote: $(cat "$tmp/$case/out")"
    ! grep '^Vorpin' "$tmp/$case/err" || fail "the game reported a problem"
}

play term TERM -
play box_open INT -
play hup_then_more "HUP TERM+" -
play hup_ignored TERM HUP
if [ -n "$session_manager" ]; then
    play logout TERM -
    echo "PASS: a logout saves while the game runs"
else
    echo "no session manager given: the logout is not tried"
fi
echo "PASS: SIGTERM, SIGINT and SIGHUP save once and end the game with status 0"
