#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays games with one policy and prints the mean number of turns with its standard
# error, and the share of games finished within 8, 10, 12 and 15 turns.
# usage: bench/policy-figures.sh <policy> [games] [seed] [vorpin-sim]
set -eu
policy=$1
games=${2:-1000000}
seed=${3:-1}
sim=${4:-build/default/tools/vorpin-sim}
"$sim" play --policy "$policy" --games "$games" --seed "$seed" | awk -v policy="$policy" '
    /^game / {
        n++; sum += $4; squares += $4 * $4
        if ($4 <= 8) w8++
        if ($4 <= 10) w10++
        if ($4 <= 12) w12++
        if ($4 <= 15) w15++
    }
    END {
        mean = sum / n
        printf "%s games %d mean_turns %.4f stderr %.4f", policy, n, mean,
            sqrt((squares - n * mean * mean) / (n - 1) / n)
        printf " within8 %.4f within10 %.4f within12 %.4f within15 %.4f\n",
            w8 / n, w10 / n, w12 / n, w15 / n
    }'
