#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the Windows build under Wine with registry values of the wrong types and sizes
# beside good ones. Each bad value loads as its own default and the good ones as stored,
# which shows in what the game writes back when it closes. A renamed copy of the game
# keeps its records under its own name.
# usage: damaged_registry.sh <Vorpin.exe>
set -eu
# shellcheck source-path=SCRIPTDIR source=wine.sh
. "$(dirname "$(realpath "$0")")/wine.sh"
begin_test "$0" "$@"

cat >"$tmp/damaged.reg" <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Tarnwick\Vorpin\1.0\Settings]
"DiceColor"="0x0000ff"
"LASTNAME"=dword:00000007
"SNAME1"=hex:41,00,42,00,00,00
"SNUM1"="4000"
"STURN1"=hex(b):01,00,00,00,00,00,00,00
"SNAME2"=hex(2):41,00,00,00
"SNUM2"=hex:a0,0f,00,00
"STURN2"=hex(4):05,00
"SNAME3"=""
"SNUM3"=dword:ffffffff
"STURN3"=hex(4):05,00,00,00
"SNAME4"="Kept Name"
"SNUM4"=dword:00001234
"STURN4"=hex(7):31,00,00,00,00,00
"SNAME5"=hex(7):41,00,00,00,00,00
REG
wine reg import "$tmp/damaged.reg" >"$tmp/reg-import.log" 2>&1 || fail "reg import failed"
wineserver -w

start_game "$1"
check_title_screen
close_through_menu

# Good values come back as stored (an empty name stays empty, 0xffffffff stays), the rest
# as their defaults, each with its own type.
expected_settings "$tmp/expected"
sed -i -e 's/^SNAME3 REG_SZ .*/SNAME3 REG_SZ /' -e 's/^SNUM3 .*/SNUM3 REG_DWORD 0xffffffff/' \
    -e 's/^STURN3 .*/STURN3 REG_DWORD 0x5/' -e 's/^SNAME4 .*/SNAME4 REG_SZ Kept Name/' \
    -e 's/^SNUM4 .*/SNUM4 REG_DWORD 0x1234/' "$tmp/expected"
check_settings "$tmp/expected"

# Renamed, the game keeps its records under its new name and leaves the old ones alone.
cp "$1" "$tmp/Other.exe"
start_game "$tmp/Other.exe"
close_through_menu
expected_settings "$tmp/other-expected"
registry_values 'HKCU\Software\Tarnwick\Other\1.0\Settings' >"$tmp/other-written"
diff "$tmp/other-expected" "$tmp/other-written" >&2 ||
    fail "Other.exe did not write its defaults under Tarnwick\Other (< expected, > written)"
check_settings "$tmp/expected"
echo "PASS: damaged values loaded as their defaults, good ones as stored; a renamed copy keeps its own"
