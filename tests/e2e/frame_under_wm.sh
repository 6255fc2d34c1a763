#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Under a window manager (openbox) the top-left corner of the game's frame, not of its
# client area, is at (100, 50); the window tells the window manager that its size is
# fixed (the same minimum and maximum size, no resize function, no resize handle), and a
# request to resize it changes nothing.
# usage: frame_under_wm.sh <Vorpin>
set -eu
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
[ -x "${1:-}" ] || fail "usage: $0 <Vorpin>"
# shellcheck source-path=SCRIPTDIR source=session.sh
. "$(dirname "$(realpath "$0")")/session.sh"
on_own_display "$(realpath "$0")" "$(realpath "$1")"
needs openbox xwininfo xprop

tmp=$(mktemp -d)
pid="" openbox_pid=""
trap 'kill $pid $openbox_pid 2>/dev/null || true; rm -rf "$tmp"' EXIT
fresh_profile "$tmp"
start_openbox "$tmp"
"$1" >"$tmp/out" 2>&1 &
pid=$!
wait_until 10 "no game window" game_window "$pid"

# info WINDOW FIELD: a field of xwininfo's report on WINDOW.
info() {
    xwininfo -id "$1" | sed -n "s/^ *$2: *//p"
}
# The frame is the window that openbox made the client's parent, a child of the root.
frame_known() {
    frame=$(xwininfo -tree -id "$window" | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p')
    [ -n "$frame" ] && xwininfo -tree -id "$frame" | grep -q '^ *Parent window id: .*(the root window)'
}
wait_until 5 "openbox gave the game no frame" frame_known
placed() {
    [ "$(info "$frame" 'Absolute upper-left X'),$(info "$frame" 'Absolute upper-left Y')" = 100,50 ]
}
wait_until 5 "the frame's top-left corner is not at (100,50): $(xwininfo -id "$frame")" placed

size="$(info "$window" Width) by $(info "$window" Height)"
hints=$(xprop -id "$window" WM_NORMAL_HINTS)
for bound in minimum maximum; do
    grep -q "program specified $bound size: $size\$" <<<"$hints" ||
        fail "the $bound size is not the window's size, $size: $hints"
done
# _MOTIF_WM_HINTS: flags, functions, decorations, ...; a resize function is bit 2 of the
# functions and a resize handle bit 4 of the decorations.
read -r flags functions decorations _ <<<"$(xprop -id "$window" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')"
[ $((flags & 3)) -eq 3 ] || fail "the Motif hints give no functions and decorations: $flags"
[ $((functions & 2)) -eq 0 ] || fail "a resize function is offered: functions $functions"
[ $((decorations & 4)) -eq 0 ] || fail "a resize handle is asked for: decorations $decorations"

xdotool windowsize "$window" 700 600
sleep 0.3
[ "$(info "$window" Width) by $(info "$window" Height)" = "$size" ] ||
    fail "a resize request made the window $(info "$window" Width) by $(info "$window" Height)"

kill -TERM "$pid"
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "exit status $status: $(cat "$tmp/out")"
echo "PASS: the frame at (100,50), of a size the window manager cannot change"
