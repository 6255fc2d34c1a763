#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# `vorpin-sim options` answers each dice line as soon as it has it, so another program
# can ask line by line through a pipe it keeps open.
# usage: check_options_stream.sh <vorpin-sim>
set -eu
sim=$1
tmp=$(mktemp -d)
trap 'exec 3>&-; rm -rf "$tmp"' EXIT

mkfifo "$tmp/in"
"$sim" options <"$tmp/in" >"$tmp/out" &
exec 3>"$tmp/in"
echo '1 2 3 4 5 6' >&3
tries=0
while [ ! -s "$tmp/out" ] && [ "$tries" -lt 100 ]; do
    sleep 0.1
    tries=$((tries + 1))
done
answer=$(cat "$tmp/out")
exec 3>&-
wait
[ "$answer" = '1500 1 2 3 4 5 6; 100 1 - - - - -; 50 - - - - 5 -' ]
