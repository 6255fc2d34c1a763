#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Rolls per second of `vorpin-sim play`, timed as whole runs, output included: by default
# the greedy player over 60 000 games (seed 1), seven runs. Given two simulators, runs
# them in turn (so that other load on the machine falls on both alike) and prints the
# ratio of their medians as well.
# usage: bench/sim-speed.sh [vorpin-sim] [other vorpin-sim] [runs] [games]
set -euo pipefail
sim=${1:-build/default/tools/vorpin-sim}
other=${2:-}
runs=${3:-7}
games=${4:-60000}
play=(play --policy greedy --games "$games" --seed 1)
times=$(mktemp)
trap 'rm -f "$times"' EXIT

# The same seed rolls the same dice in every build: count them once, from the trace.
rolls=$("$sim" "${play[@]}" --trace | grep -c '^roll ')

# time_run <simulator>: one whole run; appends "<simulator> <wall s> <cpu s>".
time_run() {
    local TIMEFORMAT="$1 %3R %3U %3S"
    { time "$1" "${play[@]}" >/dev/null; } 2>>"$times"
}

for ((run = 0; run < runs; run++)); do
    time_run "$sim"
    [ -z "$other" ] || time_run "$other"
done

awk -v rolls="$rolls" -v games="$games" '
    function median(list, n,    i, j, t) {
        for (i = 2; i <= n; i++)
            for (j = i; j > 1 && list[j - 1] > list[j]; j--) {
                t = list[j]; list[j] = list[j - 1]; list[j - 1] = t
            }
        return n % 2 ? list[(n + 1) / 2] : (list[n / 2] + list[n / 2 + 1]) / 2
    }
    {
        if (!($1 in count)) order[++names] = $1
        n = ++count[$1]
        wall[$1, n] = $2
        cpu[$1, n] = $3 + $4
    }
    END {
        printf "%d games, %d rolls\n", games, rolls
        for (k = 1; k <= names; k++) {
            name = order[k]
            for (i = 1; i <= count[name]; i++) { w[i] = wall[name, i]; c[i] = cpu[name, i] }
            mw[k] = median(w, count[name])
            mc[k] = median(c, count[name])
            printf "%s: median %.3f s wall, %.3f s cpu over %d runs: %.2f M rolls/s wall, %.2f M rolls/s cpu\n",
                name, mw[k], mc[k], count[name], rolls / mw[k] / 1e6, rolls / mc[k] / 1e6
        }
        if (names == 2)
            printf "the second takes %.2fx the wall time and %.2fx the cpu time of the first\n",
                mw[2] / mw[1], mc[2] / mc[1]
    }' "$times"
