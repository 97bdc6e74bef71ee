#!/usr/bin/env python3
"""Reads the almanac's exports back with real parsers (json, csv, python3-icalendar) and
checks the fields the almanac adds against each other and against the datetime module's
calendar: flag_kind and public_holiday in JSON and CSV, the kind of each flag day in the
iCalendar events and in the text for people, --next holiday, and the note on the years
before the almanac.

Usage: check_almanac_export.py COMMAND...   (COMMAND runs kelotarhu, perhaps under an
emulator)
"""
import csv
import datetime
import io
import json
import os
import subprocess
import sys

import icalendar

YEARS = [1950, 1980, 2026]
KEYS = ["date", "weekday", "feasts", "flag_day", "red_day", "finnish_names", "swedish_names",
        "flag_kind", "public_holiday"]
FLAG_KINDS = {"official": ("Virallinen liputusp\u00e4iv\u00e4", "official flag day"),
              "customary": ("Vakiintunut liputusp\u00e4iv\u00e4", "customary flag day")}
PUBLIC_HOLIDAY = "Pyh\u00e4p\u00e4iv\u00e4"
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def run(command, arguments, status=0):
    environment = dict(os.environ, SOURCE_DATE_EPOCH="1765000000", LC_ALL="", LANG="")
    result = subprocess.run(command + arguments, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                            env=environment, check=False)
    if result.returncode != status:
        sys.exit(f"{arguments}: exit status {result.returncode}, expected {status}: "
                 f"{result.stderr.decode(errors='replace')}")
    return result.stdout, result.stderr.decode()


def year_json(command, year):
    output, _ = run(command, ["--year", str(year), "--format", "json"])
    return json.loads(output)


def check_json(year, days):
    for day in days:
        date = datetime.date.fromisoformat(day["date"])
        check(list(day) == KEYS, f"{date}: keys {list(day)}")
        check(day["flag_kind"] in (None, "official", "customary"), f"{date}: {day['flag_kind']}")
        check(isinstance(day["public_holiday"], bool), f"{date}: public_holiday not a bool")
        check(day["flag_day"] == (day["flag_kind"] is not None), f"{date}: flag_day, flag_kind")
        sunday = date.weekday() == 6
        check(day["red_day"] == (sunday or day["public_holiday"]), f"{date}: red_day")
    check(len(days) == (datetime.date(year + 1, 1, 1) - datetime.date(year, 1, 1)).days,
          f"{year}: {len(days)} days")
    check(any(day["public_holiday"] for day in days), f"{year}: no public holiday")


def check_csv(command, year, days):
    output, _ = run(command, ["--year", str(year), "--format", "csv"])
    rows = list(csv.reader(io.StringIO(output.decode("utf-8"), newline="")))
    check(rows[0] == KEYS, f"{year} CSV header {rows[0]}")
    for row, day in zip(rows[1:], days):
        fields = dict(zip(rows[0], row))
        check(fields["flag_kind"] == (day["flag_kind"] or ""), f"{day['date']} CSV flag_kind")
        check(fields["public_holiday"] == ("1" if day["public_holiday"] else "0"),
              f"{day['date']} CSV public_holiday")


def check_ics(command, year, days, language, column):
    output, _ = run(command, ["--lang", language, "--year", str(year), "--format", "ics",
                              "--events", "feasts,flags"])
    by_date = {day["date"]: day for day in days}
    flag_events = 0
    for event in icalendar.Calendar.from_ical(output).walk("VEVENT"):
        date = event.decoded("DTSTART").isoformat()
        day = by_date[date]
        categories = [str(text) for item in ([event["CATEGORIES"]] if "CATEGORIES" in event
                                             else [])
                      for text in item.cats]
        expected = []
        if day["public_holiday"]:
            expected.append(PUBLIC_HOLIDAY if language == "fi" else "Public holiday")
        if day["flag_kind"]:
            kind = FLAG_KINDS[day["flag_kind"]][column]
            expected.append(kind[0].upper() + kind[1:])
        check(categories == expected, f"{language} {date}: CATEGORIES {categories}, not {expected}")
        if str(event["UID"]).endswith("-flag@kelotarhu"):
            flag_events += 1
            check(day["flag_kind"] and str(event["SUMMARY"]).startswith(expected[-1]),
                  f"{language} {date}: flag event {event['SUMMARY']!r}")
    check(flag_events == sum(1 for day in days if day["flag_day"]), f"{year}: flag events")


def check_people(command, days):
    """The day view and the month grid tell the two kinds of flag day apart."""
    for kind, (finnish, english) in FLAG_KINDS.items():
        day = next((day for day in days if day["flag_kind"] == kind), None)
        if day is None:
            continue  # no customary flag days before they were split from the official ones
        output, _ = run(command, ["--lang", "en", day["date"]])
        check(english in output.decode().lower(), f"{day['date']} day view: {output!r}")
        output, _ = run(command, ["--lang", "fi", day["date"]])
        check(finnish.lower() in output.decode().lower(), f"{day['date']} day view: {output!r}")
        output, _ = run(command, ["--lang", "en", "--month", day["date"][:7], "--color=never"])
        lines = output.decode().splitlines()
        mark = "+" if kind == "official" else "~"
        number = str(int(day["date"][8:]))
        check(any(f" {number} {mark}" in line or f" {number}  {mark}" in line for line in lines),
              f"{day['date']}: no {mark} in the grid:\n{output.decode()}")
        check("+ official flag day   ~ customary flag day" in output.decode(),
              f"{day['date']}: the legend: {output!r}")


def check_next_holiday(command, days):
    holidays = [day["date"] for day in days if day["public_holiday"]]
    for start in ("2026-01-02", "2026-04-03", "2026-06-20", "2026-12-27"):
        output, _ = run(command, [start, "--next", "holiday", "--format", "json"])
        found = json.loads(output)[0]
        expected = next(date for date in holidays if date >= start)
        check(found["date"] == expected, f"--next holiday from {start}: {found['date']}")
        away = (datetime.date.fromisoformat(expected) - datetime.date.fromisoformat(start)).days
        check(found["days_away"] == away, f"--next holiday from {start}: {found['days_away']}")
    _, err = run(command, ["--next", "holiday", "--calendar", "plugin"], status=2)
    check("--calendar almanac" in err, f"--next holiday with the plug-in's calendar: {err!r}")


def check_before_almanac(command):
    _, err = run(command, ["--lang", "en", "--year", "1899", "--format", "json"])
    check(err.startswith("kelotarhu: note: the almanac is known from 1900"), f"1899: {err!r}")
    _, err = run(command, ["--lang", "en", "--days", "3", "1899-12-30"])
    check(err.count("\n") == 1, f"1899-12-30 --days: {err!r}")
    for arguments in (["--year", "1900"], ["--year", "1899", "--calendar", "plugin"]):
        _, err = run(command, arguments + ["--format", "json"])
        check(err == "", f"{arguments}: {err!r}")


def main(command):
    for year in YEARS:
        days = year_json(command, year)
        check_json(year, days)
        check_csv(command, year, days)
        check_ics(command, year, days, "fi", 0)
        check_ics(command, year, days, "en", 1)
        check_people(command, days)
        if year == 2026:
            check_next_holiday(command, days + year_json(command, 2027))
    check_before_almanac(command)
    for failure in failures[:20]:
        print("FAILED:", failure)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    main(sys.argv[1:])
