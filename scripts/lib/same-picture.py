#!/usr/bin/env python3
"""Compares two PNG pictures of the same size pixel by pixel.

    same-picture.py A.png B.png [MAX_SHARE]

Prints how many pixels differ by more than 8 levels in a channel, and exits 0
when that is at most MAX_SHARE of them (default 0.005), 1 when more, and 2
when a file cannot be read. Reads 8-bit RGB and RGBA PNGs without
interlacing (what the capture tool writes) with nothing but the standard
library, so it runs on a machine that has only python3.
"""
import struct
import sys
import zlib


def read_png(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path} is not a PNG file")
    pos, idat, header = 8, [], None
    while pos + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[pos : pos + 8])
        body = data[pos + 8 : pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat.append(body)
        elif kind == b"IEND":
            break
        pos += 12 + length
    if header is None:
        raise ValueError(f"{path} has no header")
    width, height, depth, colour, _, _, interlace = header
    channels = {2: 3, 6: 4}.get(colour)
    if depth != 8 or channels is None or interlace:
        raise ValueError(f"{path} is not an 8-bit RGB or RGBA picture without interlacing")
    raw = zlib.decompress(b"".join(idat))
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, row = raw[start], bytearray(raw[start + 1 : start + 1 + stride])
        for x in range(stride):
            left = row[x - channels] if x >= channels else 0
            up = previous[x]
            corner = previous[x - channels] if x >= channels else 0
            if kind == 1:
                row[x] = (row[x] + left) & 255
            elif kind == 2:
                row[x] = (row[x] + up) & 255
            elif kind == 3:
                row[x] = (row[x] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                guess = left if pa <= pb and pa <= pc else up if pb <= pc else corner
                row[x] = (row[x] + guess) & 255
        rows.append(row)
        previous = row
    return width, height, channels, rows


def main():
    if len(sys.argv) not in (3, 4):
        print(__doc__.strip().splitlines()[2].strip(), file=sys.stderr)
        return 2
    try:
        a, b = read_png(sys.argv[1]), read_png(sys.argv[2])
    except (OSError, ValueError, zlib.error) as error:
        print(f"same-picture: {error}", file=sys.stderr)
        return 2
    if a[:2] != b[:2]:
        print(f"same-picture: {a[0]}x{a[1]} against {b[0]}x{b[1]}", file=sys.stderr)
        return 1
    width, height = a[:2]
    differ = 0
    for row_a, row_b in zip(a[3], b[3]):
        for x in range(width):
            pa, pb = x * a[2], x * b[2]
            if max(abs(row_a[pa + c] - row_b[pb + c]) for c in range(3)) > 8:
                differ += 1
    share = differ / (width * height)
    limit = float(sys.argv[3]) if len(sys.argv) == 4 else 0.005
    print(f"{differ} of {width * height} pixels differ by more than 8 levels ({share:.3%})")
    return 0 if share <= limit else 1


if __name__ == "__main__":
    sys.exit(main())
