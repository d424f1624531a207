#!/usr/bin/env python3
"""Draws the string grid library's glyphs and cursors into this folder.

Run once when a picture changes; the build embeds the files it writes.
Glyphs are 24-bit bitmaps whose corner pixels hold the background colour
(magenta) that the grid makes transparent: check boxes and radio buttons
by their bottom-left pixel, the other glyphs by their top-left one.
Cursors are 32x32 monochrome .cur files.
"""
import math
import struct
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parents[1] / 'tools' / 'art'))
import cursorfile  # noqa: E402

MAGENTA = (255, 0, 255)


class Picture:
    def __init__(self, width, height, background=MAGENTA):
        self.width, self.height = width, height
        self.pixels = [[background] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def fill(self, left, top, right, bottom, colour):
        for y in range(top, bottom):
            for x in range(left, right):
                self.put(x, y, colour)

    def gradient(self, left, top, right, bottom, start, end):
        for y in range(top, bottom):
            t = (y - top) / max(1, bottom - top - 1)
            colour = tuple(round(a + (b - a) * t) for a, b in zip(start, end))
            for x in range(left, right):
                self.put(x, y, colour)

    def frame(self, left, top, right, bottom, colour):
        for x in range(left, right):
            self.put(x, top, colour)
            self.put(x, bottom - 1, colour)
        for y in range(top, bottom):
            self.put(left, y, colour)
            self.put(right - 1, y, colour)

    def line(self, x0, y0, x1, y1, colour, width=1):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            x = round(x0 + (x1 - x0) * i / steps)
            y = round(y0 + (y1 - y0) * i / steps)
            for dx in range(width):
                for dy in range(width):
                    self.put(x + dx, y + dy, colour)

    def disc(self, cx, cy, radius, colour):
        for y in range(self.height):
            for x in range(self.width):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= radius ** 2:
                    self.put(x, y, colour)

    def ring(self, cx, cy, radius, colour):
        for y in range(self.height):
            for x in range(self.width):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if radius - 1 <= d <= radius:
                    self.put(x, y, colour)

    def polygon(self, points, colour):
        for y in range(self.height):
            for x in range(self.width):
                if inside(points, x + 0.5, y + 0.5):
                    self.put(x, y, colour)

    def save(self, name):
        stride = (self.width * 3 + 3) & ~3
        data = b''
        for row in reversed(self.pixels):
            line = b''.join(bytes((b, g, r)) for r, g, b in row)
            data += line + b'\0' * (stride - len(line))
        info = struct.pack('<IiiHHIIiiII', 40, self.width, self.height, 1, 24, 0, len(data), 0, 0, 0, 0)
        header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(data), 0, 0, 14 + 40)
        (HERE / f'{name}.bmp').write_bytes(header + info + data)


def inside(points, x, y):
    result = False
    for i in range(len(points)):
        (x0, y0), (x1, y1) = points[i], points[i - 1]
        if (y0 > y) != (y1 > y) and x < (x1 - x0) * (y - y0) / (y1 - y0) + x0:
            result = not result
    return result


# ---- Check boxes and radio buttons: checked/unchecked, enabled/disabled ----

XP_FRAME, XP_FRAME_OFF = (28, 81, 128), (202, 200, 187)
XP_TICK, XP_TICK_OFF = (33, 161, 33), (202, 200, 187)
QUARN_FRAME, QUARN_FRAME_OFF = (72, 104, 160), (176, 176, 176)
QUARN_TICK, QUARN_TICK_OFF = (24, 56, 120), (160, 160, 160)


def check_box(size, box, frame, tick, light, dark, checked):
    p = Picture(size, size)
    left = (size - box) // 2
    p.gradient(left + 1, left + 1, left + box - 1, left + box - 1, light, dark)
    p.frame(left, left, left + box, left + box, frame)
    if checked:
        x, y = left + box // 4, left + box // 2
        p.line(x, y - 1, x + box // 5, y + box // 5 - 1, tick, 2)
        p.line(x + box // 5, y + box // 5 - 1, x + box * 3 // 5, y - box // 4 - 1, tick, 2)
    return p


def radio(size, diameter, frame, dot, light, dark, checked):
    p = Picture(size, size)
    c = size / 2
    p.disc(c, c, diameter / 2, frame)
    for y in range(size):
        t = y / (size - 1)
        colour = tuple(round(a + (b - a) * t) for a, b in zip(light, dark))
        for x in range(size):
            if (x + 0.5 - c) ** 2 + (y + 0.5 - c) ** 2 <= (diameter / 2 - 1) ** 2:
                p.put(x, y, colour)
    if checked:
        p.disc(c, c, diameter / 5, dot)
    return p


def state_pictures(prefix, first, size, box, colours):
    """Checked enabled, unchecked enabled, checked disabled, unchecked disabled."""
    frame, frame_off, tick, tick_off = colours
    states = [(True, True), (False, True), (True, False), (False, False)]
    for i, (checked, enabled) in enumerate(states):
        light = (246, 246, 242) if enabled else (238, 238, 238)
        dark = (214, 214, 206) if enabled else (226, 226, 226)
        if prefix == 'BQGCHK':
            picture = check_box(size, box, frame if enabled else frame_off, tick if enabled else tick_off,
                                light, dark, checked)
        else:
            picture = radio(size, box, frame if enabled else frame_off, tick if enabled else tick_off,
                            light, dark, checked)
        picture.save(f'{prefix}{first + i:02d}')


state_pictures('BQGCHK', 1, 20, 16, (QUARN_FRAME, QUARN_FRAME_OFF, QUARN_TICK, QUARN_TICK_OFF))
state_pictures('BQGCHK', 5, 16, 13, (XP_FRAME, XP_FRAME_OFF, XP_TICK, XP_TICK_OFF))
state_pictures('BQGRAD', 1, 16, 14, (QUARN_FRAME, QUARN_FRAME_OFF, QUARN_TICK, QUARN_TICK_OFF))
state_pictures('BQGRAD', 5, 16, 13, (XP_FRAME, XP_FRAME_OFF, XP_TICK, XP_TICK_OFF))

# ---- Node glyphs ----------------------------------------------------------------

GREY, BLACK, WHITE = (128, 128, 128), (0, 0, 0), (255, 255, 255)


def leaf(open_):
    p = Picture(16, 16)
    p.polygon([(4, 2), (10, 2), (13, 5), (13, 14), (4, 14)], (255, 255, 236))
    p.line(4, 2, 10, 2, GREY)
    p.line(10, 2, 13, 5, GREY)
    p.line(13, 5, 13, 14, GREY)
    p.line(13, 14, 4, 14, GREY)
    p.line(4, 14, 4, 2, GREY)
    for y in (6, 8, 10) if open_ else (6,):
        p.line(6, y, 11, y, (96, 128, 176))
    return p


leaf(False).save('BQGLEAFCLOSE')
leaf(True).save('BQGLEAFOPEN')


def xp_node(contracted):
    p = Picture(9, 9)
    p.gradient(1, 1, 8, 8, WHITE, (198, 198, 184))
    p.frame(0, 0, 9, 9, (120, 152, 181))
    # Rounded corners, which also give the glyph its transparent colour.
    for x, y in ((0, 0), (8, 0), (0, 8), (8, 8)):
        p.put(x, y, MAGENTA)
    p.line(2, 4, 6, 4, BLACK)
    if contracted:
        p.line(4, 2, 4, 6, BLACK)
    return p


xp_node(True).save('XPNODEC')
xp_node(False).save('XPNODEO')

# ---- Header and search footer glyphs ----------------------------------------------

p = Picture(16, 16)
p.polygon([(2, 3), (14, 3), (9, 9), (9, 14), (7, 13), (7, 9)], (64, 64, 64))
p.save('BQGFILT')


def arrow(up, colour):
    p = Picture(16, 16)
    points = [(3, 10), (13, 10), (8, 4)] if up else [(3, 6), (13, 6), (8, 12)]
    p.polygon(points, colour)
    return p


arrow(True, (32, 64, 128)).save('BQGARUP')
arrow(True, GREY).save('BQGARUPD')
arrow(False, (32, 64, 128)).save('BQGARDOWN')
arrow(False, GREY).save('BQGARDOWND')


def close(colour, face=None):
    p = Picture(14, 14)
    if face:
        p.fill(1, 1, 13, 13, face)
        p.frame(0, 0, 14, 14, GREY)
    p.line(3, 3, 9, 9, colour, 2)
    p.line(9, 3, 3, 9, colour, 2)
    return p


close(BLACK).save('BQGCLOSE')
close(BLACK, (255, 231, 162)).save('BQGCLOSEH')
close(GREY).save('BQGCLOSED')


def highlight(colour, marker):
    p = Picture(16, 16)
    p.polygon([(3, 12), (10, 3), (13, 6), (6, 14)], colour)
    p.fill(2, 13, 9, 15, marker)
    return p


highlight((48, 48, 48), (255, 220, 0)).save('BQGHI')
highlight(GREY, (200, 200, 200)).save('BQGHID')

# ---- Pan origin markers: both directions, horizontal, vertical ----------------------


def pan_marker(vertical, horizontal):
    p = Picture(32, 32, WHITE)
    p.disc(16, 16, 14, (230, 230, 230))
    p.ring(16, 16, 14, GREY)
    p.disc(16, 16, 2, BLACK)
    if vertical:
        p.polygon([(11, 11), (21, 11), (16, 5)], BLACK)
        p.polygon([(11, 21), (21, 21), (16, 27)], BLACK)
    if horizontal:
        p.polygon([(11, 11), (11, 21), (5, 16)], BLACK)
        p.polygon([(21, 11), (21, 21), (27, 16)], BLACK)
    return p


pan_marker(True, True).save('INTLI1')
pan_marker(False, True).save('INTLI2')
pan_marker(True, False).save('INTLI3')

# ---- Spin arrows --------------------------------------------------------------------

# A row of background under the up arrow: a speed button takes the colour of
# the glyph's bottom-left pixel as transparent.
p = Picture(7, 5)
p.polygon([(0, 4), (7, 4), (3.5, 0)], BLACK)
p.save('BqgSpinUp')
p = Picture(7, 4)
p.polygon([(0, 0), (7, 0), (3.5, 4)], BLACK)
p.save('BqgSpinDown')

# ---- Cursors -------------------------------------------------------------------------


def write_cursor(name, rows, hot):
    cursorfile.write_cursor(HERE / f'{name}.cur', rows, hot)


def cursor_grid(shapes):
    """Rasterises polygons (filled black, outlined white) into 32 rows."""
    rows = [[' '] * 32 for _ in range(32)]
    for points in shapes:
        for y in range(32):
            for x in range(32):
                if inside(points, x + 0.5, y + 0.5):
                    rows[y][x] = '#'
    outlined = [r[:] for r in rows]
    for y in range(32):
        for x in range(32):
            if rows[y][x] == ' ' and any(0 <= y + dy < 32 and 0 <= x + dx < 32 and rows[y + dy][x + dx] == '#'
                                         for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                outlined[y][x] = '.'
    return [''.join(r) for r in outlined]


def pan_cursor(directions):
    """A centre dot with arrow heads towards the directions (dx, dy)."""
    shapes = [[(14, 14), (18, 14), (18, 18), (14, 18)]]
    for dx, dy in directions:
        cx, cy = 16 + dx * 10, 16 + dy * 10
        if dx and dy:
            tip = (16 + dx * 14, 16 + dy * 14)
            shapes.append([tip, (cx - dx * 2, cy + dy * 4), (cx + dx * 4, cy - dy * 2)])
        elif dx:
            shapes.append([(16 + dx * 14, 16), (cx, 11), (cx, 21)])
        else:
            shapes.append([(16, 16 + dy * 14), (11, cy), (21, cy)])
    return cursor_grid(shapes)


ALL = [(0, -1), (0, 1), (-1, 0), (1, 0)]
PAN = {
    8000: ALL, 8001: [(0, 1)], 8002: [(-1, 0)], 8003: [(1, 0)], 8004: [(0, -1)],
    8005: [(1, -1)], 8006: [(-1, -1)], 8007: [(1, 1)], 8008: [(-1, 1)],
}
for number, directions in PAN.items():
    write_cursor(str(number), pan_cursor(directions), (16, 16))
# Row select (an arrow pointing right), column select (pointing down), and
# select all / the selection grip (a cross).
write_cursor('8010', cursor_grid([[(4, 11), (18, 11), (18, 6), (28, 16), (18, 26), (18, 21), (4, 21)]]), (28, 16))
write_cursor('8011', cursor_grid([[(11, 4), (21, 4), (21, 18), (26, 18), (16, 28), (6, 18), (11, 18)]]), (16, 28))
write_cursor('8012', cursor_grid([[(13, 4), (19, 4), (19, 13), (28, 13), (28, 19), (19, 19), (19, 28), (13, 28),
                                   (13, 19), (4, 19), (4, 13), (13, 13)]]), (16, 16))
