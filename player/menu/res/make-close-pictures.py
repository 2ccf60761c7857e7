#!/usr/bin/env python3
"""Draws the menu's four close-button pictures, 11 x 9 pixels, 24 bits:
a one-pixel border around an X whose strokes are two to three pixels thick.
Run it here to rewrite CloseU/D/F/R.bmp."""
import struct

W, H = 11, 9
STATES = {
    # letter: (x colour, ground, border)
    "U": ((147, 156, 175), (0, 0, 0), (74, 78, 88)),
    "R": ((244, 246, 250), (0, 0, 0), (122, 123, 125)),
    "D": ((92, 92, 96), (14, 14, 16), (46, 46, 48)),
    "F": ((88, 128, 228), (8, 10, 40), (40, 70, 200)),
}


def on_cross(x, y):
    # Interior is x 1..9, y 1..7; two diagonals, each two pixels wide.
    t = y - 1  # 0..6
    left = 2 + t
    right = 8 - t
    return x in (left, left + 1) or x in (right - 1, right)


def picture(cross, ground, border):
    rows = []
    for y in range(H):
        row = []
        for x in range(W):
            if x in (0, W - 1) or y in (0, H - 1):
                row.append(border)
            elif on_cross(x, y):
                row.append(cross)
            else:
                row.append(ground)
        rows.append(row)
    return rows


def bmp(rows):
    stride = (W * 3 + 3) & ~3
    pixels = b""
    for row in reversed(rows):
        line = b"".join(struct.pack("BBB", b, g, r) for (r, g, b) in row)
        pixels += line + b"\0" * (stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


for letter, colours in STATES.items():
    with open(f"Close{letter}.bmp", "wb") as out:
        out.write(bmp(picture(*colours)))
