#!/usr/bin/env python3
"""Turns namedays/namedays.tsv (UTF-8) into the C++ name lists (Windows-1252 bytes).

Fails, and so fails the build, on anything but exactly the header and 372 rows in
month and day order, with names made of letters, ", " between names, and only
characters that Windows-1252 can hold.
"""
import re
import sys

sys.dont_write_bytecode = True  # leave no __pycache__ in the source folder
from tsv_tables import fail, read_rows, to_cpp_literal  # noqa: E402

GENERATOR = "gen_name_lists"
HEADER = "month\tday\tfinnish\tswedish"
ENTRY = re.compile(r"^[^\W\d_]+(?: [^\W\d_]+)*(?:, [^\W\d_]+(?: [^\W\d_]+)*)*$")


def read_lists(path):
    rows = read_rows(GENERATOR, path, HEADER)
    if len(rows) != 372:
        fail(GENERATOR, f"{path}: {len(rows)} rows, expected 12 months of 31 days = 372")
    lists = ([], [])
    for index, (where, fields) in enumerate(rows):
        expected = (str(index // 31 + 1), str(index % 31 + 1))
        if tuple(fields[:2]) != expected:
            fail(GENERATOR, f"{where}: expected month {expected[0]} day {expected[1]}, "
                            f"got {fields[0]} {fields[1]}")
        for column, text in zip(lists, fields[2:]):
            if text and not ENTRY.match(text):
                fail(GENERATOR, f"{where}: {text!r} is not names of letters separated by ', '")
            column.append(to_cpp_literal(GENERATOR, text, "cp1252", where))
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
        fail(GENERATOR, "usage: gen_name_lists.py namedays.tsv output.cpp")
    finnish, swedish = read_lists(sys.argv[1])
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
