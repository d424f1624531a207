"""Writes 32x32 monochrome .cur files for the libraries' artwork scripts."""
import struct
from pathlib import Path


def write_cursor(path: Path, rows, hot):
    """rows: 32 strings of 32 characters: '#' black, '.' white, ' ' clear."""
    size = 32
    xor_rows, and_rows = [], []
    for row in reversed(rows):  # bottom-up
        xor_bits = and_bits = 0
        for x, ch in enumerate(row.ljust(size)):
            bit = 1 << (31 - x)
            if ch == ' ':
                and_bits |= bit
            elif ch == '.':
                xor_bits |= bit
        xor_rows.append(struct.pack('>I', xor_bits))
        and_rows.append(struct.pack('>I', and_bits))
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack('<II', 0x000000, 0xFFFFFF)
    image = header + palette + b''.join(xor_rows) + b''.join(and_rows)
    directory = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', size, size, 2, 0, hot[0], hot[1], len(image), 6 + 16)
    path.write_bytes(directory + entry + image)
