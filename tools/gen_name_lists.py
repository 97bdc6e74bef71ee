#!/usr/bin/env python3
"""Turns namedays/namedays.tsv (UTF-8) into the C++ name lists (Windows-1252 bytes).

Fails, and so fails the build, on anything but exactly the header and 372 rows in
month and day order, with names made of letters, ", " between names, and only
characters that Windows-1252 can hold.
"""
import re
import sys

HEADER = "month\tday\tfinnish\tswedish"
ENTRY = re.compile(r"^[^\W\d_]+(?: [^\W\d_]+)*(?:, [^\W\d_]+(?: [^\W\d_]+)*)*$")


def fail(message):
    sys.exit(f"gen_name_lists: {message}")


def to_cpp_literal(text, where):
    try:
        raw = text.encode("cp1252")
    except UnicodeEncodeError:
        fail(f"{where}: {text!r} holds a character that Windows-1252 lacks")
    # Octal escapes end after three digits, so a following letter is never swallowed.
    return '"' + "".join(chr(b) if 0x20 <= b < 0x7F and b not in (0x22, 0x5C, 0x3F)
                         else f"\\{b:03o}" for b in raw) + '"'


def read_rows(path):
    with open(path, encoding="utf-8", newline="") as f:
        lines = f.read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    if not lines or lines[0] != HEADER:
        fail(f"{path}: the first line must be the header {HEADER!r}")
    rows = lines[1:]
    if len(rows) != 372:
        fail(f"{path}: {len(rows)} rows, expected 12 months of 31 days = 372")
    lists = ([], [])
    for index, line in enumerate(rows):
        where = f"{path}:{index + 2}"
        fields = line.split("\t")
        if len(fields) != 4:
            fail(f"{where}: expected 4 TAB-separated fields, got {len(fields)}")
        expected = (str(index // 31 + 1), str(index % 31 + 1))
        if tuple(fields[:2]) != expected:
            fail(f"{where}: expected month {expected[0]} day {expected[1]}, got {fields[0]} {fields[1]}")
        for column, text in zip(lists, fields[2:]):
            if text and not ENTRY.match(text):
                fail(f"{where}: {text!r} is not names of letters separated by ', '")
            column.append(to_cpp_literal(text, where))
    return lists


def emit(name, literals):
    months = []
    for month in range(12):
        days = ", ".join(literals[month * 31:(month + 1) * 31])
        months.append(f"    {{{{{days}}}}},")
    return f"constexpr NameList k{name} = {{{{\n" + "\n".join(months) + "\n}};\n" \
        f"const NameList {name} = k{name};\n"


def main():
    if len(sys.argv) != 3:
        fail("usage: gen_name_lists.py namedays.tsv output.cpp")
    finnish, swedish = read_rows(sys.argv[1])
    source = ("// Generated from namedays.tsv by tools/gen_name_lists.py; edit the TSV instead.\n"
              "#include \"namedays/name_lists.h\"\n\n"
              "namespace kelotarhu::namedays {\n\n"
              "// clang-format off\n"
              + emit("FinnishNameList", finnish) + "\n"
              + emit("SwedishNameList", swedish)
              + "// clang-format on\n\n}  // namespace kelotarhu::namedays\n")
    with open(sys.argv[2], "w", encoding="ascii", newline="\n") as f:
        f.write(source)


main()
