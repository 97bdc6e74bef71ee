#!/usr/bin/env python3
"""Draws the flag of Finland as a GIF image: plugins/flag.gif of the package.

The flag is white with a blue Nordic cross. Its proportions are 18 units wide by 11
high; the upright of the cross is 3 units wide with 5 units of white before it and 10
after, the crossbar 3 units high with 4 units of white above and below. Blue is the
flag's official #002F6C.

Usage: make_flag_gif.py OUTPUT.gif [PIXELS_PER_UNIT]
"""
import struct
import sys

WIDTH_UNITS, HEIGHT_UNITS = 18, 11
UPRIGHT = (5, 8)  # the units the cross covers across the flag
CROSSBAR = (4, 7)  # and down it
WHITE = (0xFF, 0xFF, 0xFF)
BLUE = (0x00, 0x2F, 0x6C)
PALETTE = (WHITE, BLUE)  # colour index 0 and 1
DEFAULT_PIXELS_PER_UNIT = 4

# GIF allows codes of at most 12 bits, so a table holds at most 4096 entries.
MAX_CODES = 4096
MIN_CODE_SIZE = 2  # the smallest GIF allows, enough for two colours


def flag_pixels(unit):
    """Colour indices row by row, top to bottom."""
    def in_cross(x, y):
        return (UPRIGHT[0] * unit <= x < UPRIGHT[1] * unit
                or CROSSBAR[0] * unit <= y < CROSSBAR[1] * unit)

    return [1 if in_cross(x, y) else 0
            for y in range(HEIGHT_UNITS * unit) for x in range(WIDTH_UNITS * unit)]


class BitWriter:
    """Packs variable-length codes least significant bit first, as GIF wants."""

    def __init__(self):
        self.bytes = bytearray()
        self.buffer = 0
        self.bits = 0

    def write(self, code, size):
        self.buffer |= code << self.bits
        self.bits += size
        while self.bits >= 8:
            self.bytes.append(self.buffer & 0xFF)
            self.buffer >>= 8
            self.bits -= 8

    def finish(self):
        if self.bits:
            self.bytes.append(self.buffer & 0xFF)
        return bytes(self.bytes)


def lzw_compress(indices):
    """GIF's variable-length LZW: codes grow by a bit when the table outgrows them,
    and a clear code starts the table afresh when it is full."""
    clear_code = 1 << MIN_CODE_SIZE
    end_code = clear_code + 1
    writer = BitWriter()

    def fresh_table():
        return {(index,): index for index in range(clear_code)}, end_code + 1, MIN_CODE_SIZE + 1

    table, next_code, code_size = fresh_table()
    writer.write(clear_code, code_size)
    prefix = (indices[0],)
    for index in indices[1:]:
        extended = prefix + (index,)
        if extended in table:
            prefix = extended
            continue
        writer.write(table[prefix], code_size)
        table[extended] = next_code
        next_code += 1
        # The decoder adds each entry one code later than the encoder, so the code size
        # grows once the encoder's table holds one entry more than the size can name.
        if next_code > (1 << code_size) and code_size < 12:
            code_size += 1
        if next_code == MAX_CODES:
            writer.write(clear_code, code_size)
            table, next_code, code_size = fresh_table()
        prefix = (index,)
    writer.write(table[prefix], code_size)
    writer.write(end_code, code_size)
    return writer.finish()


def sub_blocks(data):
    """Image data as blocks of at most 255 bytes, each after its length, then a 0."""
    blocks = bytearray()
    for start in range(0, len(data), 255):
        chunk = data[start:start + 255]
        blocks.append(len(chunk))
        blocks += chunk
    blocks.append(0)
    return bytes(blocks)


def flag_gif(unit):
    width, height = WIDTH_UNITS * unit, HEIGHT_UNITS * unit
    # Global colour table of 2 entries (size field 0), 8 bits per primary colour.
    screen = struct.pack("<HHBBB", width, height, 0b1111_0000, 0, 0)
    palette = b"".join(bytes(colour) for colour in PALETTE)
    image = b"\x2C" + struct.pack("<HHHHB", 0, 0, width, height, 0)
    data = bytes([MIN_CODE_SIZE]) + sub_blocks(lzw_compress(flag_pixels(unit)))
    return b"GIF89a" + screen + palette + image + data + b"\x3B"


def main(argv):
    if len(argv) not in (2, 3):
        sys.exit(__doc__.strip().splitlines()[-1])
    unit = int(argv[2]) if len(argv) == 3 else DEFAULT_PIXELS_PER_UNIT
    with open(argv[1], "wb") as output:
        output.write(flag_gif(unit))


if __name__ == "__main__":
    main(sys.argv)
