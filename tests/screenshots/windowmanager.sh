#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torrentix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under a window manager (openbox): each window's frame, decoration
# included, is centred on the screen, and a message box keeps the keyboard when the user
# clicks the calculator it blocks, so Return still closes it.
#   windowmanager.sh <torrentix executable> <screenshot folder>
set -euo pipefail
exe=$1
out=$2
source "$(dirname "$0")/xsession.sh"
start_x
openbox >/dev/null 2>&1 &
WM_PID=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done

# frame_offset WINDOW: how far the centre of the window's frame lies from the screen's, in
# half pixels, as "dx dy"; also sets X and Y to the client area's corner on the screen.
frame_offset() {
    local info extents l r t b
    info=$(xwininfo -id "$1")
    X=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    Y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    WIDTH=$(sed -n 's/.*Width: *//p' <<<"$info")
    HEIGHT=$(sed -n 's/.*Height: *//p' <<<"$info")
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
    IFS=, read -r l r t b <<<"${extents:-0,0,0,0}"
    echo "$(((X - l) * 2 + WIDTH + l + r - 1024)) $(((Y - t) * 2 + HEIGHT + t + b - 768))"
}

# expect_centred WINDOW WHAT: within 2 pixels, once the window manager has framed it.
expect_centred() {
    local dx dy
    for _ in $(seq 50); do
        read -r dx dy <<<"$(frame_offset "$1")"
        [ "${dx#-}" -le 4 ] && [ "${dy#-}" -le 4 ] && return 0
        sleep 0.1
    done
    fail "$2: frame centre is $dx/2, $dy/2 px off the screen's"
}

start_app "$exe"
calculator=$WINDOW
expect_centred "$calculator" "calculator"
frame_offset "$calculator" >/dev/null

# A window opened later is centred with its frame too.
click "$AT_FORMULA"
formula=$(wait_window "$FORMULA_TITLE") || fail "no formula window appeared"
expect_centred "$formula" "formula window"
frame_offset "$formula" >/dev/null
click "$AT_FORMULA_MAIN_PAGE"

# Zero into Q and Solve raise a box; a click on the calculator must not take its keyboard.
frame_offset "$calculator" >/dev/null
type_into "$AT_Q" 0
click "$AT_SOLVE"
wait_window "$TORRENTIX_TITLE" >/dev/null || fail "no message box appeared"
shot=$(mktemp --suffix=.png)
import -window root -strip "$shot"
cp "$shot" "$out/windowmanager-box.png"
click 60 400
sleep 0.5
xdotool key Return
gone "$TORRENTIX_TITLE" "Return did not close the box after a click on the calculator"
rm -f "$shot"
echo "window manager: all checks passed"
