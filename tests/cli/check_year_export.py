#!/usr/bin/env python3
"""Reads `kelotarhu --year 2024 --format csv|spreadsheet|json` back with Python's own csv
and json parsers and checks the rows against the datetime module's calendar. The
spreadsheet form is read as Excel in a Finnish locale reads a file opened by
double-click: a UTF-8 byte-order mark says the encoding, ";" separates the fields.

Usage: check_year_export.py csv|spreadsheet|json COMMAND...   (COMMAND runs kelotarhu,
perhaps under an emulator)
"""
import csv
import datetime
import io
import json
import subprocess
import sys

YEAR = 2024
WEEKDAYS = ["Maanantai", "Tiistai", "Keskiviikko", "Torstai", "Perjantai", "Lauantai",
            "Sunnuntai"]  # Monday first, as datetime.weekday() counts
KEYS = ["date", "weekday", "feasts", "flag_day", "red_day", "finnish_names", "swedish_names"]
# The spreadsheet is for people: its column headings in their language, here Finnish.
FINNISH_HEADINGS = ["P\u00e4iv\u00e4m\u00e4\u00e4r\u00e4", "Viikonp\u00e4iv\u00e4",
                    "Merkkip\u00e4iv\u00e4t", "Liputusp\u00e4iv\u00e4", "Punainen p\u00e4iv\u00e4",
                    "Nimip\u00e4iv\u00e4t", "Suomenruotsalaiset nimip\u00e4iv\u00e4t"]
INDEPENDENCE_DAY = "Itsen\u00e4isyysp\u00e4iv\u00e4"
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def days_of_year():
    day = datetime.date(YEAR, 1, 1)
    while day.year == YEAR:
        yield day
        day += datetime.timedelta(days=1)


def run(command, export_format):
    result = subprocess.run(command + ["--lang", "fi", "--year", str(YEAR), "--format",
                                       export_format],
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE, check=False)
    if result.returncode != 0:
        sys.exit(f"exit status {result.returncode}: {result.stderr.decode(errors='replace')}")
    return result.stdout


def check_days(rows):
    """rows: dicts with the KEYS, feasts and names already as lists."""
    expected = list(days_of_year())
    check(len(rows) == len(expected), f"{len(rows)} days, expected {len(expected)}")
    for day, row in zip(expected, rows):
        check(row["date"] == day.isoformat(), f"{row['date']} where {day} was expected")
        check(row["weekday"] == WEEKDAYS[day.weekday()], f"{day}: weekday {row['weekday']}")
    by_date = {row["date"]: row for row in rows}
    leap_day = by_date.get(f"{YEAR}-02-29")
    check(leap_day is not None and leap_day["finnish_names"] == [], "29 February")
    independence = by_date[f"{YEAR}-12-06"]
    check(independence["feasts"] == [INDEPENDENCE_DAY], f"6.12.: {independence['feasts']}")
    check(independence["flag_day"] is True and independence["red_day"] is True, "6.12. flags")
    check(independence["finnish_names"] == ["Niilo", "Niko", "Niklas"], "6.12. names")
    amanda = by_date[f"{YEAR}-10-26"]
    check(amanda["finnish_names"] == ["Amanda", "Niina", "Manta"], f"26.10.: {amanda}")
    check(amanda["swedish_names"] == ["Amanda", "Nina"], f"26.10.: {amanda}")


def split(text, separator):
    return text.split(separator) if text else []


def check_csv(output, separator=","):
    check(not output.startswith(b"\xef\xbb\xbf"), "RFC 4180 CSV has no byte-order mark")
    read_csv(output, separator)


def check_spreadsheet(output):
    check(output.startswith(b"\xef\xbb\xbf"), "a UTF-8 byte-order mark first")
    check(b"," not in output.split(b"\r\n")[0], "no comma in the header row")
    read_csv(output[3:], ";", FINNISH_HEADINGS)


def read_csv(output, separator, headings=KEYS):
    lines = output.split(b"\r\n")
    check(lines[-1] == b"", "the last row ends with CRLF")
    check(all(b"\r" not in line and b"\n" not in line for line in lines),
          "every line ends with one CRLF, no bare CR or LF")
    reader = csv.reader(io.StringIO(output.decode("utf-8"), newline=""), delimiter=separator,
                        strict=True)
    header, *records = list(reader)
    check(header == headings, f"header {header}")
    check(all(len(record) == len(KEYS) for record in records), "seven fields in every row")
    check_days([{
        "date": r[0], "weekday": r[1], "feasts": split(r[2], " / "),
        "flag_day": r[3] == "1", "red_day": r[4] == "1",
        "finnish_names": split(r[5], ", "), "swedish_names": split(r[6], ", "),
    } for r in records])
    check(all(r[3] in ("0", "1") and r[4] in ("0", "1") for r in records), "flags are 0 or 1")


def check_json(output):
    days = json.loads(output.decode("utf-8"))
    check(isinstance(days, list), "an array")
    check(all(list(day.keys()) == KEYS for day in days), "the same keys in every object")
    check_days(days)


def main():
    checks = {"csv": check_csv, "spreadsheet": check_spreadsheet, "json": check_json}
    if len(sys.argv) < 3 or sys.argv[1] not in checks:
        sys.exit(__doc__)
    export_format, command = sys.argv[1], sys.argv[2:]
    checks[export_format](run(command, export_format))
    for failure in failures:
        print("FAILED:", failure)
    if failures:
        sys.exit(1)
    print(f"{export_format}: {YEAR} read back, every day checked")


if __name__ == "__main__":
    main()
