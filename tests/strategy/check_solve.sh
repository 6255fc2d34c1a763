#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# `vorpin-sim solve` prints the optimal expected turns, a falling value for each banked
# score from 0 to 4950, and the banking totals for 0 and 2500 banked, in that order.
# usage: check_solve.sh <vorpin-sim>
set -eu
"$1" solve | awk '
    function fail(why) { print "FAIL line " NR ": " why ": " $0; bad = 1; exit 1 }
    function nine_decimals(x) { return x ~ /^[0-9]+\.[0-9]+$/ && length(x) - index(x, ".") == 9 }
    NR == 1 {
        if (NF != 2 || $1 != "optimal_turns" || !nine_decimals($2)) fail("malformed first line")
        optimal = $2
        next
    }
    NR <= 101 {
        if (NF != 3 || $1 != "value" || $2 != (NR - 2) * 50 || !nine_decimals($3))
            fail("malformed value line")
        if (NR == 2 && $3 != optimal) fail("optimal_turns is not the value at 0")
        if (NR > 2 && $3 > last) fail("value rises with the score")
        last = $3
        next
    }
    NR <= 113 {
        i = NR - 102
        score = i < 6 ? 0 : 2500
        if (NF != 4 || $1 != "bank_at" || $2 != score || $3 != i % 6 + 1) fail("malformed bank_at line")
        least = score == 0 ? 500 : 350
        if ($4 != "never" && ($4 !~ /^[0-9]+$/ || $4 % 50 != 0 || $4 < least)) fail("bad total")
        next
    }
    { fail("unexpected line") }
    END { if (!bad && NR != 113) { print "FAIL: " NR " lines"; exit 1 } }
'
