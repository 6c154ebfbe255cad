#!/usr/bin/env python3
"""Writes yelpit.ico, the application icon, from the picture below.

A small message box: a blue title bar with a close button, a warning sign and
two buttons. 32 by 32 pixels, 16 colours; '.' is transparent.
Usage: make_icon.py [OUTPUT.ico]
"""
import struct
import sys

PICTURE = """
................................
................................
................................
.kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.
.knnnnnnnnnnnnnnnnnnnnnnnnnnnnk.
.knwwwwwwwwnnnnnnnnnnnnnsssssnk.
.knnnnnnnnnnnnnnnnnnnnnnsrsrsnk.
.knwwwwwwnnnnnnnnnnnnnnnssrssnk.
.knnnnnnnnnnnnnnnnnnnnnnsrsrsnk.
.knnnnnnnnnnnnnnnnnnnnnnsssssnk.
.kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.
.kwwwwwwwwwwwwwwwwwwwwwwwwwwwwk.
.kwwwwwkkwwwwwwwwwwwwwwwwwwwwwk.
.kwwwwkyykwwwwwwwwwwwwwwwwwwwwk.
.kwwwwkyykwwwwggggggggggggggwwk.
.kwwwkyyyykwwwwwwwwwwwwwwwwwwwk.
.kwwwkykkykwwwwggggggggggggwwwk.
.kwwkyykkyykwwwwwwwwwwwwwwwwwwk.
.kwwkyykkyykwwwwgggggggggwwwwwk.
.kwkyyykkyyykwwwwwwwwwwwwwwwwwk.
.kwkyyyyyyyykwwwwwwwwwwwwwwwwwk.
.kkyyyykkyyyykwwwwwwwwwwwwwwwwk.
.kkyyyyyyyyyykwwwwwwwwwwwwwwwwk.
.kwkkkkkkkkkkwwwwwwwwwwwwwwwwwk.
.kwwwwwwwwwwwwwwwwwwwwwwwwwwwwk.
.kwwwwkkkkkkkkwwwwkkkkkkkkwwwwk.
.kwwwwkssssssgwwwwkssssssgwwwwk.
.kwwwwkssnnssgwwwwkssnnssgwwwwk.
.kwwwwkggggggggwwwkgggggggwwwwk.
.kwwwwwwwwwwwwwwwwwwwwwwwwwwwwk.
.kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.
................................
"""

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
COLOURS = {'.': 0, 'k': 0, 'n': 4, 'g': 8, 's': 7, 'r': 9, 'y': 11, 'b': 12, 'w': 15}
SIZE = 32


def icon_image(rows):
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, 2 * SIZE, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('BBBB', b, g, r, 0) for r, g, b in PALETTE)
    pixels = mask = b''
    for row in reversed(rows):  # bitmaps are stored bottom-up
        indices = [COLOURS[c] for c in row]
        pixels += bytes(indices[i] << 4 | indices[i + 1] for i in range(0, SIZE, 2))
        bits = ''.join('1' if c == '.' else '0' for c in row)
        mask += int(bits, 2).to_bytes(SIZE // 8, 'big')
    return header + palette + pixels + mask


def main():
    rows = PICTURE.split()
    assert len(rows) == SIZE and all(len(r) == SIZE for r in rows), 'the picture must be 32 by 32'
    image = icon_image(rows)
    assert len(image) == 744
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    output = sys.argv[1] if len(sys.argv) > 1 else 'yelpit.ico'
    with open(output, 'wb') as f:
        f.write(directory + entry + image)


if __name__ == '__main__':
    main()
