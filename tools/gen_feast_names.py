#!/usr/bin/env python3
"""Turns cli/text/feast-names.tsv (UTF-8) into the tool's table of feast names in Finnish,
Swedish and English (UTF-8 bytes).

Fails, and so fails the build, on a wrong header or field count, an empty name, a
Finnish name listed twice, or a name holding the " / " that joins the feasts of a day.
"""
import sys

sys.dont_write_bytecode = True  # leave no __pycache__ in the source folder
from tsv_tables import fail, read_rows, to_cpp_literal, write_table  # noqa: E402

GENERATOR = "gen_feast_names"
HEADER = "finnish\tswedish\tenglish\tswedish_source\tenglish_source"
NAME_COLUMNS = 3  # the source columns are for people checking the names


def read_names(path):
    names = []
    seen = set()
    for where, fields in read_rows(GENERATOR, path, HEADER):
        row = fields[:NAME_COLUMNS]
        if not all(row):
            fail(GENERATOR, f"{where}: every feast needs its Finnish, Swedish and English name")
        if any(" / " in name for name in row):
            fail(GENERATOR, f"{where}: a name holds \" / \", which joins the feasts of a day")
        if row[0] in seen:
            fail(GENERATOR, f"{where}: {row[0]!r} is listed twice")
        seen.add(row[0])
        names.append("{" + ", ".join(to_cpp_literal(GENERATOR, name, "utf-8", where)
                                     for name in row) + "}")
    if not names:
        fail(GENERATOR, f"{path}: no feasts")
    return names


def main():
    if len(sys.argv) != 3:
        fail(GENERATOR, "usage: gen_feast_names.py feast-names.tsv output.cpp")
    write_table(sys.argv[2], "feast-names.tsv", GENERATOR, "cli/text/feast_names.h", "kelotarhu::cli",
                "FeastNames", read_names(sys.argv[1]), "FeastNameTable")


main()
