#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Torrentix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the Windows identity back. Given --exe, reads the version record and the icon group
from the cross-built torrentix.exe with pefile (./dev windows). Otherwise checks what goes into
it, with no Windows toolchain: the strings and version numbers of the generated torrentix.rc,
and the icon file itself.

    check_version_record.py <torrentix.rc> <torrentix.ico>
    check_version_record.py --exe <torrentix.exe>
"""
import re
import struct
import sys

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def expect(actual, wanted, what):
    check(actual == wanted, f"{what}: {actual!r}, wanted {wanted!r}")


STRINGS = [
    ("ProductName", "Torrentix"),
    ("FileVersion", "1.00"),
    ("ProductVersion", "1.00"),
    ("InternalName", "Torrentix"),
    ("OriginalFilename", "Torrentix.exe"),
]
# Size, colour count as the directory gives it (0 for 256 or more), bits per pixel.
ICON_IMAGES = [(32, 2, 1), (32, 16, 4), (16, 16, 4)]
BLACK_AND_WHITE = [(0, 0, 0), (255, 255, 255)]
STANDARD_16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def check_rc(path):
    with open(path, encoding="utf-8") as f:
        rc = f.read()
    for key in ("FILEVERSION", "PRODUCTVERSION"):
        numbers = re.search(rf"^{key} ([0-9, ]+)$", rc, re.M)
        expect(numbers and numbers.group(1).replace(" ", ""), "1,0,0,0", key)
    expect(re.findall(r'^\s*VALUE "(\w+)", "([^"]*)"', rc, re.M), STRINGS, "strings, in order")


def check_image(data, size, bits, what):
    """One icon image: BITMAPINFOHEADER, palette, colour rows, mask rows."""
    (header, width, height, planes, bitcount) = struct.unpack_from("<IiiHH", data, 0)
    expect(header, 40, f"{what} header size")
    expect(width, size, f"{what} width")
    expect(height, 2 * size, f"{what} height (colour and mask rows)")
    expect(planes, 1, f"{what} planes")
    expect(bitcount, bits, f"{what} bits per pixel")
    colours = 1 << bits
    palette = [tuple(reversed(data[40 + 4 * i: 40 + 4 * i + 3])) for i in range(colours)]
    expect(palette, BLACK_AND_WHITE if bits == 1 else STANDARD_16, f"{what} palette")
    colour_stride = (size * bits + 31) // 32 * 4
    mask_stride = (size + 31) // 32 * 4
    mask_start = 40 + 4 * colours + colour_stride * size
    expect(len(data), mask_start + mask_stride * size, f"{what} length with its mask")
    mask = data[mask_start:]
    transparent = sum(bin(mask[y * mask_stride + x // 8] >> (7 - x % 8) & 1).count("1")
                      for y in range(size) for x in range(size))
    # A sheet on a transparent background: some of both, the sheet the larger part.
    check(0 < transparent < size * size // 2,
          f"{what}: {transparent} of {size * size} pixels transparent")


def check_record(exe):
    import pefile  # only ./dev windows installs it

    pe = pefile.PE(exe)
    expect(pe.FILE_HEADER.Machine, pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"], "machine")

    fixed = pe.VS_FIXEDFILEINFO[0]
    expect((fixed.FileVersionMS, fixed.FileVersionLS), (0x00010000, 0x00000000), "file version")
    expect((fixed.ProductVersionMS, fixed.ProductVersionLS), (0x00010000, 0x00000000),
           "product version")
    expect(fixed.FileFlags & fixed.FileFlagsMask, 0, "file flags")
    expect(fixed.FileFlags, 0, "file flags, unmasked")
    expect(fixed.FileOS, 0x00000004, "operating system (Windows, VOS__WINDOWS32)")
    expect(fixed.FileType, 0x00000001, "file type (application)")
    expect(fixed.FileSubtype, 0, "file subtype")
    expect((fixed.FileDateMS, fixed.FileDateLS), (0, 0), "file date")

    string_tables, translations = [], []
    for info in pe.FileInfo[0]:
        if info.Key == b"StringFileInfo":
            string_tables += info.StringTable
        elif info.Key == b"VarFileInfo":
            for var in info.Var:
                translations.append(var.entry)
    expect([t.LangID.upper() for t in string_tables], [b"040904B0"], "string tables")
    if string_tables:
        got = [(k.decode(), v.decode()) for k, v in string_tables[0].entries.items()]
        expect(got, STRINGS, "strings, in order")
    expect(translations, [{b"Translation": "0x0409 0x04b0"}], "translation")

    icons, groups = {}, {}
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        for entry in kind.directory.entries:
            for language in entry.directory.entries:
                rva, size = language.data.struct.OffsetToData, language.data.struct.Size
                blob = pe.get_data(rva, size)
                if kind.id == pefile.RESOURCE_TYPE["RT_ICON"]:
                    icons[entry.id] = blob
                elif kind.id == pefile.RESOURCE_TYPE["RT_GROUP_ICON"]:
                    groups[entry.id] = blob
    expect(sorted(groups), [1], "icon groups")
    if 1 in groups:
        group = groups[1]
        reserved, kind, count = struct.unpack_from("<HHH", group, 0)
        expect((reserved, kind, count), (0, 1, len(ICON_IMAGES)), "icon group header")
        for n, (size, colours, bits) in enumerate(ICON_IMAGES):
            w, h, c, _, planes, bitcount, length, icon_id = struct.unpack_from(
                "<BBBBHHIH", group, 6 + 14 * n)
            what = f"group icon {n + 1}"
            expect((w, h, c, planes, bitcount), (size, size, colours, 1, bits), what)
            check(icon_id in icons, f"{what}: icon {icon_id} missing")
            if icon_id in icons:
                expect(len(icons[icon_id]), length, f"{what} length")
                check_image(icons[icon_id], size, bits, what)


def check_ico(path):
    with open(path, "rb") as f:
        data = f.read()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    expect((reserved, kind, count), (0, 1, len(ICON_IMAGES)), "icon file header")
    for n, (size, colours, bits) in enumerate(ICON_IMAGES):
        w, h, c, _, planes, bitcount, length, offset = struct.unpack_from(
            "<BBBBHHII", data, 6 + 16 * n)
        what = f"icon file image {n + 1}"
        expect((w, h, c, planes, bitcount), (size, size, colours, 1, bits), what)
        check(offset + length <= len(data), f"{what} runs past the end of the file")
        check_image(data[offset:offset + length], size, bits, what)


def main():
    if sys.argv[1] == "--exe":
        check_record(sys.argv[2])
    else:
        check_rc(sys.argv[1])
        check_ico(sys.argv[2])
    for failure in failures:
        print("FAIL:", failure)
    if failures:
        return 1
    print("version record and icon read back as designed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
