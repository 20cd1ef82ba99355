# SPDX-FileCopyrightText: 2026 The Torrentix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the screenshot tests, the Wine checks and first contact: a private Xvfb, the real
# program on it, clicks on its controls, and pixel checks. Source it; call start_x first.
# Needs Xvfb and xdotool, and ImageMagick for the pixels.
# The server never resets: a reset when the last client goes would refuse a program started
# right after the one before it ended, as the language session does.

# The program's title and languages, its windows' titles and the centres of the controls
# clicked ("x y" in AT_SOLVE and the like), as the build wrote them from the project and its
# forms (app/session.cmake); CTest names the file. First contact reads it once ./dev has
# configured the build.
if [ -n "${TORRENTIX_SESSION:-}" ]; then
    # shellcheck source=/dev/null
    source "$TORRENTIX_SESSION"
fi

start_x() {
    local fdfile
    fdfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fdfile" 2>/dev/null &
    XVFB_PID=$!
    trap end_session EXIT
    for _ in $(seq 100); do
        [ -s "$fdfile" ] && break
        sleep 0.05
    done
    export DISPLAY=":$(head -n1 "$fdfile")"
    rm -f "$fdfile"
    unset QT_QPA_PLATFORM
}

# On exit: the program goes before its window manager and its X server, and each is waited for. The other way round
# the program would see its server die, and a kill of a program already gone must not count
# as a failure of the test.
end_session() {
    if [ -n "${APP_PID:-}" ]; then
        kill "$APP_PID" 2>/dev/null || true
        wait "$APP_PID" 2>/dev/null || true
    fi
    if [ -n "${WM_PID:-}" ]; then
        kill "$WM_PID" 2>/dev/null || true
        wait "$WM_PID" 2>/dev/null || true
    fi
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
}

# wait_window TITLE [SECONDS]: the id of the first shown window with exactly that title, once
# there is one (default: within 20 s). It asks again and again rather than using xdotool's
# --sync: a window that goes while xdotool walks the tree is an X error that ends xdotool, and
# Wine makes and drops short-lived windows while a program starts.
wait_window() {
    local id
    for _ in $(seq $((${2:-20} * 10))); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# shown TITLE: whether a window with exactly that title is shown; asked again after such an
# X error, which would otherwise count as "not shown".
shown() {
    local out
    for _ in 1 2 3 4 5; do
        out=$(xdotool search --onlyvisible --name "^$1\$" 2>&1) && return 0
        case $out in *"X Error"*) sleep 0.1 ;; *) return 1 ;; esac
    done
    fail "could not ask the X server whether '$1' is shown"
}

# gone TITLE [MESSAGE]: waits (5 s at most) until no window of that title is shown, or fails
# with MESSAGE.
gone() {
    for _ in $(seq 50); do
        shown "$1" || return 0
        sleep 0.1
    done
    fail "${2:-the window '$1' did not close}"
}

# start_app COMMAND...: starts the program and waits (a minute at most: Wine starts slowly) for
# its calculator window.
start_app() {
    "$@" &
    APP_PID=$!
    calculator_shown 60
}

# calculator_shown SECONDS: waits for the calculator window to be mapped; sets WINDOW and its
# client area's X, Y, WIDTH and HEIGHT.
calculator_shown() {
    WINDOW=$(wait_window "$CALCULATOR_TITLE" "$1") ||
        fail "no window titled '$CALCULATOR_TITLE' appeared"
    eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
}

# exits_with_zero: a click on Exit ends the program (within 30 s), with status 0.
exits_with_zero() {
    local status=0
    click "$AT_EXIT"
    timeout 30 tail --pid="$APP_PID" -s 0.1 -f /dev/null || fail "the program did not end after Exit"
    wait "$APP_PID" || status=$?
    APP_PID=
    [ "$status" = 0 ] || fail "exit status $status"
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# pixel FILE X Y: the colour at a point, as "r,g,b".
pixel() {
    convert "$1" -format '%[fx:int(255*p{'"$2,$3"'}.r)],%[fx:int(255*p{'"$2,$3"'}.g)],%[fx:int(255*p{'"$2,$3"'}.b)]' info:
}

# shoot FILE: the window's client area as a PNG without metadata, so equal pictures are equal files.
shoot() {
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -strip "$1"
}

# near R,G,B R,G,B [TOLERANCE]: whether two colours differ by at most TOLERANCE (default 0)
# in every channel; pictures stored as JPEG need a few steps of slack.
near() {
    local a b i
    IFS=, read -r -a a <<<"$1"
    IFS=, read -r -a b <<<"$2"
    for i in 0 1 2; do
        local d=$((a[i] - b[i]))
        [ "${d#-}" -le "${3:-0}" ] || return 1
    done
}

# expect_pixel FILE X Y R,G,B WHAT [TOLERANCE]: waits (re-shooting) until the point has the
# colour.
expect_pixel() {
    local got
    for _ in $(seq 50); do
        shoot "$1"
        got=$(pixel "$1" "$2" "$3")
        near "$got" "$4" "${6:-0}" && return 0
        sleep 0.1
    done
    fail "$5: expected $4 at $2,$3, got $got"
}

# click X Y, or click "X Y": a left click at a point of the window's client area. The pointer
# moves there first unless it is there already: xdotool's --sync would wait 15 s for a move.
click() {
    local x y
    read -r x y <<<"$*"
    x=$((X + x)) y=$((Y + y))
    if [[ "$(xdotool getmouselocation)" == "x:$x y:$y "* ]]; then
        xdotool click 1
    else
        xdotool mousemove --sync "$x" "$y" click 1
    fi
}

# type_into "X Y" TEXT: a click into an input box, then the text.
type_into() {
    click "$1"
    xdotool type --delay 30 "$2"
}
