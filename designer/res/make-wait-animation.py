#!/usr/bin/env python3
"""Draws the wait window's animation, Wait.gif: a disc in the designer's
violet whose orange sector turns once in twelve frames. Colour 0 is
transparent, so the window's face shows around the disc. The GIF is written
by the LZW encoder below; running this again gives the same bytes."""
import math
import struct

SIZE = 48
FRAMES = 12
DELAY = 8  # hundredths of a second
PALETTE = [(255, 0, 255), (104, 76, 178), (236, 146, 52), (255, 255, 255), (200, 188, 232), (52, 36, 96), (0, 0, 0), (0, 0, 0)]


def frame(n):
    pixels = []
    turn = 2 * math.pi * n / FRAMES
    c = SIZE / 2
    for y in range(SIZE):
        for x in range(SIZE):
            dx, dy = x + 0.5 - c, y + 0.5 - c
            r = math.hypot(dx, dy)
            if r > 22.5:
                pixels.append(0)
            elif r > 21:
                pixels.append(5)
            elif r < 5:
                pixels.append(0 if r < 3.5 else 3)
            else:
                angle = (math.atan2(dy, dx) - turn) % (2 * math.pi)
                if angle < math.pi / 3:
                    pixels.append(2)
                elif angle < math.pi / 2:
                    pixels.append(4)
                else:
                    pixels.append(1)
    return pixels


def lzw(indexes, minimum):
    clear, end = 1 << minimum, (1 << minimum) + 1
    table = {(i,): i for i in range(clear)}
    size, following = minimum + 1, end + 1
    out, buffer, bits = bytearray(), 0, 0

    def emit(code):
        nonlocal buffer, bits
        buffer |= code << bits
        bits += size
        while bits >= 8:
            out.append(buffer & 0xFF)
            buffer >>= 8
            bits -= 8

    emit(clear)
    current = ()
    for index in indexes:
        candidate = current + (index,)
        if candidate in table:
            current = candidate
            continue
        emit(table[current])
        if following < 4096:
            table[candidate] = following
            following += 1
            if following > (1 << size) and size < 12:
                size += 1
        else:
            emit(clear)
            table = {(i,): i for i in range(clear)}
            size, following = minimum + 1, end + 1
        current = (index,)
    if current:
        emit(table[current])
    emit(end)
    if bits:
        out.append(buffer & 0xFF)
    return bytes(out)


def blocks(data):
    out = bytearray()
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        out += bytes([len(chunk)]) + chunk
    return bytes(out) + b"\0"


def gif():
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", SIZE, SIZE, 0xF2, 0, 0)
    for colour in PALETTE:
        out += bytes(colour)
    out += b"!\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00"  # loop for ever
    for n in range(FRAMES):
        out += b"!\xf9\x04" + struct.pack("<BHB", 0x09, DELAY, 0) + b"\0"  # restore to background, transparent 0
        out += b"," + struct.pack("<HHHHB", 0, 0, SIZE, SIZE, 0)
        out += bytes([3]) + blocks(lzw(frame(n), 3))
    out += b";"
    return bytes(out)


with open("Wait.gif", "wb") as target:
    target.write(gif())
