#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torrentix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A new user's first contact, in a just-made Debian root (.ci/run starts it in Debian 12 and in
# Debian 13): `./dev run` builds the program and opens the calculator window, whose Exit button
# ends it with status 0; `./dev deb` writes the package; and neither installs a package that
# only the tests, the benchmarks or fuzzing need, nor configures their targets. Then the package
# installs with apt on this release, the installed program opens and exits the same way, and
# lintian finds nothing in the package.
set -euo pipefail
cd "$(dirname "$0")/.."
# The X session's helpers (fail, start_x, calculator_shown, exits_with_zero), as the tests use them.
source tests/screenshots/xsession.sh

# Packages that only ./dev test, ./dev bench or ./dev windows may bring in.
test_only=(valgrind clang libclang-rt-dev libbenchmark-dev libxcb-damage0-dev imagemagick
    python3-pefile desktop-file-utils appstream
    g++-mingw-w64-x86-64-posix nsis wine64)

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
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends xvfb xdotool >/dev/null
start_x

# opens_and_exits SECONDS COMMAND...: on the private display, COMMAND's calculator window
# appears within SECONDS (a build may come first), and its Exit button ends it with status 0.
# The window's title and Exit's place come from build/release/session.env, which ./dev writes
# when it configures the build.
opens_and_exits() {
    local seconds=$1
    shift
    "$@" &
    APP_PID=$!
    while [ ! -f build/release/session.env ]; do
        kill -0 "$APP_PID" 2>/dev/null || fail "$* ended before configuring build/release"
        sleep 1
    done
    # shellcheck source=/dev/null
    source build/release/session.env
    calculator_shown "$seconds"
    echo "calculator window ${WIDTH}x${HEIGHT} at ${X},${Y}"
    exits_with_zero
    echo "Exit ended the program with status 0"
}

opens_and_exits 1800 ./dev run
none_of_the_test_packages "./dev run"
for folder in tests benchmarks; do
    [ ! -e "build/release/$folder" ] || fail "./dev run configured build/release/$folder"
done

./dev deb
deb=$(ls build/release/torrentix_*.deb 2>/dev/null) || fail "./dev deb wrote no .deb"
none_of_the_test_packages "./dev deb"

# The package on the release it was made on: apt installs it with what it depends on, and the
# installed program runs.
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >/dev/null
opens_and_exits 60 /usr/bin/torrentix
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends lintian >/dev/null
lintian --fail-on error,warning "$deb" || fail "lintian found fault with $deb"
echo "the package installs, runs and is lintian-clean on $(. /etc/os-release && echo "$PRETTY_NAME")"
echo "first contact: all checks passed"
