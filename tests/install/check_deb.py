#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Torrentix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds the .deb from a build folder with CPack and checks its control fields and files, and
that lintian finds neither errors nor warnings in it.

    check_deb.py <build folder> <output folder> <version>
"""
import glob
import os
import re
import shutil
import subprocess
import sys

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def field(deb, name):
    return subprocess.run(["dpkg-deb", "--field", deb, name], capture_output=True, text=True,
                          check=True).stdout.strip()


def package_of(library):
    found = subprocess.run(["dpkg-query", "--search", f"*/{library}"], capture_output=True,
                           text=True, check=True).stdout
    return found.split(":", 1)[0]


def main():
    build, out, version = sys.argv[1:4]
    shutil.rmtree(out, ignore_errors=True)
    subprocess.run(["cpack", "-G", "DEB", "--config", os.path.join(build, "CPackConfig.cmake"),
                    "-B", out], check=True)
    architecture = subprocess.run(["dpkg", "--print-architecture"], capture_output=True,
                                  text=True, check=True).stdout.strip()
    debs = glob.glob(os.path.join(out, "*.deb"))
    wanted_name = f"torrentix_{version}_{architecture}.deb"
    check([os.path.basename(d) for d in debs] == [wanted_name], f"packages made: {debs}")
    if not debs:
        return report()
    deb = debs[0]

    check(field(deb, "Package") == "torrentix", f"Package: {field(deb, 'Package')!r}")
    check(field(deb, "Version") == "1.00", f"Version: {field(deb, 'Version')!r}")
    check(field(deb, "Architecture") == architecture,
          f"Architecture: {field(deb, 'Architecture')!r}")
    check(field(deb, "Maintainer"), "no Maintainer")
    check(field(deb, "Description"), "no Description")

    depends = {}
    for clause in field(deb, "Depends").split(","):
        match = re.fullmatch(r"\s*([a-z0-9][a-z0-9+.-]+)\s*(\(([<>=]+)\s*([^)]+)\))?\s*",
                             clause)
        check(match is not None, f"Depends clause not understood: {clause!r}")
        if match:
            depends[match.group(1)] = match.group(4)
    # Qt's library packages are named per release (Debian 13's libqt6core6t64): the ones that
    # hold the libraries on this system.
    qt = [package_of(f"libQt6{module}.so.6") for module in ("Widgets", "Gui", "Core")]
    for needed in (*qt, "libc6", "libstdc++6", "fonts-liberation2", "fonts-dejavu-core"):
        check(needed in depends, f"Depends lacks {needed}: {sorted(depends)}")
    for name, version in depends.items():
        check(not name.endswith("-dev"), f"Depends on a development package: {name}")
        # What shlibdeps found must be what this system has, never newer.
        installed = subprocess.run(["dpkg-query", "--showformat=${Version}", "--show", name],
                                   capture_output=True, text=True).stdout
        check(installed, f"Depends names {name}, which this system does not have")
        if installed and version:
            newer = subprocess.run(["dpkg", "--compare-versions", installed, "ge", version])
            check(newer.returncode == 0, f"{name} {installed} does not satisfy >= {version}")

    listing = subprocess.run(["dpkg-deb", "--contents", deb], capture_output=True, text=True,
                             check=True).stdout.splitlines()
    files = sorted(line.split()[-1] for line in listing if not line.startswith("d"))
    wanted = sorted([
        "./usr/bin/torrentix",
        "./usr/share/applications/torrentix.desktop",
        *(f"./usr/share/icons/hicolor/{size}x{size}/apps/torrentix.png"
          for size in (16, 32, 48, 64, 128, 256)),
        "./usr/share/icons/hicolor/scalable/apps/torrentix.svg",
        "./usr/share/man/man1/torrentix.1.gz",
        "./usr/share/doc/torrentix/changelog.gz",
        "./usr/share/doc/torrentix/copyright",
        "./usr/share/metainfo/org.example.torrentix.metainfo.xml",
    ])
    check(files == wanted, f"package files: {files}, wanted {wanted}")
    for line in listing:
        permissions, owner = line.split()[:2]
        check(owner == "root/root", f"not owned by root: {line}")
        if line.split()[-1] == "./usr/bin/torrentix":
            check(permissions == "-rwxr-xr-x", f"program permissions: {permissions}")

    # Debian's own bar, with its default profile. (It warns that it runs as root, in CI.)
    lintian = subprocess.run(["lintian", "--fail-on", "error,warning", deb],
                             capture_output=True, text=True)
    check(lintian.returncode == 0, "lintian:\n" + lintian.stdout + lintian.stderr)
    return report()


def report():
    for failure in failures:
        print("FAIL:", failure)
    if failures:
        return 1
    print("package control fields and files as expected")
    return 0


if __name__ == "__main__":
    sys.exit(main())
