#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test command as an unprivileged user: root writes through read-only files and
# folders, so permission faults only show without it. Exits 77 (skipped) where no
# unprivileged user can reach the command.
if [ "$(id -u)" != 0 ]; then
    exec "$@"
fi
as_nobody="setpriv --reuid=nobody --regid=nogroup --clear-groups"
if ! command -v setpriv >/dev/null || ! $as_nobody test -x "$1"; then
    echo "no unprivileged user can run $1" >&2
    exit 77
fi
exec $as_nobody env HOME=/tmp QT_QPA_PLATFORM=offscreen "$@"
