"""What the table generators share: reading a UTF-8 TSV data file strictly, and writing
its texts as C++ string literals in the encoding the program needs.

A malformed file stops the generator, and so the build, with the file and line at fault.
"""
import sys


def fail(generator, message):
    sys.exit(f"{generator}: {message}")


def read_rows(generator, path, header):
    """The rows after `header` as lists of fields, each with its "path:line" for messages."""
    with open(path, encoding="utf-8", newline="") as f:
        lines = f.read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    if not lines or lines[0] != header:
        fail(generator, f"{path}: the first line must be the header {header!r}")
    columns = header.count("\t") + 1
    rows = []
    for index, line in enumerate(lines[1:]):
        where = f"{path}:{index + 2}"
        fields = line.split("\t")
        if len(fields) != columns:
            fail(generator, f"{where}: expected {columns} TAB-separated fields, got {len(fields)}")
        if any(field != field.strip() for field in fields):
            fail(generator, f"{where}: a field begins or ends with a blank")
        rows.append((where, fields))
    return rows


ENCODING_NAMES = {"cp1252": "Windows-1252", "utf-8": "UTF-8"}


def to_cpp_literal(generator, text, encoding, where):
    try:
        raw = text.encode(encoding)
    except UnicodeEncodeError:
        fail(generator, f"{where}: {text!r} holds a character that {ENCODING_NAMES[encoding]} "
                        "lacks")
    # Octal escapes end after three digits, so a following letter is never swallowed.
    return '"' + "".join(chr(b) if 0x20 <= b < 0x7F and b not in (0x22, 0x5C, 0x3F)
                         else f"\\{b:03o}" for b in raw) + '"'
