#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Windows icon holds the very images the Linux package installs: its four
entries, read back from the file's directory, are the committed PNGs byte for byte."""
import struct
import subprocess
import sys
import tempfile
from pathlib import Path

source = Path(sys.argv[1])
with tempfile.TemporaryDirectory() as folder:
    ico = Path(folder) / "ostrel.ico"
    subprocess.run([sys.executable, source / "tools/make-icon.py", "--ico", ico], check=True)
    data = ico.read_bytes()

reserved, kind, count = struct.unpack_from("<HHH", data)
assert (reserved, kind, count) == (0, 1, 4), (reserved, kind, count)
for index, size in enumerate((16, 32, 48, 128)):
    width, height, _, _, planes, bits, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * index)
    assert (width, height, planes, bits) == (size, size, 1, 32), (index, width, height, planes, bits)
    png = (source / f"ui/toolkit/icons/ostrel-{size}.png").read_bytes()
    assert data[offset:offset + length] == png, f"the {size}-pixel image differs from ostrel-{size}.png"
print("PASS: four images, each the committed PNG of its size")
