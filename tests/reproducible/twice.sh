#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torrentix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the committed HEAD twice, from two clones at paths of different lengths and at least a
# minute apart, and compares what a user downloads byte for byte: the .deb and, on Debian 12,
# the Windows zip and installer. Uncommitted changes are not in the clones. (./dev reproducible)
set -euo pipefail
cd "$(dirname "$0")/../.."

windows=0
[ "$(. /etc/os-release && echo "${VERSION_CODENAME:-}")" = bookworm ] && windows=1
work=$(mktemp -d /tmp/torrentix-twice.XXXXXX)
trap 'rm -rf "$work"' EXIT

builds=("$work/one" "$work/second/checkout")
for clone in "${builds[@]}"; do
    started=$SECONDS
    git clone -q --no-hardlinks . "$clone"
    (
        cd "$clone"
        ./dev deb
        if ((windows)); then ./dev windows --no-tests; fi
    ) >"$clone.log" 2>&1 || {
        tail -n 30 "$clone.log"
        echo "FAIL: the build in $clone failed" >&2
        exit 1
    }
    echo "built $(git -C "$clone" rev-parse --short HEAD) in $clone in $((SECONDS - started)) s"
    # The clock moves on between the two, as between two builders.
    sleep $((started + 60 - SECONDS > 0 ? started + 60 - SECONDS : 0))
done

files=(build/release/torrentix_*.deb)
((windows)) && files+=(build/windows/torrentix-*-windows-x64.zip build/windows/torrentix-*-setup.exe)
failed=0
for pattern in "${files[@]}"; do
    one=$(cd "${builds[0]}" && ls $pattern)
    if cmp -s "${builds[0]}/$one" "${builds[1]}/$one"; then
        echo "same bytes: $one ($(sha256sum <"${builds[0]}/$one" | cut -c1-16))"
    else
        echo "FAIL: $one differs between the two builds" >&2
        failed=1
    fi
done
((failed == 0)) || exit 1
echo "reproducible: $(( ${#files[@]} )) files built twice, the same bytes"
