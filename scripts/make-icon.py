#!/usr/bin/env python3
"""Draws the product icon (a white K on a teal tile) as a Windows
.ico with 16x16 and 32x32 images in 32-bit colour with an AND mask.
Usage: make-icon.py OUT.ico"""
import struct
import sys


def pixel(x, y, n):
    """RGBA of pixel (x, y) of the n x n picture, y from the top."""
    u, v = (x + 0.5) / n, (y + 0.5) / n
    r = 0.18  # corner radius of the tile
    cx = min(max(u, r), 1 - r)
    cy = min(max(v, r), 1 - r)
    if (u - cx) ** 2 + (v - cy) ** 2 > r * r:
        return (0, 0, 0, 0)
    stem = 0.24 <= u <= 0.40 and 0.18 <= v <= 0.82
    upper = abs((v - 0.50) + (u - 0.40) * 1.15) < 0.09 and u >= 0.38 and v <= 0.52
    lower = abs((v - 0.50) - (u - 0.40) * 1.15) < 0.09 and u >= 0.38 and v >= 0.48
    if (stem or upper or lower) and u <= 0.80:
        return (255, 255, 255, 255)
    shade = int(150 - 60 * v)
    return (20, shade, shade + 10, 255)


def image(n):
    rows = []
    mask_rows = []
    for y in reversed(range(n)):  # bottom-up, as in a DIB
        row = b""
        bits = 0
        mask = bytearray()
        for x in range(n):
            r, g, b, a = pixel(x, y, n)
            row += struct.pack("BBBB", b, g, r, a)
            bits = (bits << 1) | (1 if a == 0 else 0)
            if x % 8 == 7:
                mask.append(bits)
                bits = 0
        while len(mask) % 4:
            mask.append(0)
        rows.append(row)
        mask_rows.append(bytes(mask))
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, 0, 0, 0, 0, 0)
    return header + b"".join(rows) + b"".join(mask_rows)


def main(out):
    sizes = [32, 16]
    images = [image(n) for n in sizes]
    data = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for n, img in zip(sizes, images):
        data += struct.pack("<BBBBHHII", n, n, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    data += b"".join(images)
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main(sys.argv[1])
