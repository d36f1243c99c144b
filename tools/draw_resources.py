#!/usr/bin/env python3
"""Draws the program's icons and bitmaps as simple pixel art.

Writes .ico and .bmp files into resources/art/. Run again after changing a
drawing; the outputs are checked in so the build needs no Python.
"""
import os
import struct
import sys

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "art")

T = None  # transparent
INK = (40, 40, 48)
WHITE = (255, 255, 255)
PAPER = (250, 248, 236)
BLUE = (52, 101, 164)
LIGHTBLUE = (150, 190, 235)
GREEN = (60, 140, 60)
ORANGE = (235, 140, 30)
RED = (200, 40, 40)
GREY = (128, 128, 128)
LIGHTGREY = (200, 200, 200)
YELLOW = (250, 210, 70)
PURPLE = (120, 80, 160)


class Canvas:
    def __init__(self, w, h, fill=T):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.put(x, y0, c)
            self.put(x, y1, c)
        for y in range(y0, y1 + 1):
            self.put(x0, y, c)
            self.put(x1, y, c)

    def hline(self, x0, x1, y, c):
        self.rect(x0, y, x1, y, c)

    def vline(self, x, y0, y1, c):
        self.rect(x, y0, x, y1, c)

    def disc(self, cx, cy, r, c):
        for y in range(self.h):
            for x in range(self.w):
                if (x - cx + 0.5) ** 2 + (y - cy + 0.5) ** 2 <= r * r:
                    self.put(x, y, c)

    def glyph(self, rows, x0, y0, c):
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch == "#":
                    self.put(x0 + dx, y0 + dy, c)

    def scaled(self, factor):
        out = Canvas(self.w * factor, self.h * factor)
        for y in range(out.h):
            for x in range(out.w):
                out.px[y][x] = self.px[y // factor][x // factor]
        return out

    def resized(self, size):
        """The square drawing at size x size, each pixel taken from the nearest one (sharp edges)."""
        out = Canvas(size, size)
        for y in range(size):
            for x in range(size):
                out.px[y][x] = self.px[y * self.h // size][x * self.w // size]
        return out


# The sizes of the small icons for 96, 120, 144 and 192 DPI, so that Windows
# never stretches a drawing (which blurs it) on a high-DPI screen.
SMALL_SIZES = (16, 20, 24, 32)


def small_sizes(c):
    return [c.resized(size) for size in SMALL_SIZES]


def menu_window(c, accent):
    """A small menu: title bar and three item lines."""
    c.rect(1, 1, 14, 14, WHITE)
    c.frame(1, 1, 14, 14, INK)
    c.rect(2, 2, 13, 4, accent)
    for y in (7, 9, 11):
        c.hline(4, 11, y, GREY)


def draw_menu():
    c = Canvas(16, 16)
    menu_window(c, BLUE)
    return c


def draw_app_menu():
    c = Canvas(16, 16)
    c.disc(8, 9, 6, GREEN)
    c.rect(7, 1, 8, 3, GREEN)
    c.put(10, 2, GREEN)
    c.put(11, 1, GREEN)
    c.disc(8, 9, 2, WHITE)
    return c


def draw_script():
    c = Canvas(16, 16)
    c.rect(3, 1, 12, 14, PAPER)
    c.frame(3, 1, 12, 14, INK)
    for y in (4, 6, 8, 10):
        c.hline(5, 10, y, BLUE)
    c.rect(10, 11, 14, 15, ORANGE)
    c.glyph(["#", "##", "###", "##", "#"], 11, 11, WHITE)
    return c


def draw_fm_item():
    c = Canvas(16, 16)
    c.rect(1, 3, 14, 12, LIGHTBLUE)
    c.frame(1, 3, 14, 12, INK)
    c.glyph(["###", "#  ", "## ", "#  ", "#  "], 3, 5, INK)
    c.glyph(["#   #", "## ##", "# # #", "#   #", "#   #"], 8, 5, INK)
    return c


def draw_separator():
    c = Canvas(16, 16)
    c.hline(1, 14, 7, GREY)
    c.hline(1, 14, 8, WHITE)
    c.put(0, 7, INK)
    c.put(15, 7, INK)
    return c


def draw_mac_quit():
    c = Canvas(16, 16)
    c.disc(8, 8, 7, RED)
    c.disc(8, 8, 5, WHITE)
    c.disc(8, 8, 3, RED)
    c.rect(7, 1, 8, 8, WHITE)
    c.rect(7, 2, 8, 7, RED)
    return c


def draw_mac_prefs():
    c = Canvas(16, 16)
    c.disc(8, 8, 6, GREY)
    for x, y in ((7, 0), (7, 14), (0, 7), (14, 7)):
        c.rect(x, y, x + 1, y + 1, GREY)
    for x, y in ((2, 2), (12, 2), (2, 12), (12, 12)):
        c.rect(x, y, x + 1, y + 1, GREY)
    c.disc(8, 8, 2, WHITE)
    return c


def draw_unused_item():
    c = Canvas(16, 16)
    c.rect(3, 3, 12, 12, LIGHTGREY)
    c.frame(3, 3, 12, 12, GREY)
    return c


def draw_program(size):
    c = Canvas(16, 16)
    c.rect(0, 1, 15, 14, WHITE)
    c.frame(0, 1, 15, 14, INK)
    c.rect(1, 2, 14, 4, BLUE)
    c.glyph(["###", " # ", " # "], 1, 2, WHITE)
    c.rect(3, 5, 10, 13, PAPER)
    c.frame(3, 5, 10, 13, GREY)
    for y in (7, 9, 11):
        c.hline(5, 8, y, INK)
    c.rect(11, 6, 14, 9, ORANGE)
    return c.scaled(size // 16)


def draw_template(size):
    c = Canvas(16, 16)
    c.rect(2, 0, 13, 15, PAPER)
    c.frame(2, 0, 13, 15, INK)
    c.rect(4, 2, 11, 4, PURPLE)
    for y in (7, 9, 11, 13):
        c.hline(4, 11, y, GREY)
    return c.scaled(size // 16)


def write_ico(path, canvases):
    images = []
    for c in canvases:
        w, h = c.w, c.h
        xor = bytearray()
        for y in reversed(range(h)):
            for x in range(w):
                p = c.px[y][x]
                xor += bytes((p[2], p[1], p[0], 255)) if p else b"\0\0\0\0"
        row_bytes = ((w + 31) // 32) * 4
        mask = bytearray()
        for y in reversed(range(h)):
            bits = bytearray(row_bytes)
            for x in range(w):
                if c.px[y][x] is None:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        images.append((w, h, header + bytes(xor) + bytes(mask)))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for w, h, data in images:
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, _, data in images:
        out += data
    with open(path, "wb") as f:
        f.write(out)


def write_bmp(path, c, background):
    w, h = c.w, c.h
    row = (w * 3 + 3) & ~3
    pixels = bytearray()
    for y in reversed(range(h)):
        line = bytearray()
        for x in range(w):
            p = c.px[y][x] or background
            line += bytes((p[2], p[1], p[0]))
        line += b"\0" * (row - len(line))
        pixels += line
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


def toolbar_strip():
    """Three 16x16 images: New, Open, Save. Pure red marks the background."""
    c = Canvas(48, 16)
    # New: a blank page with a folded corner.
    c.rect(3, 1, 12, 14, WHITE)
    c.frame(3, 1, 12, 14, INK)
    c.rect(10, 1, 12, 3, T)
    c.hline(10, 12, 3, INK)
    c.vline(10, 1, 3, INK)
    # Open: a folder.
    c.rect(17, 4, 30, 13, YELLOW)
    c.frame(17, 4, 30, 13, INK)
    c.rect(18, 2, 22, 4, YELLOW)
    c.frame(18, 2, 22, 4, INK)
    # Save: a disk.
    c.rect(33, 1, 46, 14, BLUE)
    c.frame(33, 1, 46, 14, INK)
    c.rect(36, 2, 43, 6, WHITE)
    c.rect(36, 9, 43, 14, LIGHTGREY)
    c.rect(41, 10, 42, 13, INK)
    return c


MASK = (192, 220, 192)  # transparent colour of the drag marks


def copy_mark():
    """A plus sign: the drop copies the node."""
    c = Canvas(16, 16)
    c.rect(9, 9, 15, 15, WHITE)
    c.frame(9, 9, 15, 15, INK)
    c.rect(12, 10, 12, 14, GREEN)
    c.rect(10, 12, 14, 12, GREEN)
    return c


def refuse_mark():
    """A barred circle: the place under the cursor refuses the node."""
    c = Canvas(18, 16)
    c.disc(12, 11, 5, RED)
    c.disc(12, 11, 3, WHITE)
    for i in range(-3, 4):
        c.put(12 + i, 11 - i, RED)
        c.put(12 + i, 10 - i, RED)
    return c


def wizard_header():
    c = Canvas(500, 60, WHITE)
    for x in range(500):
        shade = 255 - (x * 60) // 500
        for y in range(60):
            c.px[y][x] = (shade, shade, 255)
    icon = draw_program(32).scaled(1)
    for y in range(32):
        for x in range(32):
            if icon.px[y][x]:
                c.px[14 + y][450 + x] = icon.px[y][x]
    return c


def main():
    os.makedirs(OUT, exist_ok=True)
    icons = {
        "app_menu.ico": small_sizes(draw_app_menu()),          # 211
        "separator.ico": small_sizes(draw_separator()),        # 212
        "menu.ico": small_sizes(draw_menu()),                  # 213
        "script_item.ico": small_sizes(draw_script()),         # 214
        "spare_item.ico": small_sizes(draw_unused_item()),     # 215
        "fm_item.ico": small_sizes(draw_fm_item()),            # 216
        "mac_quit.ico": small_sizes(draw_mac_quit()),          # 217
        "tessary.ico": [draw_program(48), draw_program(32)] + small_sizes(draw_program(16))[:-1],    # 227
        "template.ico": [draw_template(48), draw_template(32)] + small_sizes(draw_template(16))[:-1],  # 228
        "mac_prefs.ico": small_sizes(draw_mac_prefs()),        # 229
    }
    for name, canvases in icons.items():
        write_ico(os.path.join(OUT, name), canvases)
    write_bmp(os.path.join(OUT, "toolbar.bmp"), toolbar_strip(), (255, 0, 0))
    write_bmp(os.path.join(OUT, "drag_copy.bmp"), copy_mark(), MASK)
    write_bmp(os.path.join(OUT, "drag_refuse.bmp"), refuse_mark(), MASK)
    write_bmp(os.path.join(OUT, "wizard_header.bmp"), wizard_header(), (255, 255, 255))
    return 0


if __name__ == "__main__":
    sys.exit(main())
