#!/usr/bin/env python3
"""Draws the designer's pictures: the step icons (32 x 32 tiles with a white
glyph), the text and big button sets, the help button, the banner, the
splash, the About picture and the program icon. Everything is plain 24-bit
BMP (and one ICO) made from rectangles, discs, lines and a 5 x 7 pixel font,
so that running it again gives the same bytes. Run it here."""
import struct

# ---------------------------------------------------------------- canvas
class Canvas:
    def __init__(self, w, h, colour=(255, 255, 255)):
        self.w, self.h = w, h
        self.px = [[colour] * w for _ in range(h)]

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                self.px[y][x] = c

    def frame(self, x0, y0, x1, y1, c):
        self.rect(x0, y0, x1, y0 + 1, c)
        self.rect(x0, y1 - 1, x1, y1, c)
        self.rect(x0, y0, x0 + 1, y1, c)
        self.rect(x1 - 1, y0, x1, y1, c)

    def disc(self, cx, cy, r, c):
        for y in range(self.h):
            for x in range(self.w):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self.px[y][x] = c

    def ring(self, cx, cy, r, width, c):
        for y in range(self.h):
            for x in range(self.w):
                d = ((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2) ** 0.5
                if r - width <= d <= r:
                    self.px[y][x] = c

    def line(self, x0, y0, x1, y1, width, c):
        steps = int(max(abs(x1 - x0), abs(y1 - y0)) * 2) + 1
        for i in range(steps + 1):
            t = i / steps
            self._dot(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, width / 2, c)

    def _dot(self, cx, cy, r, c):
        for y in range(int(cy - r - 1), int(cy + r + 2)):
            for x in range(int(cx - r - 1), int(cx + r + 2)):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self.put(x, y, c)

    def rounded(self, x0, y0, x1, y1, r, c):
        for y in range(y0, y1):
            for x in range(x0, x1):
                dx = max(x0 + r - (x + 0.5), 0, (x + 0.5) - (x1 - r))
                dy = max(y0 + r - (y + 0.5), 0, (y + 0.5) - (y1 - r))
                if dx * dx + dy * dy <= r * r:
                    self.put(x, y, c)

    def vgradient(self, x0, y0, x1, y1, top, bottom):
        for y in range(y0, y1):
            t = (y - y0) / max(1, y1 - y0 - 1)
            c = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))
            self.rect(x0, y, x1, y + 1, c)

    def text(self, x, y, s, scale, c):
        for ch in s:
            rows = FONT.get(ch, FONT[" "])
            for ry, row in enumerate(rows):
                for rx, bit in enumerate(row):
                    if bit == "#":
                        self.rect(x + rx * scale, y + ry * scale, x + (rx + 1) * scale, y + (ry + 1) * scale, c)
            x += 6 * scale
        return x

    def bmp(self):
        stride = (self.w * 3 + 3) & ~3
        data = b""
        for row in reversed(self.px):
            line = b"".join(struct.pack("BBB", b, g, r) for (r, g, b) in row)
            data += line + b"\0" * (stride - len(line))
        header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.w, self.h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        return header + info + data

    def save(self, name):
        with open(name, "wb") as out:
            out.write(self.bmp())


def text_width(s, scale):
    return len(s) * 6 * scale - scale


FONT_ROWS = {
    "A": ".###. #...# #...# ##### #...# #...# #...#",
    "B": "####. #...# #...# ####. #...# #...# ####.",
    "C": ".###. #...# #.... #.... #.... #...# .###.",
    "D": "####. #...# #...# #...# #...# #...# ####.",
    "E": "##### #.... #.... ####. #.... #.... #####",
    "F": "##### #.... #.... ####. #.... #.... #....",
    "G": ".###. #...# #.... #.### #...# #...# .####",
    "H": "#...# #...# #...# ##### #...# #...# #...#",
    "I": ".###. ..#.. ..#.. ..#.. ..#.. ..#.. .###.",
    "K": "#...# #..#. #.#.. ##... #.#.. #..#. #...#",
    "L": "#.... #.... #.... #.... #.... #.... #####",
    "M": "#...# ##.## #.#.# #.#.# #...# #...# #...#",
    "N": "#...# ##..# #.#.# #..## #...# #...# #...#",
    "O": ".###. #...# #...# #...# #...# #...# .###.",
    "P": "####. #...# #...# ####. #.... #.... #....",
    "R": "####. #...# #...# ####. #.#.. #..#. #...#",
    "S": ".#### #.... #.... .###. ....# ....# ####.",
    "T": "##### ..#.. ..#.. ..#.. ..#.. ..#.. ..#..",
    "U": "#...# #...# #...# #...# #...# #...# .###.",
    "V": "#...# #...# #...# #...# #...# .#.#. ..#..",
    "W": "#...# #...# #...# #.#.# #.#.# #.#.# .#.#.",
    "Y": "#...# #...# .#.#. ..#.. ..#.. ..#.. ..#..",
    "0": ".###. #...# #..## #.#.# ##..# #...# .###.",
    "1": "..#.. .##.. ..#.. ..#.. ..#.. ..#.. .###.",
    "3": "####. ....# ....# .###. ....# ....# ####.",
    ".": "..... ..... ..... ..... ..... .##.. .##..",
    "?": ".###. #...# ....# ..##. ..#.. ..... ..#..",
    "!": "..#.. ..#.. ..#.. ..#.. ..#.. ..... ..#..",
    " ": "..... ..... ..... ..... ..... ..... .....",
}
FONT = {k: v.split() for k, v in FONT_ROWS.items()}

# ---------------------------------------------------------------- palette
INK = (52, 36, 96)           # deep violet: text and outlines
VIOLET = (104, 76, 178)
LAVENDER = (221, 210, 239)   # the tree pane's ground
WHITE = (255, 255, 255)
ACCENT = (236, 146, 52)      # warm orange for the active states
GREY = (170, 170, 176)

# ---------------------------------------------------------------- step icons
TILES = {  # resource: tile colour
    384: (64, 140, 214), 385: (96, 110, 128), 386: (190, 64, 72), 387: (60, 150, 96),
    388: (104, 76, 178), 389: (78, 56, 150), 390: (128, 100, 196), 391: (226, 150, 40),
    392: (150, 110, 60), 393: (40, 150, 170), 394: (70, 110, 190), 395: (210, 170, 40),
    396: (140, 90, 170), 397: (80, 120, 140), 398: (200, 100, 40),
}


def glyph(c, rid):
    w = WHITE
    if rid == 384:  # e-mail: envelope
        c.rect(6, 10, 26, 23, w)
        c.line(7, 11, 16, 18, 2, TILES[rid]); c.line(25, 11, 16, 18, 2, TILES[rid])
    elif rid == 385:  # print: printer
        c.rect(10, 6, 22, 12, w); c.rect(6, 12, 26, 21, w); c.rect(10, 18, 22, 26, w)
        c.rect(11, 20, 21, 21, TILES[rid]); c.rect(11, 23, 21, 24, TILES[rid])
    elif rid == 386:  # security: padlock
        c.ring(16, 13, 6, 2, w); c.rect(8, 14, 24, 26, w); c.rect(15, 18, 17, 23, TILES[rid])
    elif rid == 387:  # run application: window with a play mark
        c.rect(6, 7, 26, 25, w); c.rect(8, 11, 24, 23, TILES[rid])
        for i in range(6):
            c.rect(13 + i, 13 + i // 2, 14 + i, 21 - i // 2, w)
    elif rid == 388:  # button: a pill with a pointer
        c.rounded(5, 10, 27, 20, 5, w); c.rect(9, 14, 23, 16, TILES[rid])
        c.line(19, 18, 24, 26, 2, w)
    elif rid == 389:  # menu: three lines
        for y in (9, 15, 21):
            c.disc(9, y + 1, 2, w); c.rect(13, y, 25, y + 3, w)
    elif rid == 390:  # submenu: nested lines
        for y, x in ((9, 8), (15, 12), (21, 12)):
            c.rect(x, y, 25, y + 3, w)
    elif rid == 391:  # splash: a burst
        for dx, dy in ((0, -10), (0, 10), (-10, 0), (10, 0), (7, 7), (-7, -7), (7, -7), (-7, 7)):
            c.line(16, 16, 16 + dx, 16 + dy, 2, w)
        c.disc(16, 16, 5, w)
    elif rid == 392:  # license: page with a seal
        c.rect(8, 5, 22, 27, w)
        for y in (9, 12, 15):
            c.rect(10, y, 20, y + 1, TILES[rid])
        c.disc(21, 22, 5, ACCENT)
    elif rid == 393:  # web site: globe
        c.disc(16, 16, 10, w); c.ring(16, 16, 10, 1.5, TILES[rid]); c.ring(16, 16, 10, 1.5, w)
        c.rect(6, 15, 26, 17, TILES[rid]); c.rect(15, 6, 17, 26, TILES[rid])
        c.ring(16, 16, 6, 1.5, TILES[rid])
    elif rid == 394:  # open document: page with folded corner
        c.rect(9, 5, 23, 27, w); c.rect(18, 5, 23, 10, TILES[rid]); c.line(18, 5, 23, 10, 1.5, w)
        for y in (13, 16, 19, 22):
            c.rect(11, y, 21, y + 1, TILES[rid])
    elif rid == 395:  # explore: folder
        c.rect(5, 9, 14, 12, w); c.rect(5, 11, 27, 25, w); c.rect(5, 13, 27, 14, TILES[rid])
    elif rid == 396:  # install: box with an arrow into it
        c.rect(7, 15, 25, 27, w); c.rect(7, 18, 25, 19, TILES[rid])
        c.rect(14, 4, 18, 12, w)
        for i in range(6):
            c.rect(11 + i, 11 + i, 21 - i, 12 + i, w)
    elif rid == 397:  # standard application: calculator
        c.rect(9, 5, 23, 27, w); c.rect(11, 7, 21, 11, TILES[rid])
        for y in (14, 18, 22):
            for x in (11, 15, 19):
                c.rect(x, y, x + 2, y + 2, TILES[rid])
    elif rid == 398:  # message: speech bubble with "!"
        c.rounded(5, 6, 27, 22, 5, w); c.line(10, 21, 8, 27, 2, w)
        c.rect(15, 9, 17, 16, TILES[rid])
        c.rect(15, 18, 17, 20, TILES[rid])


def step_icon(rid):
    c = Canvas(32, 32, (255, 0, 255))  # magenta stays transparent in the lists
    c.rounded(1, 1, 31, 31, 6, TILES[rid])
    glyph(c, rid)
    return c


# ---------------------------------------------------------------- buttons
def button_set(base, w, h, face):
    # U normal, D pressed, F focused, R rollover, X disabled; the caption is
    # drawn by the button itself.
    looks = {
        "U": (face[0], face[1], INK),
        "R": (tuple(min(255, v + 18) for v in face[0]), face[1], ACCENT),
        "D": (face[1], face[0], INK),
        "F": (face[0], face[1], VIOLET),
        "X": ((236, 236, 238), (214, 214, 218), GREY),
    }
    for letter, (top, bottom, edge) in looks.items():
        c = Canvas(w, h, (255, 0, 255))
        c.rounded(0, 0, w, h, 4, edge)
        c.rounded(1, 1, w - 1, h - 1, 3, WHITE)
        c.vgradient(2, 2, w - 2, h - 2, top, bottom)
        for x, y in ((2, 2), (w - 3, 2), (2, h - 3), (w - 3, h - 3)):
            c.put(x, y, WHITE)
        c.save(f"{base}{letter}.bmp")


def help_set():
    # The tree pane's help buttons (with a rollover picture) and the forms'
    # hover buttons share the disc; magenta is the transparent colour.
    looks = {"U": (VIOLET, None), "R": (ACCENT, None), "D": (INK, None), "F": (VIOLET, ACCENT), "X": (GREY, None)}
    for letter, (ground, ring) in looks.items():
        big = Canvas(22, 22, (255, 0, 255))
        big.disc(11, 11, 10.5, ring or ground)
        if ring:
            big.disc(11, 11, 8.5, ground)
        big.text(6, 4, "?", 2, WHITE)
        big.save(f"Help{letter}.bmp")


def triangle(c, cx, top, half, height, pointing_up, colour):
    for row in range(height):
        span = half * (row + 1) / height if pointing_up else half * (height - row) / height
        y = top + row
        c.rect(round(cx - span), y, round(cx + span), y + 1, colour)


def hover_sets():
    # The themed pictures ("XP...") are glyphs alone, drawn over the
    # system's button face; the plain ones carry their own round face.
    looks = {"U": (VIOLET, None), "D": (INK, None), "F": (VIOLET, ACCENT), "X": (GREY, None)}
    for name, glyph in (("Help", "?"), ("Up", "up"), ("Down", "down")):
        for letter, (ground, ring) in looks.items():
            if name != "Help":
                plain = Canvas(22, 22, (255, 0, 255))
                plain.disc(11, 11, 10.5, ring or ground)
                if ring:
                    plain.disc(11, 11, 8.5, ground)
                triangle(plain, 11, 7, 6, 8, glyph == "up", WHITE)
                plain.save(f"{name}{letter}.bmp")
            themed = Canvas(16, 16, (255, 0, 255))
            ink = ring or ground
            if glyph == "?":
                themed.disc(8, 8, 7.5, ink)
                themed.text(6, 4, "?", 1, WHITE)
            else:
                triangle(themed, 8, 4, 6, 8, glyph == "up", ink)
            themed.save(f"XP{name}{letter}.bmp")


# ---------------------------------------------------------------- banner, splash, about
def banner():
    c = Canvas(180, 56, WHITE)
    c.rounded(4, 6, 48, 50, 8, VIOLET)
    c.disc(26, 28, 13, WHITE); c.disc(26, 28, 5, VIOLET)
    c.text(56, 14, "MENUWRIGHT", 2, INK)
    c.text(56, 36, "AUTORUN DESIGNER", 1, VIOLET)
    c.save("Banner.bmp")


def splash():
    w, h = 420, 240
    c = Canvas(w, h)
    c.vgradient(0, 0, w, h, (78, 56, 150), (36, 24, 76))
    c.disc(330, 60, 110, (96, 72, 170)); c.disc(360, 200, 70, (64, 46, 128))
    c.rect(0, 0, w, 0, INK)
    c.rounded(36, 56, 112, 132, 14, WHITE)
    c.disc(74, 94, 24, VIOLET); c.disc(74, 94, 9, WHITE)
    x = c.text(132, 68, "MENUWRIGHT", 4, WHITE)
    c.text(132, 112, "AUTORUN DISC DESIGNER", 2, LAVENDER)
    c.rect(36, 170, w - 36, 172, ACCENT)
    c.text(36, 190, "FERNHOLLOW SOFTWARE", 2, LAVENDER)
    c.frame(0, 0, w, h, INK)
    c.save("Splash.bmp")


def about():
    c = Canvas(64, 64, WHITE)
    c.rounded(2, 2, 62, 62, 12, VIOLET)
    c.disc(32, 32, 19, WHITE); c.disc(32, 32, 7, VIOLET)
    c.save("About.bmp")


def icon():
    sizes = []
    for size in (16, 32, 48):
        c = Canvas(size, size, (0, 0, 0))
        r = size / 64
        c.rounded(0, 0, size, size, max(2, int(12 * r)), VIOLET)
        c.disc(size / 2, size / 2, 19 * r + 0.5, WHITE)
        c.disc(size / 2, size / 2, 7 * r + 0.5, VIOLET)
        # Mask: outside the rounded tile is transparent.
        mask = Canvas(size, size, (255, 255, 255))
        mask.rounded(0, 0, size, size, max(2, int(12 * r)), (0, 0, 0))
        xor = b"".join(struct.pack("BBB", b, g, r_) for row in reversed(c.px) for (r_, g, b) in row)
        stride = ((size + 31) // 32) * 4
        and_bits = b""
        for row in reversed(mask.px):
            line = bytearray(stride)
            for x, p in enumerate(row):
                if p == (255, 255, 255):
                    line[x // 8] |= 0x80 >> (x % 8)
            and_bits += bytes(line)
        info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 24, 0, len(xor) + len(and_bits), 0, 0, 0, 0)
        sizes.append((size, info + xor + and_bits))
    header = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    entries = b""
    data = b""
    for size, image in sizes:
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 24, len(image), offset + len(data))
        data += image
    with open("Menuwright.ico", "wb") as out:
        out.write(header + entries + data)


for rid in TILES:
    step_icon(rid).save(f"Step{rid}.bmp")
button_set("TxtButton", 104, 22, ((250, 248, 255), (226, 218, 244)))
button_set("TreeButton", 104, 22, ((255, 240, 222), (246, 210, 170)))
button_set("BigButton", 66, 30, ((250, 248, 255), (214, 202, 240)))
help_set()
hover_sets()
banner()
splash()
about()
icon()
