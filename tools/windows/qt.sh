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
exec "$here/../qt-build.sh" Windows "$prefix" "$work" "$toolchain" "${options[@]}"
