#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torrentix developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Lays out the page's files in FOLDER, anew, and packs them as ZIP, the same bytes from every
# build of a commit: file times from SOURCE_DATE_EPOCH where it is set, names in sorted order.
#   bundle.sh FOLDER ZIP FILE...
set -euo pipefail
folder=$1 zip=$2
shift 2
rm -rf "$folder" "$zip"
mkdir -p "$folder"
cp "$@" "$folder/"
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    find "$folder" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
fi
(cd "$folder" && find . -type f | LC_ALL=C sort | zip -q -9 -X -@ "$zip")
