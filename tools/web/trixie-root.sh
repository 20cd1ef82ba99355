#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Torrentix developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a command in a Debian 13 build root, for machines whose own release is too old to build
# for WebAssembly (Debian 12's emscripten is older than any Qt 6 accepts). The root is made once
# with debootstrap into ${XDG_CACHE_HOME:-~/.cache}/torrentix/trixie-root and kept there, beside
# the Qt builds. Inside it the project is /src and the cache is where it is here, so a Qt built
# in the root is found by the same path the next time.
#   tools/web/trixie-root.sh PROJECT_DIR COMMAND    (run as root: it mounts and chroots)
set -euo pipefail
project=$(cd "$1" && pwd)
command=$2
cache=${XDG_CACHE_HOME:-$HOME/.cache}/torrentix
root=$cache/trixie-root

# The mirror this machine's apt sources name for Debian, and the one for its security updates.
mirror_of() { # PATTERN
    cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources \
        2>/dev/null | grep -v '^\s*#' | grep -oE "https?://[^ ]*$1/?( |$)" | head -n 1 |
        tr -d ' ' || true
}

if [ ! -x "$root/usr/bin/apt-get" ]; then
    command -v debootstrap >/dev/null || {
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
    }
    debian=$(mirror_of '/debian')
    security=$(mirror_of '/debian-security')
    debian=${debian:-http://deb.debian.org/debian}
    security=${security:-http://deb.debian.org/debian-security}
    echo "Making a Debian 13 build root in $root from $debian (a few minutes, once)" >&2
    mkdir -p "$cache"
    partial=$(mktemp -d "$cache/.partial-root-XXXXXX")
    chmod 755 "$partial" # it becomes the root folder, which apt's own user must enter
    trap 'rm -rf "$partial"' EXIT
    debootstrap --variant=minbase --include=ca-certificates trixie "$partial" "$debian" \
        >"$cache/trixie-root.log" 2>&1 || { tail -n 20 "$cache/trixie-root.log" >&2; exit 1; }
    cat >"$partial/etc/apt/sources.list" <<EOF
deb ${debian%/} trixie main
deb ${debian%/} trixie-updates main
deb ${security%/} trixie-security main
EOF
    # The packages are installed once; their downloads need not stay (near a gigabyte).
    echo 'APT::Keep-Downloaded-Packages "false";' >"$partial/etc/apt/apt.conf.d/90torrentix"
    mkdir -p "$partial/src"
    mv -T "$partial" "$root"
    trap - EXIT
fi

mkdir -p "$root/src" "$root$cache"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# Mounts of its own, gone when the command ends, whatever way it ends.
exec unshare --mount --propagation private bash -c '
    root=$1 project=$2 cache=$3
    mount -t proc proc "$root/proc"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs tmpfs "$root/dev/shm"
    mount --bind "$project" "$root/src"
    mount --bind "$cache" "$root$cache"
    exec chroot "$root" /usr/bin/env -i HOME="$HOME" LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        ${SOURCE_DATE_EPOCH:+SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH} \
        XDG_CACHE_HOME="${cache%/torrentix}" \
        bash -c "cd /src && $4"' _ "$root" "$project" "$cache" "$command"
