#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks of `vorpin-sim play`, one behaviour per check name.
# usage: check_play.sh <vorpin-sim> same_seed | game_lines | trace
set -eu
sim=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The same seed plays the same games again; another seed plays other games.
same_seed() {
    "$sim" play --policy fickle --games 30 --seed 42 --trace >"$tmp/first"
    "$sim" play --policy fickle --games 30 --seed 42 --trace >"$tmp/second"
    "$sim" play --policy fickle --games 30 --seed 43 --trace >"$tmp/other"
    cmp "$tmp/first" "$tmp/second"
    ! cmp -s "$tmp/first" "$tmp/other"
}

# Every policy plays its games to the winning score, numbered from 1, and the closing
# line gives the mean of their turns.
game_lines() {
    for policy in greedy banker fickle thumb; do
        "$sim" play --policy "$policy" --games 200 --seed 7 >"$tmp/out"
        awk -v policy="$policy" '
            function fail(why) { print "FAIL " policy " line " NR ": " why ": " $0; bad = 1; exit 1 }
            /^game / {
                if (NF != 6 || $2 != ++games || $3 != "turns" || $4 !~ /^[1-9][0-9]*$/ ||
                    $5 != "score" || $6 !~ /^[0-9]+$/) fail("malformed game line")
                if ($6 < 5000) fail("game ended below 5000")
                turns += $4
                next
            }
            NR == games + 1 && /^games 200 mean_turns [0-9]+\.[0-9][0-9][0-9][0-9]$/ {
                if ($4 != sprintf("%.4f", turns / games)) fail("wrong mean")
                closed = 1
                next
            }
            { fail("unexpected line") }
            END { if (!bad && (games != 200 || !closed)) { print "FAIL " policy ": " games " games"; exit 1 } }
        ' "$tmp/out"
    done
}

# Roll lines show six dice from 0 to 6; within a game the turn starts at 1, never goes
# back, and the game line reports the turn of its last roll.
trace() {
    for policy in greedy fickle; do
        "$sim" play --policy "$policy" --games 50 --seed 3 --trace >"$tmp/out"
        awk -v policy="$policy" '
            function fail(why) { print "FAIL " policy " line " NR ": " why ": " $0; bad = 1; exit 1 }
            /^roll / {
                if (NF != 8 || $2 !~ /^[1-9][0-9]*$/) fail("malformed roll line")
                for (i = 3; i <= 8; i++) if ($i !~ /^[0-6]$/) fail("malformed die")
                if (turn == 0 && $2 != 1) fail("first turn is not 1")
                if ($2 < turn) fail("turn went back")
                turn = $2
                rolls++
                next
            }
            /^game / {
                if (rolls == 0 || $4 != turn) fail("game turns differ from the last roll")
                turn = 0
                rolls = 0
                next
            }
            /^games / { next }
            { fail("unexpected line") }
        ' "$tmp/out"
    done
}

"$2"
