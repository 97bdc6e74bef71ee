#!/usr/bin/env python3
"""Reads `kelotarhu ... --format ics` back with a real iCalendar parser (python3-icalendar)
and checks it against RFC 5545 and against the tool's own JSON export of the same days:
the calendar's properties, one all-day event per feast, flag day and day of names,
DTEND on the next day, DTSTAMP from SOURCE_DATE_EPOCH, UIDs unique and the same in
every run, lines folded at 75 octets without splitting a UTF-8 character, CRLF.

Usage: check_ics.py COMMAND...   (COMMAND runs kelotarhu, perhaps under an emulator)
"""
import datetime
import json
import os
import subprocess
import sys

import icalendar

EPOCH = 1765000000  # 2025-12-06T05:46:40Z
# In Finnish, whose feast names are the calendar's own, as the JSON export has them.
FLAG_DAY = "Liputusp\u00e4iv\u00e4"
FINNISH_NAMES = "Nimip\u00e4iv\u00e4: "
SWEDISH_NAMES = "Suomenruotsalainen nimip\u00e4iv\u00e4: "
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def run(command, arguments, epoch=EPOCH):
    environment = dict(os.environ, SOURCE_DATE_EPOCH=str(epoch))
    result = subprocess.run(command + ["--lang", "fi"] + arguments, stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE,
                            env=environment, check=False)
    if result.returncode != 0:
        sys.exit(f"{arguments}: exit status {result.returncode}: "
                 f"{result.stderr.decode(errors='replace')}")
    return result.stdout


def check_lines(what, output):
    """CRLF only, at most 75 octets a line, no character split between two lines."""
    check(output.endswith(b"\r\n"), f"{what}: the last line ends with CRLF")
    lines = output.split(b"\r\n")[:-1]
    for number, line in enumerate(lines, 1):
        check(b"\r" not in line and b"\n" not in line, f"{what}: bare CR or LF in line {number}")
        check(len(line) <= 75, f"{what}: line {number} has {len(line)} octets")
        try:
            line.decode("utf-8")
        except UnicodeDecodeError:
            failures.append(f"{what}: line {number} splits a UTF-8 character: {line!r}")
    return lines


def expected_events(days, kinds):
    """(date, summary) of every event the JSON export's days call for."""
    events = []
    for day in days:
        date = datetime.date.fromisoformat(day["date"])
        if "feasts" in kinds:
            events += [(date, feast) for feast in day["feasts"]]
        if "flags" in kinds and day["flag_day"]:
            feasts = " / ".join(day["feasts"])
            events.append((date, FLAG_DAY + ": " + feasts if feasts else FLAG_DAY))
        if "finnish" in kinds and day["finnish_names"]:
            events.append((date, FINNISH_NAMES + ", ".join(day["finnish_names"])))
        if "swedish" in kinds and day["swedish_names"]:
            events.append((date, SWEDISH_NAMES + ", ".join(day["swedish_names"])))
    return sorted(events)


def check_calendar(command, what, listing, kinds):
    events_option = ["--events", ",".join(kinds)] if kinds != ["feasts"] else []
    output = run(command, listing + ["--format", "ics"] + events_option)
    lines = check_lines(what, output)
    if "finnish" in kinds and "--year" in listing:  # the long lists of names
        check(any(line.startswith(b" ") for line in lines), f"{what}: no folded line")
    calendar = icalendar.Calendar.from_ical(output)
    check(str(calendar.get("VERSION")) == "2.0", f"{what}: VERSION")
    check(str(calendar.get("PRODID", "")).startswith("-//Kelotarhu//"), f"{what}: PRODID")
    check(str(calendar.get("PRODID", "")).endswith("//FI"), f"{what}: the language of PRODID")
    check(str(calendar.get("CALSCALE")) == "GREGORIAN", f"{what}: CALSCALE")
    stamp = datetime.datetime.fromtimestamp(EPOCH, datetime.timezone.utc)
    events = []
    uids = []
    for event in calendar.walk("VEVENT"):
        start = event.decoded("DTSTART")
        end = event.decoded("DTEND")
        check(type(start) is datetime.date, f"{what}: DTSTART {start!r} is not a DATE")
        check(end == start + datetime.timedelta(days=1), f"{what}: DTEND {end} after {start}")
        check(event.decoded("DTSTAMP") == stamp, f"{what}: DTSTAMP {event.decoded('DTSTAMP')}")
        events.append((start, str(event.get("SUMMARY"))))
        uids.append(str(event.get("UID")))
    check(len(set(uids)) == len(uids), f"{what}: {len(uids) - len(set(uids))} UIDs repeated")
    days = json.loads(run(command, listing + ["--format", "json"]).decode("utf-8"))
    expected = expected_events(days, kinds)
    check(sorted(events) == expected,
          f"{what}: events differ from the JSON export: "
          f"{sorted(set(events) ^ set(expected))[:5]}")
    check(len(events) > 0, f"{what}: no events")
    later = run(command, listing + ["--format", "ics"] + events_option, epoch=EPOCH + 86400)
    later_uids = [str(e.get("UID")) for e in icalendar.Calendar.from_ical(later).walk("VEVENT")]
    check(later_uids == uids, f"{what}: UIDs change from run to run")
    return events


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    command = sys.argv[1:]
    every_kind = ["feasts", "flags", "finnish", "swedish"]
    year = check_calendar(command, "2024", ["--year", "2024"], every_kind)
    check((datetime.date(2024, 12, 6), "Itsen\u00e4isyysp\u00e4iv\u00e4") in year, "6.12.2024")
    check((datetime.date(2024, 3, 31), "P\u00e4\u00e4si\u00e4isp\u00e4iv\u00e4") in year,
          "Easter Sunday 2024")
    check((datetime.date(2024, 12, 9),
           FINNISH_NAMES + "Anna, Anne, Anni, Anu, Annikki, Anneli, Annukka, Annika") in year,
          "the Finnish names of 9.12.")
    feasts_only = check_calendar(command, "2024 feasts", ["--year", "2024"], ["feasts"])
    check(all(not summary.startswith((FLAG_DAY, FINNISH_NAMES, SWEDISH_NAMES))
              for _, summary in feasts_only), "feasts only by default")
    month = check_calendar(command, "12.2026", ["--month", "2026-12"], ["feasts", "swedish"])
    check(all(date.month == 12 and date.year == 2026 for date, _ in month), "December only")
    run_of_days = check_calendar(command, "14 days", ["25.12.2026", "--days", "14"],
                                 ["feasts", "flags"])
    check(min(date for date, _ in run_of_days) == datetime.date(2026, 12, 25) and
          max(date for date, _ in run_of_days) == datetime.date(2027, 1, 6), "25.12.-7.1.")
    check_calendar(command, "one day", ["6.12.2026"], every_kind)
    for failure in failures:
        print("FAILED:", failure)
    if failures:
        sys.exit(1)
    print(f"ics: a year, a month, a run of days and a day read back, {len(year)} events in 2024")


if __name__ == "__main__":
    main()
