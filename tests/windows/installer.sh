#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer under Wine: a silent install (/S) puts the game, its Start menu entry and
# its uninstaller in place; the installed game starts and saves its records; the silent
# uninstaller removes the program and leaves the player's records in the registry.
# usage: installer.sh <Vorpin-<version>-setup.exe>
set -eu
# shellcheck source-path=SCRIPTDIR source=wine.sh
. "$(dirname "$(realpath "$0")")/wine.sh"
begin_test "$0" "$@"

wine "$1" /S >"$tmp/setup.log" 2>&1 || fail "the installer failed"
wineserver -w
user_dir=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 ! -name Public | head -n 1)
install_dir=$user_dir/AppData/Local/Programs/Vorpin
shortcut="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Vorpin.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vorpin'
for file in Vorpin.exe vorpin-sim.exe Uninstall.exe LICENSE.txt DejaVu-font-LICENSE.txt; do
    [ -f "$install_dir/$file" ] || fail "the installer put no $file in $install_dir"
done
[ -f "$shortcut" ] || fail "no Start menu entry Vorpin.lnk"
registry_values "$uninstall_key" | grep -q '^UninstallString REG_SZ ' ||
    fail "the uninstaller is not listed under $uninstall_key"

start_game "$install_dir/Vorpin.exe"
check_title_screen
close_through_menu
expected_settings "$tmp/expected"
check_settings "$tmp/expected"

wine "$install_dir/Uninstall.exe" /S >"$tmp/uninstall.log" 2>&1 || fail "the uninstaller failed"
# The uninstaller runs on from a copy of itself in the temporary folder.
uninstalled() { [ ! -e "$install_dir" ]; }
wait_until 60 "$install_dir still there 60 s after the uninstaller started" uninstalled
wineserver -w
[ ! -e "$shortcut" ] || fail "the uninstaller left the Start menu entry"
[ -z "$(registry_values "$uninstall_key")" ] || fail "the uninstaller left $uninstall_key"
check_settings "$tmp/expected"
echo "PASS: installed silently, played, uninstalled; the records stay"
