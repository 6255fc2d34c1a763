#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays a million games with the optimal policy and checks that their mean number of
# turns lies within three standard errors of the solved expectation. Prints the figures.
# usage: bench/check-optimal-play.sh [vorpin-sim] [games] [seed]
set -eu
sim=${1:-build/default/tools/vorpin-sim}
games=${2:-1000000}
seed=${3:-1}
expected=$("$sim" solve | awk '/^optimal_turns / { print $2 }')
start=$(date +%s)
summary=$("$sim" play --policy optimal --games "$games" --seed "$seed" | tail -n 1)
seconds=$(($(date +%s) - start))
echo "solved:    optimal_turns $expected"
echo "simulated: $summary (seed $seed, $seconds s)"
echo "$summary" | awk -v expected="$expected" '{
    gap = $4 - expected
    if (gap < 0) gap = -gap
    printf "gap:       %.4f turns = %.2f standard errors\n", gap, gap / $6
    if (gap > 3 * $6) { print "FAIL: more than three standard errors"; exit 1 }
    print "OK: within three standard errors"
}'
