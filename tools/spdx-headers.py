#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Torrentix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Gives every file of the repository that can hold a comment its two SPDX lines, in the
comment style of its kind, unless it has them already; the files .reuse/dep5 covers are left
alone. Run from anywhere, then check with `reuse lint`.

    tools/spdx-headers.py
"""
import fnmatch
import os
import re
import subprocess

# Split, so that reuse does not take them for this file's own lines.
COPYRIGHT = "SPDX-" "FileCopyrightText: 2026 The Torrentix developers"
IDENTIFIER = "SPDX-" "License-Identifier: "

# (file name pattern, comment start, comment end), the first match wins.
STYLES = [
    ("*.cpp", "// ", ""), ("*.h", "// ", ""), ("*.h.in", "// ", ""), ("*.rc.in", "// ", ""),
    ("*.1.in", '.\\" ', ""), ("*.md", "<!-- ", " -->"), ("*.xml.in", "<!-- ", " -->"),
    ("*", "# ", ""),  # CMake, shell, Python, suppressions, desktop entry, dotfiles
]


def main():
    root = subprocess.run(["git", "rev-parse", "--show-toplevel"], capture_output=True,
                          text=True, check=True).stdout.strip()
    os.chdir(root)
    with open(".reuse/dep5", encoding="utf-8") as dep5:
        covered = re.search(r"^Files:((?:.|\n )*)", dep5.read(), re.M).group(1).split()
    files = subprocess.run(["git", "ls-files"], capture_output=True, text=True,
                           check=True).stdout.splitlines()
    for path in files:
        if (path == "LICENSE" or path.startswith(("LICENSES/", ".reuse/")) or
                any(fnmatch.fnmatch(path, pattern) for pattern in covered)):
            continue
        with open(path, encoding="utf-8") as file:
            text = file.read()
        if IDENTIFIER in text:
            continue
        start, end = next((s, e) for pattern, s, e in STYLES
                          if fnmatch.fnmatch(os.path.basename(path), pattern))
        licence = "CC0-1.0" if "metainfo" in path else "GPL-3.0-or-later"
        header = "".join(f"{start}{line}{end}\n"
                         for line in (COPYRIGHT, IDENTIFIER + licence))
        # A shebang and an XML declaration stay first.
        first, _, rest = text.partition("\n")
        if first.startswith(("#!", "<?xml")):
            text = f"{first}\n{header}{rest}"
        else:
            text = header + text
        with open(path, "w", encoding="utf-8") as file:
            file.write(text)
        print(path)


if __name__ == "__main__":
    main()
