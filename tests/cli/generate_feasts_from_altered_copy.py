#!/usr/bin/env python3
"""Runs the feast-name generator on a copy of the feast-name data with one deliberate
flaw.

Usage: generate_feasts_from_altered_copy.py ALTERATION DATA_FILE GENERATOR WORK_DIR

Writes WORK_DIR/ALTERATION.tsv (the data file altered as named) and lets the generator
turn it into WORK_DIR/ALTERATION.cpp. Prints the generator's exit status and message on
one line and exits with that status, so that a flawed copy the generator accepts shows.
"""
import os
import subprocess
import sys

# Midsummer Day: an ordinary row.
ROW = "Juhannusp\u00e4iv\u00e4\t"


def index_of_row(lines):
    return next(i for i, line in enumerate(lines) if line.startswith(ROW))


def field_replaced(lines, column, text):
    i = index_of_row(lines)
    fields = lines[i].split("\t")
    fields[column] = text
    lines[i] = "\t".join(fields)
    return lines


def unchanged(lines):
    return lines


def english_missing(lines):
    return field_replaced(lines, 2, "")


def swedish_with_separator(lines):
    return field_replaced(lines, 1, "Midsommardagen / Midsommar")


def blank_after_name(lines):
    return field_replaced(lines, 2, "Midsummer Day ")


def row_twice(lines):
    i = index_of_row(lines)
    lines.insert(i, lines[i])
    return lines


def column_missing(lines):
    i = index_of_row(lines)
    lines[i] = lines[i].rsplit("\t", 1)[0]
    return lines


def wrong_header(lines):
    lines[0] = lines[0].replace("english", "englanti")
    return lines


ALTERATIONS = {f.__name__: f for f in (unchanged, english_missing, swedish_with_separator,
                                       blank_after_name, row_twice, column_missing,
                                       wrong_header)}


def main(alteration, data_file, generator, work_dir):
    os.makedirs(work_dir, exist_ok=True)
    with open(data_file, encoding="utf-8", newline="") as f:
        lines = f.read().split("\n")
    altered = os.path.join(work_dir, alteration + ".tsv")
    with open(altered, "w", encoding="utf-8", newline="") as f:
        f.write("\n".join(ALTERATIONS[alteration](lines)))
    result = subprocess.run([sys.executable, generator, altered,
                             os.path.join(work_dir, alteration + ".cpp")],
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, check=False)
    print(f"generator exit status {result.returncode}: {result.stdout.decode().strip()}")
    sys.exit(result.returncode)


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
