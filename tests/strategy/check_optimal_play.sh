#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The optimal policy, played through the board, finishes its games in the number of turns
# the solution expects: the mean lies within <k> standard errors of it.
# usage: check_optimal_play.sh <vorpin-sim> <games> <k>
set -eu
sim=$1
games=$2
k=$3
expected=$("$sim" solve | awk '/^optimal_turns / { print $2 }')
"$sim" play --policy optimal --games "$games" --seed 2024 | awk -v games="$games" \
    -v expected="$expected" -v k="$k" '
    /^game / { played++; turns += $4; next }
    END {
        if ($0 !~ /^games [0-9]+ mean_turns [0-9]+\.[0-9][0-9][0-9][0-9] stderr [0-9]+\.[0-9][0-9][0-9][0-9]$/) {
            print "FAIL: last line: " $0; exit 1
        }
        if ($2 != games || played != games) { print "FAIL: " played " games"; exit 1 }
        if ($4 != sprintf("%.4f", turns / games)) { print "FAIL: wrong mean " $4; exit 1 }
        gap = $4 - expected
        if (gap < 0) gap = -gap
        printf "mean %s, expected %s, gap %.4f = %.2f standard errors\n", $4, expected, gap, gap / $6
        if ($6 <= 0 || gap > k * $6) { print "FAIL: more than " k " standard errors"; exit 1 }
    }'
