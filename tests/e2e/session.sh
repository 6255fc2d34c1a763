# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# What the end-to-end tests share beside pixels: a virtual display of their own, a fresh
# profile, a window manager, the game's window and a watch on its settings file. Sourced
# by the tests after `set -eu`; each defines fail() before it sources this.

# on_own_display SCRIPT ARGS...: in the first run of a test, runs SCRIPT ARGS again on a
# virtual display of its own (a 1024x768 screen, or as VORPIN_E2E_SCREEN gives it) and exits with its status (77 when xvfb-run or xdotool is
# missing); in that second run, returns. xvfb-run -a can lose the race for a display
# number to an X server starting at the same moment, so a display that does not start is
# tried again; a failure of the test itself is not. The server keeps running as it was
# when its last client leaves (-noreset), so that the next game of a test can connect.
on_own_display() {
    if [ -n "${VORPIN_E2E_STARTED:-}" ]; then
        touch "$VORPIN_E2E_STARTED"
        return 0
    fi
    for tool in xvfb-run xdotool; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed" && exit 77; }
    done
    local started status attempt
    started=$(mktemp -d)
    for attempt in 1 2 3; do
        status=0
        VORPIN_E2E_STARTED=$started/started xvfb-run -a \
            -s "-screen 0 ${VORPIN_E2E_SCREEN:-1024x768x24} -noreset" "$@" ||
            status=$?
        if [ "$status" -eq 0 ] || [ -e "$started/started" ]; then
            rm -rf "$started"
            exit "$status"
        fi
        echo "the virtual display did not start (attempt $attempt)" >&2
    done
    rm -rf "$started"
    fail "xvfb-run could not start a virtual display"
}

# needs TOOL...: fails unless every TOOL is installed.
needs() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || fail "$tool is not installed (see scripts/install-deps)"
    done
}

# wait_until SECONDS PROBLEM COMMAND...: runs COMMAND until it succeeds, failing with
# PROBLEM after SECONDS.
wait_until() {
    local deadline=$((SECONDS + $1)) problem=$2
    shift 2
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || fail "$problem"
        sleep 0.1
    done
}

# fresh_profile DIR: an empty settings folder, data folder (the game history) and runtime
# folder under DIR, and nothing from the caller's session that changes how Qt draws or
# that the game would talk to.
fresh_profile() {
    export XDG_CONFIG_HOME=$1/config XDG_DATA_HOME=$1/data XDG_RUNTIME_DIR=$1/runtime
    mkdir -p "$XDG_CONFIG_HOME"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_STYLE_OVERRIDE
    unset SESSION_MANAGER
}

# start_openbox DIR: the window manager, its files and log under DIR; its process id in
# $openbox_pid once it has started.
start_openbox() {
    mkdir -p "$1/wm"
    XDG_CONFIG_HOME=$1/wm XDG_CACHE_HOME=$1/wm \
        openbox --sm-disable --startup "touch $1/wm/ready" >"$1/openbox.log" 2>&1 &
    # shellcheck disable=SC2034 # for the test to end it
    openbox_pid=$!
    wait_until 10 "openbox did not start" test -e "$1/wm/ready"
}

# game_window PID: the visible window of the game with process id PID in $window; fails
# once the game has exited.
game_window() {
    kill -0 "$1" 2>/dev/null || fail "the game exited before its window showed"
    window=$(xdotool search --onlyvisible --name '^Tarnwick VORPIN Dice Game$' 2>/dev/null |
        head -n 1)
    [ -n "$window" ]
}

# watch_settings FILE: records in FILE every change to the settings folder from now on,
# $watch_pid being the watcher's process id.
watch_settings() {
    mkdir -p "$XDG_CONFIG_HOME/Tarnwick"
    inotifywait -m -e create,moved_to,close_write --format '%e %f' "$XDG_CONFIG_HOME/Tarnwick" \
        >"$1" 2>"$1.log" &
    # shellcheck disable=SC2034 # for the test to end it
    watch_pid=$!
    wait_until 5 "inotifywait did not start watching" grep -qs 'Watches established' "$1.log"
}

# settings_writes FILE: how often the settings file was written, as watch_settings saw
# it. A write shows as the file's creation (a new file linked in, perhaps then written
# and closed), a rename onto it, or a write and close of the existing file.
settings_writes() {
    # Once a file made after the writes shows among the changes, all of them are there.
    touch "$XDG_CONFIG_HOME/Tarnwick/.seen"
    wait_until 5 "inotifywait missed a change" grep -q ' \.seen$' "$1"
    rm "$XDG_CONFIG_HOME/Tarnwick/.seen"
    awk '$2 == "Vorpin.conf" {
             if ($1 ~ /CLOSE_WRITE/ && last ~ /CREATE/) { last = ""; next }
             writes++; last = $1
         }
         END { print writes + 0 }' "$1"
}

# frame_geometry WINDOW: "x y width height" of the window as the screen shows it: of the
# frame a window manager put around it (the child of the root that holds it), else of
# the window itself. Fails while the window is not on the screen.
frame_geometry() {
    local at=$1 parent
    while parent=$(xwininfo -tree -id "$at" 2>/dev/null |
        sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p') &&
        [ -n "$parent" ] && ! xwininfo -tree -id "$at" | grep -q '^ *Parent window id: .*(the root window)'; do
        at=$parent
    done
    [ -n "$parent" ] || return 1
    xwininfo -id "$at" | awk -F: '
        /Absolute upper-left X/ { x = $2 } /Absolute upper-left Y/ { y = $2 }
        /^ *Width/ { w = $2 } /^ *Height/ { h = $2 }
        END { print x + 0, y + 0, w + 0, h + 0 }'
}

# visible_window NAME: the first visible window whose title is NAME, in $found.
visible_window() {
    found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$found" ]
}

# open_menu KEY: presses KEY (alt+v, say) until a menu of the game with process id $pid
# shows, the game's window having the focus; a key that comes before the window is ready
# may be lost.
open_menu() {
    local before attempt
    # shellcheck disable=SC2154 # the test's game
    before=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)
    for attempt in 1 2 3 4 5; do
        xdotool key "$1"
        for _ in $(seq 20); do
            [ "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)" -le "$before" ] ||
                return 0
            sleep 0.1
        done
        echo "$1 opened no menu (attempt $attempt)" >&2
        xdotool key Escape
    done
    fail "$1 opened no menu"
}
