#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the desktop entry or the AppStream metadata with the freedesktop.org tools, as
# software centres and menus read them: any error, warning or hint fails (for AppStream,
# anything above its pedantic notes). A manual page is formatted as Debian's checker
# does it, and any warning from the formatter fails.
# usage: validate.sh desktop <file.desktop>
#        validate.sh metainfo <file.metainfo.xml>
#        validate.sh manpage <page.6>
set -eu

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

[ $# -eq 2 ] || fail "usage: $0 desktop|metainfo|manpage <file>"
[ -f "$2" ] || fail "no file at $2"

case $1 in
desktop)
    command -v desktop-file-validate >/dev/null ||
        fail "desktop-file-validate is not installed (desktop-file-utils, see scripts/install-deps)"
    status=0
    report=$(desktop-file-validate "$2" 2>&1) || status=$?
    { [ "$status" -eq 0 ] && [ -z "$report" ]; } ||
        fail "desktop-file-validate $2 (status $status):"$'\n'"$report"
    ;;
metainfo)
    command -v appstreamcli >/dev/null ||
        fail "appstreamcli is not installed (appstream, see scripts/install-deps)"
    status=0
    report=$(appstreamcli validate --no-net --strict --explain "$2" 2>&1) || status=$?
    [ "$status" -eq 0 ] || fail "appstreamcli validate --no-net --strict $2 (status $status):"$'\n'"$report"
    ;;
manpage)
    command -v man >/dev/null || fail "man is not installed (man-db, see scripts/install-deps)"
    status=0
    report=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$2" 2>&1 >/dev/null) ||
        status=$?
    { [ "$status" -eq 0 ] && [ -z "$report" ]; } || fail "man --warnings -l $2 (status $status):"$'\n'"$report"
    ;;
*)
    fail "unknown kind of file: $1"
    ;;
esac
echo "PASS: $2"
