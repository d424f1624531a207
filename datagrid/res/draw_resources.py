#!/usr/bin/env python3
"""Draws the grid library's cursors and glyphs into this folder.

Run once when a picture changes; the build embeds the files it writes.
Cursors are 32x32 monochrome .cur files. Sort-marker glyphs are 9x9 24-bit
bitmaps on magenta (0xFF00FF); indicator glyphs are 10x10 on white, the
search indicator's on teal (0x808000, in BGR order 00 80 80) with a white
field that takes the search highlight colour. The grid draws each
transparent in its background colour.
"""
import struct
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parents[1] / 'tools' / 'art'))
import cursorfile  # noqa: E402


def write_cursor(name, rows, hot):
    cursorfile.write_cursor(HERE / f'{name}.cur', rows, hot)


COLOURS = {
    '#': b'\x40\x40\x40',  # dark grey
    'k': b'\x00\x00\x00',  # black
    ' ': None,               # the background
    'w': b'\xff\xff\xff',  # white
}


def write_bitmap(name, rows, background):
    """rows: strings of equal length; COLOURS maps the characters."""
    width, height = len(rows[0]), len(rows)
    stride = (width * 3 + 3) & ~3
    pixels = b''
    for row in reversed(rows):
        line = b''.join(COLOURS[ch] or background for ch in row)
        pixels += line + b'\0' * (stride - len(line))
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 0, 0, 0, 0)
    file_header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(pixels), 0, 0, 14 + 40)
    (HERE / f'{name}.bmp').write_bytes(file_header + info + pixels)


MAGENTA = b'\xff\x00\xff'
WHITE = b'\xff\xff\xff'
TEAL = b'\x80\x80\x00'


def arrow(direction):
    """A block arrow with a white outline, drawn pointing down, then turned."""
    shaft = [' ' * 13 + '.....' ] + [' ' * 13 + '.###.'] * 8
    head = []
    for i in range(8):
        inner = 13 - 2 * i
        head.append(' ' * (14 - inner // 2) + '.' + '#' * inner + '.' if inner > 0 else ' ' * 15 + '.')
    grid = [row.ljust(32) for row in shaft + head]
    grid += [' ' * 32] * (32 - len(grid))
    if direction == 'down':
        return grid
    # Turn the picture a quarter: right or left.
    turned = [''.join(grid[31 - x][y] for x in range(32)) for y in range(32)]  # clockwise: down -> left
    if direction == 'left':
        return turned
    return [row[::-1] for row in turned]


write_cursor('DOWNCURVYN', arrow('down'), (15, 16))
write_cursor('LEFTCURVYN', arrow('left'), (15, 15))
write_cursor('RIGHTCURVYN', arrow('right'), (16, 15))


def magnifier():
    """A lens with a white glass and a handle to the lower right."""
    rows = [[' '] * 32 for _ in range(32)]
    cx, cy = 10, 10
    for y in range(32):
        for x in range(32):
            d2 = (x - cx) ** 2 + (y - cy) ** 2
            if d2 <= 36:
                rows[y][x] = '.'
            elif d2 <= 64:
                rows[y][x] = '#'
    for i in range(7):
        for w in range(3):
            x, y = 15 + i + w, 16 + i
            if x < 32 and y < 32:
                rows[y][x] = '#'
    return [''.join(r) for r in rows]


HAND = [
    '      ##                        ',
    '     #..#                       ',
    '     #..#                       ',
    '     #..#                       ',
    '     #..###                     ',
    '     #..#..###                  ',
    '     #..#..#..##                ',
    '  ## #..#..#..#.#               ',
    ' #..##........#.#               ',
    ' #...#..........#               ',
    '  #............#                ',
    '  #............#                ',
    '   #...........#                ',
    '   #..........#                 ',
    '    #.........#                 ',
    '    #........#                  ',
    '     #.......#                  ',
    '     #########                  ',
] + [' ' * 32] * 14

write_cursor('MAGNIFIERVYN', magnifier(), (10, 10))
write_cursor('HANDVYN', HAND, (7, 0))
write_bitmap('DBSMDOWNVYN', [
    '         ',
    '         ',
    '#########',
    ' ####### ',
    '  #####  ',
    '   ###   ',
    '    #    ',
    '         ',
    '         ',
], MAGENTA)
write_bitmap('DBSMUPVYN', [
    '         ',
    '         ',
    '    #    ',
    '   ###   ',
    '  #####  ',
    ' ####### ',
    '#########',
    '         ',
    '         ',
], MAGENTA)

ARROW = [
    '          ',
    '   k      ',
    '   kk     ',
    '   kkk    ',
    '   kkkk   ',
    '   kkkk   ',
    '   kkk    ',
    '   kk     ',
    '   k      ',
    '          ',
]
write_bitmap('DBGARROWVYN', ARROW, WHITE)
write_bitmap('DBEDITVYN', [
    '          ',
    '  kkk kkk ',
    '     k    ',
    '     k    ',
    '     k    ',
    '     k    ',
    '     k    ',
    '     k    ',
    '  kkk kkk ',
    '          ',
], WHITE)
write_bitmap('DBINSERTVYN', [
    '          ',
    '    k     ',
    '  k k k   ',
    '   kkk    ',
    ' kkkkkkk  ',
    '   kkk    ',
    '  k k k   ',
    '    k     ',
    '          ',
    '          ',
], WHITE)
write_bitmap('DBMULTIDOTVYN', [
    '          ',
    '          ',
    '          ',
    '    kk    ',
    '   kkkk   ',
    '   kkkk   ',
    '    kk    ',
    '          ',
    '          ',
    '          ',
], WHITE)
write_bitmap('DBMULTIARROWVYN', [
    '          ',
    ' k        ',
    ' kk       ',
    ' kkk  kk  ',
    ' kkkkkkkk ',
    ' kkkkkkkk ',
    ' kkk  kk  ',
    ' kk       ',
    ' k        ',
    '          ',
], WHITE)
write_bitmap('DBGARROWVYNW', [
    'wwwwwwwwww',
    'wwwkwwwwww',
    'wwwkkwwwww',
    'wwwkkkwwww',
    'wwwkkkkwww',
    'wwwkkkkwww',
    'wwwkkkwwww',
    'wwwkkwwwww',
    'wwwkwwwwww',
    'wwwwwwwwww',
], TEAL)
