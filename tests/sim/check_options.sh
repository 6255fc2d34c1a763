#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Feeds every dice line of the table to `vorpin-sim options` in one run and compares the
# answers with the table's, line for line.
# usage: check_options.sh <vorpin-sim> <table>
set -eu
sim=$1
table=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

grep -v '^#' "$table" >"$tmp/cases"
sed 's/ -> .*//' "$tmp/cases" >"$tmp/dice"
sed 's/.* -> //' "$tmp/cases" >"$tmp/want"
# The last line goes without its newline: a final unterminated line counts too.
printf '%s' "$(cat "$tmp/dice")" | "$sim" options >"$tmp/got"
diff "$tmp/want" "$tmp/got"
