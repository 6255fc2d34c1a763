#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test command as an unprivileged user: root writes through read-only files and
# folders, so permission faults only show without it. A build tree the unprivileged user
# cannot reach (a checkout under root's home, as in CI) is no reason to skip: the test
# program is copied to a scratch folder it can reach. Exits 77 (skipped) only where there
# is no unprivileged user to run as.
if [ "$(id -u)" != 0 ]; then
    exec "$@"
fi
as_nobody="setpriv --reuid=nobody --regid=nogroup --clear-groups"
if ! command -v setpriv >/dev/null || ! id nobody >/dev/null 2>&1; then
    echo "no unprivileged user to run $1 as" >&2
    exit 77
fi
program="$1"
shift
scratch=
if ! $as_nobody test -x "$program"; then
    scratch=$(mktemp -d) || exit 1
    chmod 755 "$scratch"
    cp "$program" "$scratch/" || exit 1
    program="$scratch/$(basename "$program")"
    chmod 755 "$program"
fi
cd /tmp || exit 1
$as_nobody env HOME=/tmp QT_QPA_PLATFORM=offscreen "$program" "$@"
status=$?
[ -n "$scratch" ] && rm -rf "$scratch"
exit $status
