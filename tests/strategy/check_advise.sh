#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks of `vorpin-sim advise` on positions whose answer is plain, one behaviour per
# check name.
# usage: check_advise.sh <vorpin-sim> bank_at_the_end | never_below_the_minimum |
#        straight | bad_input
set -eu
sim=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

advise() {
    "$sim" advise "$@" >"$tmp/out"
}

expect_line() {
    grep -qx "$1" "$tmp/out" || { echo "FAIL: no line '$1' in:"; cat "$tmp/out"; exit 1; }
}

# A bank that reaches 5000 ends the game: nothing beats it, and it costs this turn only.
bank_at_the_end() {
    advise --score 4950 --turn-total 350 --dice 7 7 7 7 7 7
    expect_line 'best bank'
    [ "$(sed -n 2p "$tmp/out")" = 'alt 1.000000000 bank' ]
    advise --score 4950 --turn-total 300 --dice 0 0 0 2 2 5
    expect_line 'best take 1 points 50 then bank'
    advise --score 4000 --turn-total 900 --dice 1 2 3 4 6 6
    expect_line 'best take 1 points 100 then bank'
}

# Below the minimum End Turn does nothing: no advice may bank there.
never_below_the_minimum() {
    for position in '0 0 1 5 2 3 4 4' '0 300 0 0 0 1 5 2' '1000 200 0 0 0 5 2 3' \
        '50 0 7 7 7 7 7 7'; do
        set -- $position
        advise --score "$1" --turn-total "$2" --dice "$3" "$4" "$5" "$6" "$7" "$8"
        if grep -q bank "$tmp/out"; then
            echo "FAIL: banks below the minimum at $position:"
            cat "$tmp/out"
            exit 1
        fi
    done
}

# The straight (1500, all six dice thrown again) is the first row and beats single dice.
straight() {
    for dice in '1 2 3 4 5 6' '6 5 4 3 2 1' '3 1 4 6 5 2'; do
        advise --score 0 --turn-total 0 --dice $dice
        head -n 1 "$tmp/out" | grep -Eq '^best take 1 points 1500 then (bank|roll 6)$' ||
            { echo "FAIL: $dice:"; cat "$tmp/out"; exit 1; }
    done
}

# Each unusable position: status 2, one "vorpin-sim: " line on standard error, nothing
# on standard output.
bad_input() {
    failures=0
    while IFS='|' read -r args; do
        status=0
        "$sim" advise $args >"$tmp/out" 2>"$tmp/err" || status=$?
        if [ "$status" -ne 2 ] || [ -s "$tmp/out" ] || [ "$(wc -l <"$tmp/err")" -ne 1 ] ||
            ! grep -q '^vorpin-sim: ' "$tmp/err"; then
            echo "FAIL [$args]: status $status, error: $(cat "$tmp/err")"
            failures=$((failures + 1))
        fi
    done <<'CASES'
--score 25 --turn-total 0 --dice 1 2 3 4 5 6
--score 5000 --turn-total 0 --dice 1 2 3 4 5 6
--score -50 --turn-total 0 --dice 1 2 3 4 5 6
--score 0 --turn-total -50 --dice 1 2 3 4 5 6
--score 0 --turn-total 75 --dice 1 2 3 4 5 6
--score 0 --turn-total 0 --dice 1 2 3 4 5
--score 0 --turn-total 0 --dice 1 2 3 4 5 6 1
--score 0 --turn-total 0 --dice 1 2 3 4 5 8
--score 0 --turn-total 0 --dice 1 2 3 4 5 x
--score 0 --turn-total 0 --dice 7 7 7 7 7 1
--score 0 --turn-total 0 --dice 0 7 7 7 7 7
--score 0 --turn-total 0 --dice 2 3 4 6 2 3
--score 0 --turn-total 0 --dice 0 0 0 0 0 0
--score 0 --turn-total 0
--score 0 --score 50 --turn-total 0 --dice 1 2 3 4 5 6
--score 0 --turn-total 0 --dice 1 2 3 4 5 6 --fast
--score --turn-total 0 --dice 1 2 3 4 5 6
CASES
    [ "$failures" -eq 0 ]
}

"$2"
