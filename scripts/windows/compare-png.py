#!/usr/bin/env python3
"""Compares two PNG pictures of the same size: compare-png.py A.png B.png [TOLERANCE].

They match when at most TOLERANCE (a fraction, 0.01 unless given) of the
pixels differ by more than THRESHOLD levels in any colour; edges smoothed by
different rasterisers differ by less, a misdrawn part by more. Prints the
measured share either way."""
import struct
import sys
import zlib

THRESHOLD = 48
CHANNELS = {0: 1, 2: 3, 4: 2, 6: 4}


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else b if pb <= pc else c


def read_png(path):
    """Width, height and rows of (r, g, b) bytes of an 8-bit, non-interlaced PNG."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"compare-png: {path} is not a PNG picture")
    at, packed, palette = 8, [], b""
    while at < len(data):
        size, kind = struct.unpack(">I4s", data[at : at + 8])
        body = data[at + 8 : at + 8 + size]
        at += size + 12
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlaced = struct.unpack(">IIBBBBB", body)
        elif kind == b"PLTE":
            palette = body
        elif kind == b"IDAT":
            packed.append(body)
    if depth != 8 or interlaced or colour not in (0, 2, 3, 4, 6):
        sys.exit(f"compare-png: {path} is not an 8-bit, non-interlaced picture")
    step = 1 if colour == 3 else CHANNELS[colour]
    stride = width * step
    raw = zlib.decompress(b"".join(packed))
    prior = bytearray(stride)
    rows = []
    for y in range(height):
        start = y * (stride + 1)
        method, row = raw[start], bytearray(raw[start + 1 : start + 1 + stride])
        for i in range(stride):
            left = row[i - step] if i >= step else 0
            up_left = prior[i - step] if i >= step else 0
            if method == 1:
                row[i] = (row[i] + left) & 255
            elif method == 2:
                row[i] = (row[i] + prior[i]) & 255
            elif method == 3:
                row[i] = (row[i] + ((left + prior[i]) >> 1)) & 255
            elif method == 4:
                row[i] = (row[i] + paeth(left, prior[i], up_left)) & 255
        prior = row
        if colour == 3:
            rows.append(bytes(b for index in row for b in palette[3 * index : 3 * index + 3]))
        elif colour in (0, 4):
            rows.append(bytes(b for grey in row[::step] for b in (grey, grey, grey)))
        else:
            rows.append(bytes(b for i in range(0, stride, step) for b in row[i : i + 3]))
    return width, height, rows


def main(first, second, tolerance):
    width, height, a = read_png(first)
    other_width, other_height, b = read_png(second)
    if (width, height) != (other_width, other_height):
        sys.exit(f"compare-png: {first} is {width}x{height}, {second} {other_width}x{other_height}")
    differing = 0
    for row_a, row_b in zip(a, b):
        for x in range(0, 3 * width, 3):
            if max(abs(row_a[x + c] - row_b[x + c]) for c in range(3)) > THRESHOLD:
                differing += 1
    share = differing / (width * height)
    print(f"compare-png: {share:.4%} of {width}x{height} pixels differ (at most {tolerance:.2%})")
    return share <= tolerance


if __name__ == "__main__":
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    sys.exit(0 if main(sys.argv[1], sys.argv[2], float(sys.argv[3]) if len(sys.argv) == 4 else 0.01) else 1)
