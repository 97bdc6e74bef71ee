#!/usr/bin/env python3
"""Looks up every name of the project's name-day data file with `kelotarhu --name`, as
written, in capitals and in small letters, and checks each answer against the file:
the days on which each list holds the name as a whole name, and nothing else.

Usage: check_name_search.py NAMEDAYS_TSV COMMAND...   (COMMAND runs kelotarhu, perhaps
under an emulator)
"""
import csv
import subprocess
import sys

LISTS = {"finnish": "suomalainen", "swedish": "suomenruotsalainen"}  # as the almanac names them


def name_days(tsv_path):
    """name -> [(month, day, [list names])] in the order of the year."""
    days = {}
    with open(tsv_path, encoding="utf-8", newline="") as tsv:
        for row in csv.DictReader(tsv, delimiter="\t"):
            for column, list_name in LISTS.items():
                for name in filter(None, row[column].split(", ")):
                    entries = days.setdefault(name, [])
                    key = (int(row["month"]), int(row["day"]))
                    if entries and entries[-1][0] == key:
                        entries[-1][1].append(list_name)
                    else:
                        entries.append((key, [list_name]))
    return days


def expected_lines(names, days):
    lines = []
    for name in names:
        for (month, day), lists in days[name]:
            where = " ja ".join(lists) + " luettelo"
            lines.append(f"{name}  {day}.{month}.  {where}")
    return lines


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    days = name_days(sys.argv[1])
    command = sys.argv[2:]
    names = sorted(days)
    failures = []
    for spelling, typed in (("as written", names), ("in capitals", [n.upper() for n in names]),
                            ("in small letters", [n.lower() for n in names])):
        result = subprocess.run(command + ["--lang", "fi", "--name"] + typed, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, check=False)
        if result.returncode != 0:
            failures.append(f"{spelling}: exit status {result.returncode}: "
                            f"{result.stderr.decode(errors='replace')[:500]}")
            continue
        got = result.stdout.decode("utf-8").split("\n")[:-1]
        want = expected_lines(names, days)
        if got != want:
            wrong = [(g, w) for g, w in zip(got, want) if g != w][:5]
            failures.append(f"{spelling}: {len(got)} lines, expected {len(want)}; {wrong}")
    for failure in failures:
        print("FAILED:", failure)
    if failures:
        sys.exit(1)
    print(f"{len(names)} names found on their days in three spellings")


if __name__ == "__main__":
    main()
