#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torrentix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a real X server: the calculator's Formula, Diagram and About buttons
# open their windows as designed, and Main page / Close take each away again while the
# calculator keeps running. Leaves the screenshots in the folder given.
#   reference.sh <torrentix executable> <screenshot folder>
set -euo pipefail
exe=$1
out=$2
source "$(dirname "$0")/xsession.sh"
start_x
start_app "$exe"
calculator=$WINDOW
shot=$(mktemp --suffix=.png)

# open "X Y" TITLE: clicks a calculator button and waits for the window it opens.
open() {
    eval "$(xdotool getwindowgeometry --shell "$calculator")"
    click "$1"
    WINDOW=$(wait_window "$2") || fail "no window titled '$2' appeared"
    eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
}

open "$AT_FORMULA" "$FORMULA_TITLE"
[ "$WIDTH" = 725 ] && [ "$HEIGHT" = 440 ] || fail "formula window is ${WIDTH}x${HEIGHT}"
expect_pixel "$shot" 22 230 255,255,192 "light-yellow formula band"
cp "$shot" "$out/formula.png"
click "$AT_FORMULA_MAIN_PAGE"
gone "$FORMULA_TITLE"

open "$AT_DIAGRAM" "$DIAGRAM_TITLE"
[ "$WIDTH" = 725 ] && [ "$HEIGHT" = 440 ] || fail "diagram window is ${WIDTH}x${HEIGHT}"
# The picture box starts 36 pixels left of the window: picture point (x, y) shows at
# (x - 34, y + 18).
expect_pixel "$shot" $((520 - 34)) $((80 + 18)) 192,255,255 "light cyan in the reservoir" 8
near "$(pixel "$shot" $((325 - 34)) $((100 + 18)))" 0,0,0 8 || fail "the dam wall is not black"
near "$(pixel "$shot" $((100 - 34)) $((20 + 18)))" 255,255,255 8 || fail "no white around the drawing"
cp "$shot" "$out/diagram.png"
click "$AT_DIAGRAM_MAIN_PAGE"
gone "$DIAGRAM_TITLE"

open "$AT_ABOUT" "$ABOUT_TITLE"
[ "$WIDTH" = 717 ] && [ "$HEIGHT" = 440 ] || fail "about window is ${WIDTH}x${HEIGHT}"
shoot "$shot"
cp "$shot" "$out/about.png"
click "$AT_ABOUT_CLOSE"
gone "$ABOUT_TITLE"

# The calculator is still there and still working.
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended with the reference windows"
shown "$CALCULATOR_TITLE" || fail "the calculator window is gone"
rm -f "$shot"
echo "reference windows: all checks passed"
