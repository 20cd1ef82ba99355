#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torrentix developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds Debian's own qt6-base source of the installed version for another platform, once,
# into PREFIX, and prints PREFIX. Qt is installed beside it and renamed into place at the end:
# a folder of that name is always a whole build, and one that exists is taken as it is. Only
# PREFIX goes to standard output, for the caller to read; all else (apt-get source and
# dpkg-source talk there) goes to standard error.
#   tools/qt-build.sh PLATFORM PREFIX WORK_DIR TOOLCHAIN_FILE CMAKE_OPTION...
# QT_SOURCE_PREPARE, when set, is run in the unpacked source before it is configured.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
platform=$1 prefix=$2 work=$3 toolchain=$4
shift 4
if [ -f "$prefix/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" ]; then
    echo "Qt for $platform: using $prefix" >&2
    echo "$prefix"
    exit 0
fi
exec 3>&1 1>&2
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
echo "Qt for $platform: building $version into $prefix (about 20-40 minutes on 2 cores)"
started=$SECONDS
rm -rf "$work/build"
src=$("$here/qt-source.sh" "$work")
# A platform's changes to the source, as shell commands run in it (QT_SOURCE_PREPARE).
if [ -n "${QT_SOURCE_PREPARE:-}" ]; then
    (cd "$src" && eval "$QT_SOURCE_PREPARE")
fi

mkdir -p "$(dirname "$prefix")"
partial=$(mktemp -d "$(dirname "$prefix")/.partial-XXXXXX")
trap 'rm -rf "$partial"' EXIT
cmake -S "$src" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$partial" "$@" >"$work/configure.log" ||
    { tail -n 40 "$work/configure.log" >&2; exit 1; }
cmake --build "$work/build"
cmake --install "$work/build" >/dev/null
# Where the bundle's notice says Qt came from, and Qt's licences for it.
echo "$version" >"$partial/debian-source-version"
cp "$src/LICENSES/"* "$partial/" 2>/dev/null || true
mv -T "$partial" "$prefix"
trap - EXIT
rm -rf "$work/source" "$work/build"
echo "Qt for $platform: built in $(((SECONDS - started) / 60)) min"
echo "$prefix" >&3
