# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# What the tests of the Windows build share: a virtual X display, a fresh Wine prefix,
# starting the game and finding its window, reading its title screen, closing it through
# its menu, and reading the registry. Sourced by the tests in this folder.

# shellcheck source-path=SCRIPTDIR source=../e2e/screen.sh
. "$(dirname "${BASH_SOURCE[0]}")/../e2e/screen.sh"

fail() {
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ]; then
        echo "--- windows shown:" >&2
        xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | sort | uniq -c >&2 || true
    fi
    for log in "${tmp:-/nonexistent}"/*.log; do
        if [ -s "$log" ]; then
            echo "--- ${log##*/}:" >&2
            tail -n 40 "$log" >&2
        fi
    done
    exit 1
}

# on_virtual_display SCRIPT ARGS...: runs SCRIPT again under xvfb-run, once. A display
# that does not start is tried again; a failure of the test itself is not.
on_virtual_display() {
    if [ -n "${VORPIN_WINE_STARTED:-}" ]; then
        touch "$VORPIN_WINE_STARTED"
        return
    fi
    for tool in xvfb-run xauth xdotool import convert wine wineboot wineserver tesseract sqlite3; do
        command -v "$tool" >/dev/null || fail "$tool is not installed (see scripts/build-windows)"
    done
    local started attempt status
    started=$(mktemp -d)
    for attempt in 1 2 3; do
        status=0
        VORPIN_WINE_STARTED=$started/started \
            xvfb-run -a -s "-screen 0 1280x1024x24" "$(realpath "$1")" "${@:2}" || status=$?
        if [ "$status" -eq 0 ] || [ -e "$started/started" ]; then
            rm -rf "$started"
            exit "$status"
        fi
        echo "the virtual display did not start (attempt $attempt)" >&2
    done
    rm -rf "$started"
    fail "xvfb-run could not start a virtual display"
}

# begin_test SCRIPT FILE: checks that FILE (the executable or installer under test) is
# there, then runs SCRIPT again on a virtual display in a fresh Wine prefix.
begin_test() {
    if [ $# -ne 2 ] || [ ! -f "$2" ]; then
        fail "usage: ${1##*/} FILE, the program or installer under test${2:+ ($2 is none)}"
    fi
    on_virtual_display "$1" "$(realpath "$2")"
    new_prefix
}

# wait_until SECONDS PROBLEM COMMAND...: runs COMMAND until it succeeds, failing with
# PROBLEM after SECONDS.
wait_until() {
    local deadline=$((SECONDS + $1)) problem=$2
    shift 2
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || fail "$problem"
        sleep 0.2
    done
}

# new_prefix: a scratch folder $tmp and a fresh Wine prefix in it, both gone at the end.
new_prefix() {
    tmp=$(mktemp -d)
    game_pid=""
    trap 'finish' EXIT
    export WINEPREFIX=$tmp/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    unset WINEARCH QT_QPA_PLATFORM QT_STYLE_OVERRIDE QT_SCALE_FACTOR
    wineboot -i >"$tmp/wineboot.log" 2>&1 || fail "wineboot could not make a Wine prefix"
    wineserver -w
}

finish() {
    [ -z "$game_pid" ] || kill "$game_pid" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    rm -rf "$tmp"
}

game_runs() {
    kill -0 "$game_pid" 2>/dev/null
}

# start_game EXE: starts the game and waits for its window, $window.
start_game() {
    wine "$1" >"$tmp/vorpin-stdout.log" 2>"$tmp/vorpin-stderr.log" &
    game_pid=$!
    wait_until 60 "no window \"Tarnwick VORPIN Dice Game\" within 60 s" window_shows
}

window_shows() {
    game_runs || fail "Vorpin exited before its window showed"
    window=$(xdotool search --onlyvisible --name '^Tarnwick VORPIN Dice Game$' 2>/dev/null | head -n 1)
    [ -n "$window" ]
}

# shot NAME [WINDOW]: the game's window (or WINDOW) as it shows now, in $tmp/NAME.png.
shot() {
    import -window "${2:-$window}" "$tmp/$1.png"
}

# keep_shot NAME FILE: when VORPIN_WINDOWS_SHOTS names a folder, keeps the shot NAME
# there as FILE.
keep_shot() {
    [ -z "${VORPIN_WINDOWS_SHOTS:-}" ] || cp "$tmp/$1.png" "$VORPIN_WINDOWS_SHOTS/$2"
}

# read_text NAME WINDOW [PERCENT]: the text in WINDOW as optical character recognition
# reads it from a shot enlarged to PERCENT, three times unless told (kept as $tmp/NAME.png).
read_text() {
    shot "$1" "$2"
    convert "$tmp/$1.png" -colorspace Gray -resize "${3:-300}%" "$tmp/$1-large.png"
    tesseract "$tmp/$1-large.png" - --psm 6 2>/dev/null
}

# shown_window TITLE: the game's visible window titled TITLE, in $shown.
shown_window() {
    game_runs || fail "Vorpin exited while a window \"$1\" was awaited"
    shown=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$shown" ]
}

# focus_game: makes the game's window the active one, with a click on the empty right end
# of its menu bar (Wine may not take the X input focus alone as activation after another
# of the game's windows has closed).
focus_game() {
    local width
    width=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^WIDTH=//p')
    xdotool mousemove --window "$window" $((width - 6)) 8 click 1
    timeout 5 xdotool windowfocus --sync "$window" || fail "could not give the window the focus"
}

# start_playing: F2 starts a game; the board turns the colour of a button face.
start_playing() {
    focus_game
    xdotool key F2
    wait_until 10 "the board stayed white after F2" board_in_play
}

# open_coach: starts the game, checks its title screen, starts playing and opens the Coach
# with F3, in $coach.
open_coach() {
    start_game "$1"
    check_title_screen
    start_playing
    xdotool key F3
    wait_until 20 "F3 opened no Coach" shown_window Coach
    # shellcheck disable=SC2034  # for the tests that read the Coach
    coach=$shown
}

board_in_play() {
    shot game
    [ "$(colour "$tmp/game.png" $((board_x + 230)) $((board_y + 300)))" != "255 255 255" ]
}

# appdata: the Unix path of the Wine user's %APPDATA% folder.
appdata() {
    winepath -u "$(wine cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')" 2>/dev/null
}

white='r == 255 && g == 255 && b == 255'

within() {
    [ "$1" -ge "$2" ] && [ "$1" -le "$3" ]
}

# longest_white IMAGE X Y W H: "start length" of the longest unbroken run of white pixels
# along a row (H = 1) or a column (W = 1), with start counted in the whole image.
longest_white() {
    local along=1
    [ "$4" -ne 1 ] || along=2
    pixels "$@" | awk -v along="$along" '
        $3 == 255 && $4 == 255 && $5 == 255 {
            if (!run++) start = $along
            if (run > best) { best = run; best_start = start }
            next
        }
        { run = 0 }
        END { print best_start + 0, best + 0 }'
}

# The title screen's board is the longest white run along a row near the window's bottom
# (Wine's menu bar and window edges may be white too); its top and height are those of
# the white run down the column just inside its left edge. Sets board_x, board_y,
# board_width and board_height.
board_shows() {
    local width height
    shot title
    read -r width height <<<"$(identify -format '%w %h' "$tmp/title.png")"
    read -r board_x board_width <<<"$(longest_white "$tmp/title.png" 0 $((height - 12)) "$width" 1)"
    [ "$board_width" -ge 100 ] || return 1
    read -r board_y board_height <<<"$(longest_white "$tmp/title.png" $((board_x + 1)) 0 1 "$height")"
}

# check_title_screen: a white 500 x 402 board with the logo at the top, a blue first line
# and below it the red "Press F2 to begin", both centred on the board.
check_title_screen() {
    wait_until 20 "the title screen did not show" board_shows
    # The light right and bottom edges of the sunken frame around the board may be white
    # too, up to two pixels.
    if ! within "$board_width" 500 502 || ! within "$board_height" 402 404; then
        fail "the title screen's white board is ${board_width}x$board_height, not 500x402"
    fi
    local title=$tmp/title-board.png
    convert "$tmp/title.png" -crop "500x402+$board_x+$board_y" +repage "$title"
    [ "$(count "$title" 0 395 500 1 "$white")" -eq 500 ] ||
        fail "the title screen's board is not white from edge to edge"
    local logo blues blue_left blue_right blue_bottom reds red_left red_right red_top centre
    logo=$(count "$title" 0 0 500 100 "!($white)")
    [ "$logo" -ge 500 ] || fail "no logo at the top of the title screen ($logo coloured pixels)"
    read -r blues blue_left blue_right _ blue_bottom <<<"$(region "$title" 0 100 500 200 'b >= 200 && r <= 80 && g <= 80')"
    read -r reds red_left red_right red_top _ <<<"$(region "$title" 0 100 500 200 'r >= 200 && g <= 80 && b <= 80')"
    [ "$blues" -ge 50 ] || fail "no blue first line on the title screen"
    [ "$reds" -ge 50 ] || fail "no red \"Press F2 to begin\" line on the title screen"
    [ "$red_top" -gt "$blue_bottom" ] || fail "the red line is not below the blue one on the title screen"
    for centre in $(((blue_left + blue_right) / 2)) $(((red_left + red_right) / 2)); do
        within "$centre" 250 260 || fail "a line of the title screen is centred on x=$centre, not 255"
    done
}

visible_windows() {
    xdotool search --onlyvisible --class '' 2>/dev/null | wc -l
}

more_windows_than() {
    [ "$(visible_windows)" -gt "$1" ]
}

game_exited() {
    ! game_runs
}

# open_menu LETTER: opens a menu of the game's window with Alt+LETTER. While Wine is still
# handing the focus back from a closed window, the key may go nowhere: then it is pressed
# again, up to five times.
open_menu() {
    local before attempt deadline
    for attempt in 1 2 3 4 5; do
        focus_game
        before=$(visible_windows)
        xdotool key "alt+$1"
        deadline=$((SECONDS + 3))
        while [ "$SECONDS" -lt "$deadline" ]; do
            more_windows_than "$before" && return
            sleep 0.2
        done
        echo "Alt+$1 opened no menu (attempt $attempt)" >&2
        xdotool key Escape
    done
    fail "Alt+$1 opened no menu"
}

# close_through_menu: Game > Exit with the keyboard (Alt+G, x); the game must end with
# status 0 within 30 s.
close_through_menu() {
    open_menu g
    xdotool key x
    wait_until 30 "Vorpin still runs 30 s after Game > Exit" game_exited
    local status=0
    wait "$game_pid" || status=$?
    game_pid=""
    [ "$status" -eq 0 ] || fail "Vorpin exited with status $status after Game > Exit"
}

# registry_values KEY: "name type data" for each value of KEY, sorted; nothing when the
# key is missing.
registry_values() {
    wine reg query "$1" 2>/dev/null | tr -d '\r' |
        awk '/^    / { name = $1; type = $2; sub(/^    [^ ]+    [^ ]+    ?/, ""); print name, type, $0 }' |
        sort
}

# expected_settings FILE: the 32 values with their first-run defaults, as registry_values
# prints them, to be changed with sed where a test expects something else.
expected_settings() {
    {
        echo "DiceColor REG_DWORD 0xffffff"
        echo "LASTNAME REG_SZ A. Tarnwick"
        for n in 1 2 3 4 5 6 7 8 9 10; do
            echo "SNAME$n REG_SZ A. Tarnwick"
            echo "SNUM$n REG_DWORD 0x1388"
            printf 'STURN%d REG_DWORD 0x%x\n' "$n" $((19 + n))
        done
    } | sort >"$1"
}

settings_key='HKCU\Software\Tarnwick\Vorpin\1.0\Settings'

# check_settings EXPECTED: the game's settings key holds exactly these values.
check_settings() {
    registry_values "$settings_key" >"$tmp/written"
    diff "$1" "$tmp/written" >&2 ||
        fail "the registry values differ from those expected (< expected, > written)"
}
