#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the Windows build under Wine as a player would: checks the title screen, presses
# F2 and Ctrl+R, closes the game through Game > Exit, and then finds the 32 values in the
# registry with their types and first-run defaults (none before the close).
# usage: play_and_registry.sh <Vorpin.exe>
set -eu
# shellcheck source-path=SCRIPTDIR source=wine.sh
. "$(dirname "$(realpath "$0")")/wine.sh"
begin_test "$0" "$@"

start_game "$1"
check_title_screen

keep_shot title windows-title-screen.png
start_playing
# Ctrl+R throws the six fresh dice: their pips show in the row of dice at the top.
dice_pips() {
    count "$tmp/$1.png" $((board_x + 8)) $((board_y + 8)) 274 39 'r < 100 && g < 100 && b < 100'
}
unrolled=$(dice_pips game)
rolled() {
    shot rolled
    [ "$(dice_pips rolled)" -gt $((unrolled + 20)) ]
}
xdotool key ctrl+r
wait_until 10 "Ctrl+R threw no dice" rolled

[ -z "$(registry_values "$settings_key")" ] ||
    fail "registry values written before the game closed"
close_through_menu

expected_settings "$tmp/expected"
check_settings "$tmp/expected"
echo "PASS: played, closed through Game > Exit, and the 32 values stand in the registry"
