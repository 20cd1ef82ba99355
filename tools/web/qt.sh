#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torrentix developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds Qt for WebAssembly from Debian's own qt6-base source package with Debian's emscripten,
# once, and prints the folder it is installed in: static and single-threaded, with Core, Gui and
# Widgets, the wasm platform plugin and the JPEG image format.
#
# The build goes into ${XDG_CACHE_HOME:-~/.cache}/torrentix/wasm-QT_VERSION-HASH, HASH being that
# of the options below and of emscripten's version, so a change of either builds anew. It is
# installed beside that folder and renamed into place at the end: a folder of that name is
# always a whole build.
#   tools/web/qt.sh WORK_DIR     (WORK_DIR: where the source is unpacked and built)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mkdir -p "$1" && cd "$1" && pwd)

version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
emscripten=$(dpkg-query -W -f='${Version}' emscripten)
toolchain=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
options=(
    -G Ninja
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=OFF
    -DFEATURE_thread=OFF
    -DQT_HOST_PATH=/usr
    # Without it configure stops at "Could not find ... Qt6HostInfo".
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_BUILD_BENCHMARKS=OFF
    # Only Core, Gui and Widgets. OpenGL stays: the wasm platform's backing store needs it.
    -DFEATURE_concurrent=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_network=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_testlib=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_gif=OFF
    -DFEATURE_jpeg=ON
    # Parts of Qt the program never uses, which a static link would still carry because
    # styles and factories name them: dialogs, views and widgets, PDF, Markdown, style sheets.
    # Each megabyte left out is seconds less to wait on a slow line.
    -DFEATURE_filedialog=OFF
    -DFEATURE_colordialog=OFF
    -DFEATURE_fontdialog=OFF
    -DFEATURE_inputdialog=OFF
    -DFEATURE_progressdialog=OFF
    -DFEATURE_wizard=OFF
    -DFEATURE_errormessage=OFF
    -DFEATURE_mdiarea=OFF
    -DFEATURE_dockwidget=OFF
    -DFEATURE_calendarwidget=OFF
    -DFEATURE_datetimeedit=OFF
    -DFEATURE_pdf=OFF
    -DFEATURE_textodfwriter=OFF
    -DFEATURE_textmarkdownreader=OFF
    -DFEATURE_textmarkdownwriter=OFF
    -DFEATURE_movie=OFF
    -DFEATURE_undoview=OFF
    -DFEATURE_style_stylesheet=OFF
    -DFEATURE_graphicsview=OFF
    -DFEATURE_itemviews=OFF
    -DFEATURE_completer=OFF
    -DFEATURE_combobox=OFF
    -DFEATURE_mainwindow=OFF
    -DFEATURE_menubar=OFF
    -DFEATURE_toolbar=OFF
    -DFEATURE_statusbar=OFF
    -DFEATURE_tabwidget=OFF
    -DFEATURE_toolbox=OFF
    -DFEATURE_splitter=OFF
    -DFEATURE_spinbox=OFF
    -DFEATURE_slider=OFF
    -DFEATURE_dial=OFF
    -DFEATURE_lcdnumber=OFF
    -DFEATURE_splashscreen=OFF
    -DFEATURE_syntaxhighlighter=OFF
)
# Qt builds two whole DejaVu faces into every page, the monospaced one unused; the program
# brings its own faces, cut down to what it shows, DejaVu Sans among them. Emptied, Qt's weigh
# nothing, and Qt finds none of its own and takes the program's.
faces=src/3rdparty/wasm
export QT_SOURCE_PREPARE=": >$faces/DejaVuSans.ttf; : >$faces/DejaVuSansMono.ttf"
hash=$({ printf '%s\n' "${options[@]}" "$emscripten" "$QT_SOURCE_PREPARE"; } | sha256sum |
    cut -c1-12)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/torrentix
prefix=$cache/wasm-${version%%+*}-$hash

# Qt's CMake expects emsdk's layout: $EMSDK/.emscripten naming EMSCRIPTEN_ROOT, and emscripten
# itself in $EMSDK/upstream/emscripten, where Qt's toolchain file finds emscripten's. Debian's
# package has neither; a small folder that points at it stands in.
emsdk=$cache/emsdk-debian
mkdir -p "$emsdk/upstream"
ln -sfn /usr/share/emscripten "$emsdk/upstream/emscripten"
# Qt reads the part in quotes as a path below $EMSDK, as emsdk writes it.
echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$emsdk/.emscripten"
export EMSDK=$emsdk

exec "$here/../qt-build.sh" WebAssembly "$prefix" "$work" "$toolchain" "${options[@]}"
