#!/usr/bin/env python3
"""Decodes a GIF image and checks that it shows the flag of Finland: white with a blue
(#002F6C) Nordic cross, 18:11, the upright 3/18 of the width starting at 5/18, the
crossbar 3/11 of the height starting at 4/11.

Usage: check_flag_gif.py FLAG.gif
"""
import struct
import sys

WHITE = (0xFF, 0xFF, 0xFF)
BLUE = (0x00, 0x2F, 0x6C)


class Reader:
    def __init__(self, data):
        self.data = data
        self.pos = 0

    def take(self, count):
        chunk = self.data[self.pos:self.pos + count]
        if len(chunk) != count:
            raise ValueError("the file ends too early")
        self.pos += count
        return chunk

    def byte(self):
        return self.take(1)[0]

    def sub_blocks(self):
        data = bytearray()
        while True:
            size = self.byte()
            if size == 0:
                return bytes(data)
            data += self.take(size)


def lzw_decode(data, min_code_size, pixel_count):
    """GIF's variable-length LZW, codes read least significant bit first."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    bit_pos = 0

    def read_code(size):
        nonlocal bit_pos
        value = 0
        for i in range(size):
            byte_index, bit = divmod(bit_pos + i, 8)
            if byte_index >= len(data):
                raise ValueError("the image data ends without an end code")
            value |= ((data[byte_index] >> bit) & 1) << i
        bit_pos += size
        return value

    out = []
    table, size, previous = None, min_code_size + 1, None
    while True:
        code = read_code(size)
        if code == clear:
            table = [[i] for i in range(clear)] + [None, None]
            size, previous = min_code_size + 1, None
            continue
        if code == end:
            break
        if table is None:
            raise ValueError("the image data does not start with a clear code")
        if previous is None:
            entry = table[code]
        elif code < len(table):
            entry = table[code]
            if len(table) < 4096:
                table.append(table[previous] + [entry[0]])
        elif code == len(table):
            entry = table[previous] + [table[previous][0]]
            table.append(entry)
        else:
            raise ValueError(f"code {code} beyond the table of {len(table)}")
        out += entry
        previous = code
        if len(table) == (1 << size) and size < 12:
            size += 1
    if len(out) != pixel_count:
        raise ValueError(f"{len(out)} pixels decoded, {pixel_count} expected")
    return out


def decode(path):
    reader = Reader(open(path, "rb").read())
    if reader.take(6) not in (b"GIF87a", b"GIF89a"):
        raise ValueError("no GIF signature")
    width, height, flags, _, _ = struct.unpack("<HHBBB", reader.take(7))
    if not flags & 0x80:
        raise ValueError("no global colour table")
    palette = [tuple(reader.take(3)) for _ in range(2 << (flags & 7))]
    while True:
        block = reader.byte()
        if block == 0x21:  # an extension: label, then sub-blocks
            reader.byte()
            reader.sub_blocks()
        elif block == 0x2C:
            left, top, image_width, image_height, image_flags = struct.unpack(
                "<HHHHB", reader.take(9))
            if (left, top, image_width, image_height) != (0, 0, width, height):
                raise ValueError("the image does not fill the screen")
            if image_flags & 0xC0:
                raise ValueError("local colour tables and interlacing are not expected")
            min_code_size = reader.byte()
            indices = lzw_decode(reader.sub_blocks(), min_code_size, width * height)
            if reader.byte() != 0x3B:
                raise ValueError("no trailer after the image")
            return width, height, [[palette[indices[y * width + x]] for x in range(width)]
                                   for y in range(height)]
        else:
            raise ValueError(f"unexpected block {block:#x}")


def blue_run(pixels):
    """(start, length) of the one run of blue in a line of pixels."""
    blue = [i for i, pixel in enumerate(pixels) if pixel == BLUE]
    if not blue or blue != list(range(blue[0], blue[-1] + 1)):
        raise ValueError("not exactly one blue band")
    return blue[0], len(blue)


def main(path):
    width, height, rows = decode(path)
    failures = []
    if width * 11 != height * 18:
        failures.append(f"{width}x{height} is not 18:11")
    colours = {pixel for row in rows for pixel in row}
    if colours != {WHITE, BLUE}:
        failures.append(f"colours {colours}, expected white and {BLUE}")
    # A row through the top field crosses only the upright; a column through the left
    # field crosses only the crossbar.
    upright = blue_run(rows[0])
    crossbar = blue_run([row[0] for row in rows])
    if upright != (5 * width // 18, 3 * width // 18):
        failures.append(f"upright at {upright}, expected 5 and 3 of 18 units of {width}")
    if crossbar != (4 * height // 11, 3 * height // 11):
        failures.append(f"crossbar at {crossbar}, expected 4 and 3 of 11 units of {height}")
    for y, row in enumerate(rows):
        for x, pixel in enumerate(row):
            in_cross = (upright[0] <= x < upright[0] + upright[1]
                        or crossbar[0] <= y < crossbar[0] + crossbar[1])
            if pixel != (BLUE if in_cross else WHITE):
                failures.append(f"pixel ({x}, {y}) is {pixel}")
                break
    for failure in failures:
        print("FAILED:", failure)
    if failures:
        sys.exit(1)
    print(f"{path}: the flag of Finland, {width}x{height}")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])
