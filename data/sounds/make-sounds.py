#!/usr/bin/env python3
"""Makes the two button sounds that ship beside the designer and go onto
every built disc: "BtnClick.wav", a short soft click, and "RollOver.wav", a
quiet rising blip. 16-bit mono PCM at 22050 Hz; the noise comes from a fixed
generator, so running it again gives the same bytes. Run it here."""
import math
import struct

RATE = 22050


def wav(samples):
    data = b"".join(struct.pack("<h", max(-32767, min(32767, int(s * 32767)))) for s in samples)
    header = struct.pack("<4sI4s", b"RIFF", 36 + len(data), b"WAVE")
    fmt = struct.pack("<4sIHHIIHH", b"fmt ", 16, 1, 1, RATE, RATE * 2, 2, 16)
    return header + fmt + struct.pack("<4sI", b"data", len(data)) + data


def noise():
    state = 0x2468ACE
    while True:
        state = (state * 1103515245 + 12345) & 0x7FFFFFFF
        yield state / 0x3FFFFFFF - 1.0


def click():
    length = int(RATE * 0.045)
    source = noise()
    out = []
    for i in range(length):
        t = i / RATE
        envelope = math.exp(-t * 140)
        body = math.sin(2 * math.pi * 1850 * t) * 0.55 + next(source) * 0.25
        out.append(body * envelope * 0.6)
    return out


def rollover():
    length = int(RATE * 0.07)
    out = []
    phase = 0.0
    for i in range(length):
        t = i / RATE
        frequency = 900 + 900 * (t / 0.07)
        phase += 2 * math.pi * frequency / RATE
        attack = min(1.0, t / 0.006)
        release = math.exp(-max(0.0, t - 0.02) * 70)
        out.append(math.sin(phase) * attack * release * 0.3)
    return out


with open("BtnClick.wav", "wb") as f:
    f.write(wav(click()))
with open("RollOver.wav", "wb") as f:
    f.write(wav(rollover()))
