#!/usr/bin/env python3
"""Runs a table generator on a copy of its TSV data file with one deliberate flaw.

Usage: generate_from_altered_copy.py DATA_FILE GENERATOR WORK_DIR NAME ROW ALTERATION [TEXT...]

ROW names the row to alter by its leading fields, joined with "|" ("5|8" is the row that
begins "5<TAB>8<TAB>"). The alterations:
  unchanged              the file as it is
  removed                the row left out
  twice                  the row written twice
  swapped                the row and the next one in each other's place
  replaced OLD NEW       OLD replaced with NEW in the row
  field N [TEXT]         field N (from 0) of the row replaced with TEXT, or emptied
  last_field_missing     the row's last field left out
  header TEXT            the header line replaced with TEXT
  encoded ENCODING       the whole file written in ENCODING (latin-1) instead of UTF-8

Writes WORK_DIR/NAME.tsv and lets the generator turn it into WORK_DIR/NAME.cpp. Prints
the generator's exit status and message on one line and exits with that status, so that
a flawed copy the generator accepts shows.
"""
import os
import subprocess
import sys


def removed(lines, i):
    del lines[i]


def twice(lines, i):
    lines.insert(i, lines[i])


def swapped(lines, i):
    lines[i], lines[i + 1] = lines[i + 1], lines[i]


def replaced(lines, i, old, new):
    if old not in lines[i]:
        sys.exit(f"{old!r} is not in row {i + 1}: {lines[i]!r}")
    lines[i] = lines[i].replace(old, new)


def field(lines, i, column, text=""):
    fields = lines[i].split("\t")
    fields[int(column)] = text
    lines[i] = "\t".join(fields)


def last_field_missing(lines, i):
    lines[i] = lines[i].rsplit("\t", 1)[0]


def header(lines, _, text):
    lines[0] = text


def encoded(_, __, encoding):
    return encoding


def unchanged(*_):
    pass


ALTERATIONS = {f.__name__: f for f in (unchanged, removed, twice, swapped, replaced, field,
                                       last_field_missing, header, encoded)}


def main():
    if len(sys.argv) < 7 or sys.argv[6] not in ALTERATIONS:
        sys.exit(__doc__)
    data_file, generator, work_dir, name, row, alteration, *texts = sys.argv[1:]
    with open(data_file, encoding="utf-8", newline="") as f:
        lines = f.read().split("\n")
    prefix = row.replace("|", "\t") + "\t"
    i = next((i for i, line in enumerate(lines) if line.startswith(prefix)), None)
    if i is None:
        sys.exit(f"{data_file} has no row {row!r}")
    encoding = ALTERATIONS[alteration](lines, i, *texts) or "utf-8"
    os.makedirs(work_dir, exist_ok=True)
    altered = os.path.join(work_dir, name + ".tsv")
    with open(altered, "w", encoding=encoding, newline="") as f:
        f.write("\n".join(lines))
    output = os.path.join(work_dir, name + ".cpp")
    run = subprocess.run([sys.executable, generator, altered, output], capture_output=True,
                         text=True, check=False)
    message = " ".join((run.stdout + run.stderr).split())
    print(f"generator exit status {run.returncode}: {message}")
    sys.exit(run.returncode)


if __name__ == "__main__":
    main()
