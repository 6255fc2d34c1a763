#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test of what the screen reader itself speaks for the real game: a process space
# of its own (the reader runs only once per user), a virtual display on a free number, a
# private D-Bus session with the accessibility bus, the reader switched on through the
# desktop settings, speech through espeak-ng into a null sound device, and the reader's
# debug log, which holds every utterance.
# usage: orca_session.sh <Vorpin> <driver.py>
# The driver gets the game's process id, its settings folder and the reader's log.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
fail() {
    echo "FAIL: $*" >&2
    for log in vorpin orca-stderr speechd; do
        [ ! -s "${tmp:-/nonexistent}/$log.log" ] || tail -n 40 "$tmp/$log.log" | sed "s/^/$log: /" >&2
    done
    [ ! -s "${tmp:-/nonexistent}/orca.log" ] ||
        grep -a 'SPEECH OUTPUT' "$tmp/orca.log" | tail -n 60 | sed 's/^/orca: /' >&2
    exit 1
}
[ -x "${1:-}" ] && [ -f "${2:-}" ] || fail "usage: $0 <Vorpin> <driver.py>"
python=/usr/bin/python3  # the system's, which has pyatspi and the reader

if [ -z "${VORPIN_ORCA_SPACE:-}" ]; then
    for tool in orca Xvfb openbox xdotool dbus-run-session gsettings speech-dispatcher unshare \
        /usr/libexec/at-spi-bus-launcher "$python"; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed" && exit 77; }
    done
    [ -e /usr/lib/speech-dispatcher-modules/sd_espeak-ng ] ||
        { echo "SKIP: no espeak-ng module for speech-dispatcher" && exit 77; }
    # A home of its own, set before the D-Bus session starts: the settings service that
    # the session starts on demand writes where the session's environment says.
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp"' EXIT
    export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/home/.config XDG_DATA_HOME=$tmp/home/.local/share \
        XDG_CACHE_HOME=$tmp/home/.cache XDG_RUNTIME_DIR=$tmp/runtime GSETTINGS_BACKEND=dconf \
        VORPIN_ORCA_SPACE=$tmp
    mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    # Every process of the test lives in a process space that ends with it; as root that
    # needs nothing more, otherwise a user namespace that maps the caller to root.
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(--map-root-user)
    status=0
    unshare "${as_root[@]}" --pid --fork --mount-proc \
        dbus-run-session -- "$(realpath "$0")" "$(realpath "$1")" "$(realpath "$2")" || status=$?
    exit "$status"
fi

tmp=$VORPIN_ORCA_SPACE
# The reader's own words, such as the role names it speaks, in English.
export LC_ALL=C.UTF-8
unset LANGUAGE QT_QPA_PLATFORM WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_STYLE_OVERRIDE
unset SESSION_MANAGER QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_ACCESSIBILITY

# Speech is made, and played into a sound device that drops it.
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
AudioOutputMethod "alsa"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
LogDir "$tmp/speechd"
CONF

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
for _ in $(seq 100); do
    [ -s "$tmp/display" ] && break
    sleep 0.1
done
[ -s "$tmp/display" ] || fail "the virtual display did not start"
DISPLAY=":$(cat "$tmp/display")"
export DISPLAY

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$tmp/launcher.log" 2>&1 &
gsettings set org.gnome.desktop.a11y.applications screen-reader-enabled true
[ "$(gsettings get org.gnome.desktop.a11y.applications screen-reader-enabled)" = true ] ||
    fail "the screen reader could not be switched on in the desktop settings"
mkdir "$tmp/wm"
XDG_CONFIG_HOME=$tmp/wm openbox --sm-disable --startup "touch $tmp/wm/ready" >"$tmp/openbox.log" 2>&1 &
for _ in $(seq 100); do
    [ -e "$tmp/wm/ready" ] && break
    sleep 0.1
done

"$python" "$here/orca_flush.py" --debug-file "$tmp/orca.log" --debug >"$tmp/orca-stderr.log" 2>&1 &
orca=$!
for _ in $(seq 300); do
    grep -q "SPEECH OUTPUT: 'Screen reader on" "$tmp/orca.log" 2>/dev/null && break
    sleep 0.1
done
grep -q "SPEECH OUTPUT: 'Screen reader on" "$tmp/orca.log" || fail "the screen reader did not start"

"$1" >"$tmp/vorpin.log" 2>&1 &
vorpin=$!
status=0
"$python" "$2" "$vorpin" "$XDG_CONFIG_HOME" "$tmp/orca.log" || status=$?
# VORPIN_ORCA_LOG=FILE keeps the reader's log.
[ -z "${VORPIN_ORCA_LOG:-}" ] || cp "$tmp/orca.log" "$VORPIN_ORCA_LOG"
[ "$status" -eq 0 ] || fail "$(basename "$2") failed"
# The reader goes first: the game holds each key it hands the reader until the reader
# answers, and a reader that is gone answers at once. Then the game is asked to end, and
# must end well (the sanitizers report at exit).
kill "$orca" 2>/dev/null || true
wait "$orca" 2>/dev/null || true
sleep 1
kill -TERM "$vorpin" 2>/dev/null || true
wait "$vorpin" || fail "the game exited with status $?"
