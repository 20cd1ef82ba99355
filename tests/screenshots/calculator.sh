#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torrentix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a real X server: the calculator window opens as designed, refuses a
# bad input with the mistake text, and Exit ends the program with status 0. Leaves the
# screenshots in the folder given.
#   calculator.sh <torrentix executable> <screenshot folder>
set -euo pipefail
exe=$1
out=$2
source "$(dirname "$0")/xsession.sh"
start_x
start_app "$exe"
[ "$WIDTH" = 725 ] && [ "$HEIGHT" = 440 ] || fail "client area is ${WIDTH}x${HEIGHT}, not 725x440"

shot=$(mktemp --suffix=.png)
expect_pixel "$shot" 220 292 255,255,192 "kW bar light yellow"
expect_pixel "$shot" 220 332 255,255,0 "MW bar yellow"
expect_pixel "$shot" 400 416 192,255,192 "hint light green"
cp "$shot" "$out/calculator.png"

# Type a text without a number into Txt_Q and press Solve: the mistake text shows and
# the results are hidden.
type_into "$AT_Q" abc
click "$AT_SOLVE"
face=$(pixel "$shot" 720 430)
expect_pixel "$shot" 220 292 "$face" "kW bar hidden after a refused input"
navy=0
for y in $(seq 140 5 220); do
    for x in $(seq 370 4 530); do
        [ "$(pixel "$shot" "$x" "$y")" = "0,0,128" ] && navy=1 && break 2
    done
done
[ "$navy" = 1 ] || fail "no navy mistake text in the error area"
cp "$shot" "$out/calculator-mistake.png"

exits_with_zero
rm -f "$shot"
echo "calculator window: all checks passed"
