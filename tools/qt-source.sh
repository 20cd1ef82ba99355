#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torrentix developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Fetches and unpacks Debian's own qt6-base source package of the installed qt6-base-dev version
# (the host tools, moc, rcc and uic, are that version's, so Qt built for another platform must
# be too), and prints the folder it is unpacked in. It uses a sources list of its own, with a
# deb-src line for the archive the installed package came from; the machine's apt sources stay
# as they are. All else goes to standard error.
#   tools/qt-source.sh WORK_DIR
set -euo pipefail
work=$(mkdir -p "$1" && cd "$1" && pwd)
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
apt=$work/apt
rm -rf "$apt" "$work/source"
mkdir -p "$apt/lists/partial" "$apt/archives/partial" "$work/source"
read -r uri dist < <(apt-cache madison qt6-base-dev |
    awk -F' *[|] *' -v v="$version" '$2 == v { split($3, f, " "); print f[1], f[2]; exit }')
[ -n "${uri:-}" ] || { echo "qt-source.sh: no archive offers qt6-base-dev $version" >&2; exit 1; }
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
signed=""
[ -f "$keyring" ] && signed="[signed-by=$keyring] "
echo "deb-src ${signed}$uri ${dist%%/*} ${dist#*/}" >"$apt/sources.list"
apt_options=(-o "Dir::Etc::SourceList=$apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
    -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache::Archives=$apt/archives"
    -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache= -o APT::Sandbox::User=root)
apt-get -qq "${apt_options[@]}" update >&2
(cd "$work/source" && apt-get -qq "${apt_options[@]}" source "qt6-base=$version") >&2
find "$work/source" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1
