#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torrentix developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds Qt for 64-bit Windows from Debian's own qt6-base source package, once, and prints the
# folder it is installed in. Only what Torrentix loads is built: Core, Gui, Widgets, the
# windows platform plugin, the Vista style and the JPEG and ICO image formats.
#
# The build goes into ${XDG_CACHE_HOME:-~/.cache}/torrentix/QT_VERSION-HASH, HASH being that of
# the options below and of the toolchain file, so a change of options builds anew. Qt is built
# and installed beside it and renamed into place at the end: a folder of that name is always
# a whole build.
#   tools/windows/qt.sh WORK_DIR     (WORK_DIR: where the source is unpacked and built)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mkdir -p "$1" && cd "$1" && pwd)

# The host tools (moc, rcc, uic) are Debian's, so the source must be the same version.
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
toolchain=$here/mingw-w64.cmake
options=(
    -G Ninja
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_HOST_PATH=/usr
    # Without it configure stops at "Could not find ... Qt6HostInfo".
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_BUILD_BENCHMARKS=OFF
    # Only Core, Gui and Widgets.
    -DFEATURE_concurrent=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_network=OFF
    -DFEATURE_opengl=OFF
    # Without OpenGL, 6.4.2 still builds the windows plugin for run-time-chosen OpenGL and
    # fails (QOpenGLStaticContext not declared) unless that is off too.
    -DFEATURE_dynamicgl=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_testlib=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_vulkan=OFF
    -DFEATURE_icu=OFF
    -DFEATURE_zstd=OFF
    # Image formats: JPEG and ICO as plugins, PNG built in; no GIF.
    -DFEATURE_gif=OFF
    -DFEATURE_jpeg=ON
    -DFEATURE_ico=ON
    # The third-party libraries from the source, as a Windows user has none of them.
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_freetype=OFF
    # Debian's repacked source has no src/3rdparty/wintab.
    -DFEATURE_tabletevent=OFF
    # The Direct2D platform plugin is not wanted; without it 6.4.2 links qwindows.dll only
    # with DirectWrite 3 off too (undefined QWindowsDirectWriteFontDatabase).
    -DFEATURE_direct2d=OFF
    -DFEATURE_directwrite3=OFF
)
hash=$({ printf '%s\n' "${options[@]}"; cat "$toolchain"; } | sha256sum | cut -c1-12)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/torrentix
prefix=$cache/${version%%+*}-$hash
if [ -f "$prefix/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" ]; then
    echo "Qt for Windows: using $prefix" >&2
    echo "$prefix"
    exit 0
fi
# Only the prefix goes to standard output, for the caller to read; all else (apt-get source
# and dpkg-source talk there) goes to standard error.
exec 3>&1 1>&2
echo "Qt for Windows: building $version into $prefix (about 20-40 minutes on 2 cores)"
started=$SECONDS

rm -rf "$work/build"
src=$("$here/../qt-source.sh" "$work")

mkdir -p "$cache"
partial=$(mktemp -d "$cache/.partial-XXXXXX")
trap 'rm -rf "$partial"' EXIT
cmake -S "$src" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$partial" "${options[@]}" >"$work/configure.log" ||
    { tail -n 40 "$work/configure.log" >&2; exit 1; }
cmake --build "$work/build"
cmake --install "$work/build" >/dev/null
# Where the bundle's notice says the DLLs came from.
echo "$version" >"$partial/debian-source-version"
cp "$src/LICENSES/"* "$partial/" 2>/dev/null || true
mv -T "$partial" "$prefix"
trap - EXIT
rm -rf "$work/source" "$work/build"
echo "Qt for Windows: built in $(((SECONDS - started) / 60)) min"
echo "$prefix" >&3
