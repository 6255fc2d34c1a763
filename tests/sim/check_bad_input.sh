#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every unusable command line or dice line ends the run with status 2, one
# "vorpin-sim: " line on standard error and nothing on standard output.
# usage: check_bad_input.sh <vorpin-sim>
set -u
sim=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0

fail() {
    echo "FAIL [$1]: $2"
    failures=$((failures + 1))
}

# run <stdin as printf format> <args...>: leaves the exit status in $status.
run() {
    input=$1
    shift
    printf "$input" | "$sim" "$@" >"$tmp/out" 2>"$tmp/err"
    status=$?
}

# bad <stdin as printf format> <args...>
bad() {
    run "$@"
    shift
    [ "$status" -eq 2 ] || fail "$*" "exit status $status"
    [ -s "$tmp/out" ] && fail "$*" "wrote to standard output"
    [ "$(wc -l <"$tmp/err")" -eq 1 ] && grep -q '^vorpin-sim: ' "$tmp/err" ||
        fail "$*" "standard error was: $(cat "$tmp/err")"
}

bad '' bogus
bad '' --games
bad '' options extra
bad '' solve extra
bad '' odds extra
bad '' play
bad '' play --policy psychic --games 1 --seed 1
bad '' play --policy greedy --games x --seed 1
bad '' play --policy greedy --games -1 --seed 1
bad '' play --policy greedy --games 0 --seed 1
bad '' play --policy greedy --games 5x --seed 1
bad '' play --policy greedy --games 1000000001 --seed 1
bad '' play --policy greedy --games 99999999999999999999999 --seed 1
bad '' play --policy greedy --games 1 --seed 4294967296
bad '' play --policy greedy --games 1 --seed ' 1'
bad '' play --policy greedy --games 1
bad '' play --policy greedy --games 1 --seed
bad '' play --policy greedy --games 1 --seed 1 --fast
bad '' play --policy greedy --games 1 --seed 1 --games 2
bad '' play --policy greedy --games 1 --seed 1 --trace --trace
bad '\n' options
bad '1 2 3 4 5\n' options
bad '1 2 3 4 5 6 1\n' options
bad '1 2 3 4 5 256\n' options
bad '1 2 3 4 5 -1\n' options
bad '1 2 3 4 5 +6\n' options
bad '1 2 3 4 5 6x\n' options
bad '1,2,3,4,5,6\n' options
bad '1 2 3 4 5 1e1\n' options

# No arguments at all: the usage, on standard error only.
run ''
[ "$status" -eq 2 ] && [ ! -s "$tmp/out" ] && grep -q '^usage: ' "$tmp/err" ||
    fail "no arguments" "status $status, standard error: $(cat "$tmp/err")"

[ "$failures" -eq 0 ]
