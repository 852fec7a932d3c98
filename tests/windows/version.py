# SPDX-License-Identifier: GPL-3.0-or-later
# The version Explorer shows for ostrel.exe is the project's: read from the fixed
# part of the exe's version resource (VS_FIXEDFILEINFO), file and product alike.
# Usage: version.py OSTREL_EXE VERSION
import struct
import sys

SIGNATURE = struct.pack("<I", 0xFEEF04BD)


def fixed_versions(exe):
    """The file and product versions of the version resource, as four numbers each."""
    at = exe.find(SIGNATURE)
    if at < 0:
        raise SystemExit("no version resource in the program")
    _, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", exe, at)
    four = lambda ms, ls: (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)  # noqa: E731
    return four(file_ms, file_ls), four(product_ms, product_ls)


def main():
    with open(sys.argv[1], "rb") as program:
        exe = program.read()
    parts = [int(part) for part in sys.argv[2].split(".")]
    expected = tuple(parts + [0] * (4 - len(parts)))
    failed = False
    for name, got in zip(("file", "product"), fixed_versions(exe)):
        if got != expected:
            print(f"the {name} version is {'.'.join(map(str, got))}, not {'.'.join(map(str, expected))}")
            failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
