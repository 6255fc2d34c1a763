#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# --help, -h and COMMAND --help print the usage on standard output and succeed;
# --version prints the version. A bare call and unusable command lines still fail with
# status 2 and the usage or one message on standard error.
# usage: check_help.sh <vorpin-sim> <version>
set -u
sim=$1
version=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0

# expect <status> <out|err: the stream that answers> <its first line> <args...>
# The other stream must stay empty.
expect() {
    status=$1 stream=$2 first=$3
    shift 3
    "$sim" "$@" </dev/null >"$tmp/out" 2>"$tmp/err"
    got=$?
    other=out
    [ "$stream" = out ] && other=err
    if [ "$got" -ne "$status" ] || [ "$(head -n 1 "$tmp/$stream")" != "$first" ] ||
        [ -s "$tmp/$other" ]; then
        echo "FAIL [$*]: status $got, out: $(head -n 1 "$tmp/out"), err: $(head -n 1 "$tmp/err")"
        failures=$((failures + 1))
    fi
}

usage="usage: vorpin-sim options < dice-lines"
commands="(options, play, solve, advise or odds)"
expect 0 out "$usage" --help
expect 0 out "$usage" -h
expect 0 out "$usage" play --help
expect 0 out "$usage" options -h
expect 0 out "$usage" advise --score 50 --help
expect 0 out "vorpin-sim $version" --version
expect 2 err "$usage"
expect 2 err "vorpin-sim: unknown command 'bogus' $commands" bogus --help
expect 2 err "vorpin-sim: unknown command '--version' $commands" --version extra
expect 2 err "vorpin-sim: unknown flag '--hlep' for play" play --hlep

# The whole usage on standard output is the one a bare call shows on standard error.
"$sim" --help >"$tmp/help"
"$sim" 2>"$tmp/bare"
cmp -s "$tmp/help" "$tmp/bare" || {
    echo "FAIL: --help and a bare call show different usage texts"
    failures=$((failures + 1))
}
[ "$failures" -eq 0 ]
