#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torrentix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A new user's first contact, in a just-made Debian 12 root (.ci/run starts it there):
# `./dev run` builds the program and opens the calculator window, whose Exit button ends it
# with status 0; `./dev deb` writes the package; and neither installs a package that only the
# tests, the benchmarks or fuzzing need, nor configures their targets.
set -euo pipefail
cd "$(dirname "$0")/.."

# Packages that only ./dev test, ./dev bench or ./dev windows may bring in.
test_only=(valgrind clang-14 libclang-rt-14-dev gcc-mingw-w64-i686 binutils-mingw-w64-i686
    libbenchmark-dev libxcb-damage0-dev imagemagick python3-pefile desktop-file-utils appstream
    g++-mingw-w64-x86-64-posix nsis wine64)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

none_of_the_test_packages() {
    local package
    for package in "${test_only[@]}"; do
        if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            fail "$1 installed $package, which only the tests or the Windows build need"
        fi
    done
}

# What this check itself needs to see the window: a headless X server and xdotool.
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends xvfb xauth xdotool \
    >/dev/null

# The program on a private display; the build may take minutes before the window shows.
xvfb-run -a -s '-screen 0 1024x768x24' bash -euo pipefail -c '
    ./dev run &
    program=$!
    window=$(timeout 1800 xdotool search --sync --onlyvisible --name "^Quorvane'"'"'s  Torrentix\$" |
        head -n1) || true
    [ -n "$window" ] || { echo "FAIL: no calculator window appeared" >&2; exit 1; }
    eval "$(xdotool getwindowgeometry --shell "$window")"
    echo "calculator window ${WIDTH}x${HEIGHT} at ${X},${Y}"
    xdotool mousemove --sync $((X + 644)) $((Y + 348)) click 1 # Exit
    status=0
    timeout 30 tail --pid="$program" -f /dev/null || { echo "FAIL: Exit did not end it" >&2; exit 1; }
    wait "$program" || status=$?
    [ "$status" = 0 ] || { echo "FAIL: the program ended with status $status" >&2; exit 1; }
    echo "Exit ended the program with status 0"
'
none_of_the_test_packages "./dev run"
for folder in tests benchmarks; do
    [ ! -e "build/release/$folder" ] || fail "./dev run configured build/release/$folder"
done

./dev deb
ls build/release/torrentix_*.deb >/dev/null 2>&1 || fail "./dev deb wrote no .deb"
none_of_the_test_packages "./dev deb"
echo "first contact: all checks passed"
