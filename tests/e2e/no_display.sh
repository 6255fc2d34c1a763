#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a display to open, Vorpin says so in one line on stderr and exits with status 1:
# no window, nothing on stdout, no crash and no settings written.
# usage: no_display.sh <Vorpin>
set -eu

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

[ $# -eq 1 ] || fail "usage: $0 <Vorpin>"
[ -x "$1" ] || fail "no game executable at $1"
vorpin=$(realpath "$1")

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/config" "$tmp/work"

# check WHAT [NAME=VALUE...] [-- ARGUMENT...]: runs the game from an empty folder with a
# fresh profile, no display and no platform chosen, plus the given variables and
# arguments.
check() {
    what=$1
    shift
    local variables=() arguments=()
    while [ $# -gt 0 ] && [ "$1" != -- ]; do
        variables+=("$1") && shift
    done
    [ $# -eq 0 ] || { shift && arguments=("$@"); }
    status=0
    (cd "$tmp/work" &&
        exec env -u DISPLAY -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY XDG_CONFIG_HOME="$tmp/config" \
            XDG_DATA_HOME="$tmp/data" ${variables[@]+"${variables[@]}"} \
            timeout 10 "$vorpin" ${arguments[@]+"${arguments[@]}"} >"$tmp/stdout" 2>"$tmp/stderr") ||
        status=$?
    [ "$status" -ne 124 ] || fail "$what: still running after 10 s"
    [ "$status" -eq 1 ] || fail "$what: exit status $status, not 1 ($(cat "$tmp/stderr"))"
    [ ! -s "$tmp/stdout" ] || fail "$what: wrote to stdout: $(cat "$tmp/stdout")"
    [ "$(wc -l <"$tmp/stderr")" -eq 1 ] || fail "$what: not one line on stderr: $(cat "$tmp/stderr")"
    grep -q '^Vorpin: no display' "$tmp/stderr" ||
        fail "$what: stderr does not start with \"Vorpin: no display\": $(cat "$tmp/stderr")"
    left=$(find "$tmp/work" "$tmp/config" -mindepth 1)
    [ -z "$left" ] || fail "$what: left files behind: $left"
}

check "DISPLAY unset"

# A display number nothing serves: no lock file, no socket by path or in the abstract
# namespace. (:99 is where xvfb-run -a starts, so another test may be using it.)
display=7391
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ] ||
    grep -q "/tmp/.X11-unix/X$display\$" /proc/net/unix 2>/dev/null; do
    display=$((display + 1))
done
check "DISPLAY=:$display with no X server" DISPLAY=":$display"
check "-display :$display with no X server" -- -display ":$display"
check "--display :$display with no X server" -- --display ":$display"
check "-platform xcb -display :$display with no X server" QT_QPA_PLATFORM=offscreen -- \
    -platform xcb -display ":$display"

echo "PASS: no display, one line on stderr and status 1"
