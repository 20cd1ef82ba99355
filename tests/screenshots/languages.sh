#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torrentix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a real X server in each language it speaks: it picks the language from
# LANGUAGE at start, and every window, and a message box, is shot for a reader to look over.
#   languages.sh <torrentix executable> <screenshot folder>
set -euo pipefail
exe=$1
out=$2/languages
mkdir -p "$out"
source "$(dirname "$0")/xsession.sh"
start_x

# shown_besides WINDOW...: waits for a shown window of the program other than those given.
shown_besides() {
    local id
    for _ in $(seq 200); do
        for id in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null); do
            [[ " $* " == *" $id "* ]] || { WINDOW=$id && eval "$(xdotool getwindowgeometry --shell "$id")" && return 0; }
        done
        sleep 0.05
    done
    fail "no new window appeared"
}

for language in "${TORRENTIX_LANGUAGES[@]}"; do
    LANGUAGE=$language "$exe" &
    APP_PID=$!
    shown_besides
    calculator=$WINDOW
    [ "$(xdotool getwindowname "$calculator")" != "$CALCULATOR_TITLE" ] ||
        fail "$language: the calculator's title is English"
    type_into "$AT_Q" 0
    click "$AT_SOLVE" # the zero message
    shown_besides "$calculator"
    sleep 0.3
    shoot "$out/$language-message.png"
    xdotool key Return
    # Each reference window: the calculator button that opens it and its own that closes it.
    for window in "formula $AT_FORMULA $AT_FORMULA_MAIN_PAGE" "diagram $AT_DIAGRAM $AT_DIAGRAM_MAIN_PAGE" \
        "about $AT_ABOUT $AT_ABOUT_CLOSE"; do
        read -r name bx by cx cy <<<"$window"
        eval "$(xdotool getwindowgeometry --shell "$calculator")"
        sleep 0.3
        shoot "$out/$language-calculator.png"
        click "$bx" "$by"
        shown_besides "$calculator"
        sleep 0.3
        shoot "$out/$language-$name.png"
        click "$cx" "$cy"
    done
    kill "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=
done
echo "languages: all windows shot in $out"
