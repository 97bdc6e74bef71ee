#!/usr/bin/env python3
"""Runs the name-list generator on a copy of the name-day data with one deliberate flaw.

Usage: generate_from_altered_copy.py ALTERATION DATA_FILE GENERATOR WORK_DIR

Writes WORK_DIR/ALTERATION.tsv (the data file altered as named) and lets the generator
turn it into WORK_DIR/ALTERATION.cpp. Prints the generator's exit status and message on
one line and exits with that status, so that a flawed copy the generator accepts shows.
"""
import os
import subprocess
import sys

# 8 May: an ordinary row in the middle of the file ("Heino" / "Åke").
ROW = "5\t8\t"


def index_of_row(lines):
    return next(i for i, line in enumerate(lines) if line.startswith(ROW))


def unchanged(lines):
    return lines


def row_removed(lines):
    del lines[index_of_row(lines)]
    return lines


def row_added(lines):
    i = index_of_row(lines)
    lines.insert(i, lines[i])
    return lines


def rows_swapped(lines):
    i = index_of_row(lines)
    lines[i], lines[i + 1] = lines[i + 1], lines[i]
    return lines


def digit_in_name(lines):
    i = index_of_row(lines)
    lines[i] = lines[i].replace("Heino", "Heino2")
    return lines


def character_outside_windows_1252(lines):
    i = index_of_row(lines)
    lines[i] = lines[i].replace("Heino", "Hein\u014d")  # o with macron
    return lines


def column_missing(lines):
    i = index_of_row(lines)
    lines[i] = lines[i].rsplit("\t", 1)[0]
    return lines


def wrong_header(lines):
    lines[0] = "month\tday\tswedish\tfinnish"
    return lines


ALTERATIONS = {f.__name__: f for f in (unchanged, row_removed, row_added, rows_swapped,
                                       digit_in_name, character_outside_windows_1252,
                                       column_missing, wrong_header)}


def main():
    alteration, data_file, generator, work_dir = sys.argv[1:]
    with open(data_file, encoding="utf-8", newline="") as f:
        lines = f.read().split("\n")
    os.makedirs(work_dir, exist_ok=True)
    altered = os.path.join(work_dir, alteration + ".tsv")
    with open(altered, "w", encoding="utf-8", newline="") as f:
        f.write("\n".join(ALTERATIONS[alteration](lines)))
    run = subprocess.run([sys.executable, generator, altered,
                          os.path.join(work_dir, alteration + ".cpp")],
                         capture_output=True, text=True, check=False)
    message = " ".join((run.stdout + run.stderr).split())
    print(f"generator exit status {run.returncode}: {message}")
    sys.exit(run.returncode)


main()
