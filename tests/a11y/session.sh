#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a screen reader's side of a test against the real game: a private D-Bus session
# with the accessibility bus started before the game, on a virtual X display of its own.
# usage: session.sh <Vorpin> <driver.py>
# The driver gets the game's process id and its settings folder.
set -eu
fail() {
    echo "FAIL: $*" >&2
    [ ! -s "${tmp:-/nonexistent}/vorpin.log" ] || sed 's/^/vorpin: /' "$tmp/vorpin.log" >&2
    exit 1
}
[ -x "${1:-}" ] && [ -f "${2:-}" ] || fail "usage: $0 <Vorpin> <driver.py>"
launcher=/usr/libexec/at-spi-bus-launcher
python=/usr/bin/python3  # the system's, which has pyatspi

if [ -z "${VORPIN_A11Y_STARTED:-}" ]; then
    for tool in xvfb-run xdotool xdpyinfo dbus-run-session dbus-send "$launcher" "$python"; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed" && exit 77; }
    done
    "$python" -c 'import pyatspi' 2>/dev/null || { echo "SKIP: no python3-pyatspi" && exit 77; }
    started=$(mktemp -d)
    trap 'rm -rf "$started"' EXIT
    # xvfb-run -a can lose the race for a display number to another X server starting at
    # the same moment: the search starts at a random number, and a display that does not
    # answer is tried again.
    for _ in 1 2 3 4; do
        status=0
        VORPIN_A11Y_STARTED=$started/started dbus-run-session -- \
            xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" "$(realpath "$0")" "$(realpath "$1")" \
            "$(realpath "$2")" || status=$?
        [ "$status" -ne 0 ] && [ ! -e "$started/started" ] || exit "$status"
    done
    fail "no virtual display or D-Bus session could be started"
fi
xdpyinfo >/dev/null 2>&1 || exit 1

tmp=$(mktemp -d)
children=""
trap 'for pid in $children; do kill "$pid" 2>/dev/null || true; done; rm -rf "$tmp"' EXIT
export XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data XDG_RUNTIME_DIR=$tmp/runtime
mkdir "$XDG_CONFIG_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_STYLE_OVERRIDE

"$launcher" --launch-immediately >"$tmp/launcher.log" 2>&1 &
children="$children $!"
bus_up() {
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null 2>&1
}
for _ in $(seq 100); do
    bus_up && break
    sleep 0.1
done
bus_up || fail "the accessibility bus did not start"

# Qt joins the accessibility bus only when asked to before it starts.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" >"$tmp/vorpin.log" 2>&1 &
vorpin=$!
children="$children $vorpin"
# A display lost to another X server shows as a game that cannot connect: tried again.
for _ in $(seq 100); do
    kill -0 "$vorpin" 2>/dev/null || break
    xdotool search --name '^Tarnwick VORPIN Dice Game$' >/dev/null 2>&1 && break
    sleep 0.1
done
if ! kill -0 "$vorpin" 2>/dev/null && grep -q -e 'could not connect to display' -e 'no display: cannot open display' "$tmp/vorpin.log"; then
    exit 1
fi
touch "$VORPIN_A11Y_STARTED"
status=0
"$python" "$2" "$vorpin" "$XDG_CONFIG_HOME" || status=$?
[ "$status" -eq 0 ] || fail "$(basename "$2") failed"
# A game that the driver closed must have ended well (the sanitizers report at exit).
state=$(awk '{ print $3 }' "/proc/$vorpin/stat" 2>/dev/null || echo gone)
if [ "$state" = Z ] || [ "$state" = gone ]; then
    wait "$vorpin" || fail "the game exited with status $?"
fi
