#!/usr/bin/env python3
"""Packs square PNG pictures into one Windows .ico, each kept as PNG data
(which Windows reads for every size since Vista): make-ico.py OUT.ico A.png B.png ..."""
import struct
import sys


def png_side(data, name):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        sys.exit(f"make-ico: {name} is not a PNG picture")
    width, height = struct.unpack(">II", data[16:24])
    if width != height or not 1 <= width <= 256:
        sys.exit(f"make-ico: {name} is {width}x{height}; an icon picture is square, at most 256 wide")
    return width


def main(out, pictures):
    images = []
    for name in pictures:
        with open(name, "rb") as f:
            data = f.read()
        images.append((png_side(data, name), data))
    images.sort(key=lambda image: image[0])
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries, bodies = b"", b""
    for side, data in images:
        # A side of 256 is written as 0; the colour count is 0 for true colour.
        entries += struct.pack("<BBBBHHII", side % 256, side % 256, 0, 0, 1, 32, len(data), offset)
        bodies += data
        offset += len(data)
    with open(out, "wb") as f:
        f.write(header + entries + bodies)


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2:])
