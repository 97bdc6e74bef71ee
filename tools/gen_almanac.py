#!/usr/bin/env python3
"""Turns almanac/almanac.tsv (UTF-8, one row per rule and era) into the tool's table of
almanac rules (UTF-8 bytes).

Fails, and so fails the build, on a file that is not UTF-8, a wrong header or field
count, a bad key, an empty name or one holding the " / " that joins the names of a day,
a date the rule grammar does not know, a weekday span that is not exactly seven days,
a bad red or flag value, a year before 1900 or after 9999, a first year after the last,
two eras of one key that overlap, and a row without its source address.
"""
import datetime
import re
import sys

sys.dont_write_bytecode = True  # leave no __pycache__ in the source folder
from tsv_tables import fail, read_rows, to_cpp_literal, write_table  # noqa: E402

GENERATOR = "gen_almanac"
HEADER = "key\tfi\tsv\ten\tdate\tred\tflag\tfrom\tto\tsource"
FIRST_YEAR = 1900
LAST_YEAR = 9999
KEY = re.compile(r"[a-z0-9_]+")
YEAR = re.compile(r"[0-9]{4}")
WEEKDAYS = ["mon", "tue", "wed", "thu", "fri", "sat", "sun"]  # ISO 8601 order, Monday = 1
FLAGS = {"-": "kNone", "customary": "kCustomary", "official": "kOfficial"}
REDS = {"yes": "true", "no": "false"}
SOURCE = re.compile(r"https?://\S+")
# Easter falls on 22 March to 25 April: these offsets keep every Easter day in its year.
EASTER_OFFSETS = range(-80, 251)

MONTH_DAY = r"(\d\d)-(\d\d)"
EASTER = r"easter(?:([+-])(\d{1,3}))?"
DATE = re.compile(rf"{MONTH_DAY}|{EASTER}|([a-z]{{3}}) {MONTH_DAY}\.\.{MONTH_DAY}")
EXCEPTION = re.compile(rf"{EASTER} ([+-])(\d{{1,2}})")
MOST_EXCEPTIONS = 2  # kMostExceptions in almanac/rules.h


def month_day(where, month, day):
    """(month, day) of a date that exists in a leap year."""
    try:
        datetime.date(2000, int(month), int(day))
    except ValueError:
        fail(GENERATOR, f"{where}: {month}-{day} is not a date")
    return int(month), int(day)


def signed(sign, digits):
    return int(digits or 0) * (-1 if sign == "-" else 1)


def easter_offset(where, sign, digits):
    offset = signed(sign, digits)
    if offset not in EASTER_OFFSETS:
        fail(GENERATOR, f"{where}: easter{offset:+d} may leave the year")
    return offset


def weekday_span(where, weekday, first, last):
    """The weekday (1-7) and first day of a span that holds exactly seven days in every
    year, common or leap."""
    if weekday not in WEEKDAYS:
        fail(GENERATOR, f"{where}: {weekday!r} is not one of {' '.join(WEEKDAYS)}")
    for year in (2001, 2004):  # a common year and a leap year
        try:
            length = (datetime.date(year, *last) - datetime.date(year, *first)).days + 1
        except ValueError:
            length = 0  # 29 February in a common year
        if length != 7:
            fail(GENERATOR, f"{where}: the span {first[0]:02}-{first[1]:02}..{last[0]:02}-"
                            f"{last[1]:02} holds {length} days in {year}, not exactly 7")
    return WEEKDAYS.index(weekday) + 1


def exceptions(where, texts):
    """The C++ exceptions of a date rule: the Easter days it keeps off, each with the days
    it moves by."""
    if len(texts) > MOST_EXCEPTIONS:
        fail(GENERATOR, f"{where}: more than {MOST_EXCEPTIONS} exceptions")
    moves = {}
    for text in texts:
        match = EXCEPTION.fullmatch(text)
        if not match:
            fail(GENERATOR, f"{where}: 'except {text}' is not 'except easter±N ±D'")
        except_sign, except_days, shift_sign, shift_days = match.groups()
        offset = easter_offset(where, except_sign, except_days)
        shift = signed(shift_sign, shift_days)
        if shift == 0:
            fail(GENERATOR, f"{where}: an exception that moves the day by 0 days")
        if offset in moves:
            fail(GENERATOR, f"{where}: two exceptions for easter{offset:+d}")
        moves[offset] = shift
    return f"{len(moves)}, {{{{" + ", ".join(f"{{{offset}, {shift}}}"
                                              for offset, shift in moves.items()) + "}}"


def date_rule(where, text):
    """The C++ DateRule of a date rule."""
    date, *exception_texts = text.split(" except ")
    match = DATE.fullmatch(date)
    if not match:
        fail(GENERATOR, f"{where}: {text!r} is not a date rule (MM-DD, easter, easter+N, "
                        "easter-N or WD MM-DD..MM-DD, perhaps followed by except easter±N ±D)")
    (month, day, easter_sign, easter_days, weekday, first_month, first_day, last_month,
     last_day) = match.groups()
    if month:
        anchor, (month, day), offset, weekday = "kFixed", month_day(where, month, day), 0, 0
    elif weekday:
        first = month_day(where, first_month, first_day)
        last = month_day(where, last_month, last_day)
        weekday = weekday_span(where, weekday, first, last)
        anchor, (month, day), offset = "kWeekdayInSpan", first, 0
    else:
        anchor, month, day, weekday = "kEaster", 0, 0, 0
        offset = easter_offset(where, easter_sign, easter_days)
    return (f"{{DateRule::Anchor::{anchor}, {month}, {day}, {offset}, {weekday}, "
            f"{exceptions(where, exception_texts)}}}")


def year(where, text, column):
    if not YEAR.fullmatch(text) or not FIRST_YEAR <= int(text) <= LAST_YEAR:
        fail(GENERATOR, f"{where}: {column} {text!r} is not a year {FIRST_YEAR}-{LAST_YEAR}")
    return int(text)


def choice(where, text, column, choices):
    if text not in choices:
        fail(GENERATOR, f"{where}: {column} {text!r} is not one of {', '.join(choices)}")
    return choices[text]


def era(where, first_text, last_text):
    first = year(where, first_text, "from")
    last = LAST_YEAR if last_text == "-" else year(where, last_text, "to")
    if first > last:
        fail(GENERATOR, f"{where}: from {first} is after to {last}")
    return first, last


def check_eras(eras):
    """No two eras of one key share a year."""
    for key, spans in eras.items():
        spans.sort()
        for (first, last, where), (next_first, _, next_where) in zip(spans, spans[1:]):
            if next_first <= last:
                fail(GENERATOR, f"{next_where}: the eras of {key!r} overlap: "
                                f"{first}-{last} ({where}) and {next_first}- ({next_where})")


def read_rules(path):
    rules = []
    eras = {}
    for where, fields in read_rows(GENERATOR, path, HEADER, comments=True):
        key, fi, sv, en, date, red, flag, first, last, source = fields
        if not KEY.fullmatch(key):
            fail(GENERATOR, f"{where}: key {key!r} is not lower-case a-z, 0-9 and _")
        if not all((fi, sv, en)):
            fail(GENERATOR, f"{where}: every day needs its Finnish, Swedish and English name")
        if any(" / " in name for name in (fi, sv, en)):
            fail(GENERATOR, f"{where}: a name holds \" / \", which joins the names of a day")
        if not SOURCE.fullmatch(source):
            fail(GENERATOR, f"{where}: the source must be the address (http:// or https://) "
                            f"of a primary source, got {source!r}")
        rule = date_rule(where, date)
        red = choice(where, red, "red", REDS)
        flag = choice(where, flag, "flag", FLAGS)
        first, last = era(where, first, last)
        eras.setdefault(key, []).append((first, last, where))
        names = ", ".join(to_cpp_literal(GENERATOR, text, "utf-8", where)
                          for text in (key, fi, sv, en))
        rules.append(f"{{{names}, {rule}, {red}, FlagKind::{flag}, {first}, {last}}}")
    check_eras(eras)
    if not rules:
        fail(GENERATOR, f"{path}: no rules")
    return rules


def main():
    if len(sys.argv) != 3:
        fail(GENERATOR, "usage: gen_almanac.py almanac.tsv output.cpp")
    write_table(sys.argv[2], "almanac.tsv", GENERATOR, "almanac/rules.h", "kelotarhu::almanac",
                "Rule", read_rules(sys.argv[1]), "AlmanacRules")


main()
