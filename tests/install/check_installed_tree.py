#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Torrentix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Installs a build into a staging folder and checks what a desktop needs is there and agrees:
the program, its menu entry, its AppStream data, its icons, its manual page and its
changelog and copyright file.

    check_installed_tree.py <build folder> <staging folder>
"""
import configparser
import gzip
import os
import shutil
import struct
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

failures = []
ICON_SIZES = (16, 32, 48, 64, 128, 256)


def check(condition, message):
    if not condition:
        failures.append(message)


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    check(head[:8] == b"\x89PNG\r\n\x1a\n", f"{path} is no PNG")
    return struct.unpack(">II", head[16:24])


def main():
    build, stage = sys.argv[1:3]
    shutil.rmtree(stage, ignore_errors=True)
    subprocess.run(["cmake", "--install", build, "--prefix", stage], check=True)

    found = sorted(os.path.relpath(os.path.join(d, f), stage)
                   for d, _, files in os.walk(stage) for f in files)
    wanted = sorted([
        "bin/torrentix",
        "share/applications/torrentix.desktop",
        "share/metainfo/org.example.torrentix.metainfo.xml",
        *(f"share/icons/hicolor/{size}x{size}/apps/torrentix.png" for size in ICON_SIZES),
        "share/icons/hicolor/scalable/apps/torrentix.svg",
        "share/man/man1/torrentix.1.gz",
        "share/doc/torrentix/changelog.gz",
        "share/doc/torrentix/copyright",
    ])
    check(found == wanted, f"installed files: {found}, wanted {wanted}")

    program = os.path.join(stage, "bin/torrentix")
    check(os.access(program, os.X_OK), "bin/torrentix is not executable")
    dynamic = subprocess.run(["readelf", "--dynamic", program], capture_output=True, text=True,
                             check=True).stdout
    check("RPATH" not in dynamic and "RUNPATH" not in dynamic,
          "the installed program carries a library search path")

    for size in ICON_SIZES:
        icon = os.path.join(stage, f"share/icons/hicolor/{size}x{size}/apps/torrentix.png")
        if os.path.exists(icon):
            check(png_size(icon) == (size, size), f"{icon}: {png_size(icon)}")
    svg = os.path.join(stage, "share/icons/hicolor/scalable/apps/torrentix.svg")
    if os.path.exists(svg):
        root = ElementTree.parse(svg).getroot()
        check(root.tag == "{http://www.w3.org/2000/svg}svg", f"{svg} is no SVG: {root.tag}")

    # The manual page and the changelog name this version first thing (after comments).
    for name, wanted_text in (("share/man/man1/torrentix.1.gz", '"Torrentix 1.00"'),
                              ("share/doc/torrentix/changelog.gz", "torrentix (1.00) ")):
        path = os.path.join(stage, name)
        if os.path.exists(path):
            with gzip.open(path, "rt", encoding="utf-8") as f:
                first = next(line for line in f if not line.startswith('.\\"'))
            check(wanted_text in first, f"{name} begins {first!r}, not with {wanted_text}")

    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str
    entry.read(os.path.join(stage, "share/applications/torrentix.desktop"), encoding="utf-8")
    desktop = entry["Desktop Entry"] if entry.has_section("Desktop Entry") else {}
    check(desktop.get("Name") == "Torrentix", f"menu entry Name: {desktop.get('Name')!r}")
    check(desktop.get("Exec") == "torrentix", f"menu entry Exec: {desktop.get('Exec')!r}")
    check(desktop.get("Icon") == "torrentix", f"menu entry Icon: {desktop.get('Icon')!r}")
    comment = desktop.get("Comment", "")
    check(comment and "\n" not in comment, f"menu entry Comment: {comment!r}")
    categories = set(desktop.get("Categories", "").split(";"))
    for category in ("Calculator", "Education", "Science"):
        check(category in categories, f"menu entry lacks the category {category}")

    metainfo = ElementTree.parse(
        os.path.join(stage, "share/metainfo/org.example.torrentix.metainfo.xml")).getroot()
    check(metainfo.findtext("id") == "org.example.torrentix",
          f"AppStream id: {metainfo.findtext('id')!r}")
    check(metainfo.findtext("name") == "Torrentix",
          f"AppStream name: {metainfo.findtext('name')!r}")
    check(metainfo.findtext("launchable[@type='desktop-id']") == "torrentix.desktop",
          "AppStream launchable is not the installed menu entry")
    check(metainfo.findtext("provides/binary") == "torrentix",
          "AppStream does not provide the installed program")
    releases = [r.get("version") for r in metainfo.findall("releases/release")]
    check(releases == ["1.00"], f"AppStream releases: {releases}")
    check(metainfo.findall("screenshots/screenshot/image"), "AppStream has no screenshot")
    check(metainfo.find("content_rating") is not None, "AppStream has no content rating")

    # The whole tree as a software centre would read it: metainfo, menu entry and icons.
    result = subprocess.run(["appstreamcli", "validate-tree", "--no-net", stage],
                            capture_output=True, text=True)
    check(result.returncode == 0, "appstreamcli validate-tree:\n" + result.stdout + result.stderr)

    for failure in failures:
        print("FAIL:", failure)
    if failures:
        return 1
    print("installed tree complete:", *found, sep="\n  ")
    return 0


if __name__ == "__main__":
    sys.exit(main())
