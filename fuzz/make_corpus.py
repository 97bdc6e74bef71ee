#!/usr/bin/env python3
"""Writes the seed corpus of the exports fuzzer: a few call sequences in the fuzzer's
input format (see exports_fuzzer.cpp), each a day or situation the rules single out.

Usage: fuzz/make_corpus.py [OUTPUT_DIR]   (default: fuzz/corpus next to this script)
"""
import pathlib
import struct
import sys

# Call bytes, in the order of the fuzzer's Call enumeration.
(DLLSTARTUP, DLLSHUTDOWN, GETNAMEDAY, GETHOLIDAY, GETFLAG, GETPARAM, INIT, GETINFO,
 DLLTYPE, CONFIGURE, SET_TODAY, SET_EXECUTABLE_PATH, SET_TODAY_NEAR_EASTER, SWEEP_DAYS) = range(14)

# Indexes into the fuzzer's kKnownTexts.
KNOWN = {"": 0, "K": 1, "k": 2, "E": 3, "e": 4, "1": 5, "0": 6, "0 ": 7, " K": 8,
         "K ": 9, "KK": 10, "GetNameDay": 11, "GetHoliday": 12, "GetFlag": 13,
         "getflag": 14, "GetFlag ": 15}


def u32(value):
    return struct.pack("<I", value)


def null():
    return bytes([0])


def known(text):
    return bytes([1, KNOWN[text]])


def short(text):
    data = text.encode("cp1252")
    return bytes([3, len(data)]) + data


def long_run(fill, length):
    return bytes([4, ord(fill)]) + u32(length)


def date(year, month, day):
    return struct.pack("<H", year - 1) + bytes([month - 1, day - 1])


def today(year, month, day):
    return bytes([SET_TODAY]) + date(year, month, day)


def sweep(year, month, day, days, red_answer, path, finnish, swedish, separator):
    """The display functions on `days` days (1 to 32) from a date, the same answers each day."""
    return (bytes([SWEEP_DAYS]) + date(year, month, day) + bytes([days - 1]) + red_answer + path
            + finnish + swedish + separator)


def near_easter(year, days_from_easter):
    """A day of `year` counted from its Easter Sunday, -56 to +46."""
    return bytes([SET_TODAY_NEAR_EASTER]) + struct.pack("<H", year - 1) + bytes(
        [days_from_easter + 56])


def startup(unused1=0, unused2=0):
    return bytes([DLLSTARTUP]) + u32(unused1) + u32(unused2)


def shutdown(unused=0):
    return bytes([DLLSHUTDOWN]) + u32(unused)


def name_day(finnish, swedish, separator):
    return bytes([GETNAMEDAY]) + finnish + swedish + separator


def holiday(answer):
    return bytes([GETHOLIDAY]) + answer


def flag(path):
    return bytes([GETFLAG]) + path


def param(name):
    return bytes([GETPARAM]) + name


def info(kind):
    return bytes([GETINFO]) + u32(kind)


def executable(path):
    return bytes([SET_EXECUTABLE_PATH]) + path


def init():
    return bytes([INIT])


SEEDS = {
    "independence_day": today(2026, 12, 6) + startup() + holiday(known("K"))
    + flag(short("C:\\Host\\plugins\\flag.gif"))
    + name_day(known("K"), known("K"), known("0")) + shutdown()
    + name_day(known("K"), known("K"), known("0")) + holiday(known("k")),
    "leap_day": today(2024, 2, 29) + startup() + name_day(known("K"), known("E"), known("0 "))
    + holiday(known("K")) + executable(short("C:\\host.exe")) + param(known("GetFlag"))
    + executable(short("host")) + param(known("GetFlag")) + param(known("GetFlag ")),
    "new_year": today(2023, 12, 31) + startup() + today(2024, 2, 29) + holiday(known("K"))
    + name_day(known("1"), known("0"), null()) + startup() + holiday(known("K")),
    "long_texts": today(2008, 5, 1) + startup() + flag(long_run("x", 100000))
    + name_day(known("K "), null(), long_run("|", 70000)) + holiday(long_run("K", 1))
    + param(long_run("G", 5000)) + executable(long_run("\\", 3000)) + param(known("GetFlag")),
    "before_start": holiday(known("K")) + flag(short("C:\\f.gif"))
    + name_day(known("K"), known("K"), known("0")) + shutdown() + init() + info(0) + info(7)
    + info(0xFFFFFFFF) + bytes([DLLTYPE, CONFIGURE]),
    "year_extremes": today(1, 1, 1) + startup() + holiday(known("K")) + today(9999, 12, 31)
    + startup(0xFFFFFFFF, 7) + holiday(known("K")) + name_day(known("e"), known("k"), known("0")),
    "holy_week": near_easter(2023, -7) + startup() + holiday(known("K")) + near_easter(2023, -3)
    + holiday(known("K")) + near_easter(2023, -2) + holiday(known("K")) + flag(known("1"))
    + near_easter(2023, 0) + holiday(known("k")) + flag(short("lippu.gif"))
    + near_easter(2023, 1) + holiday(known("K")) + shutdown(1) + near_easter(2023, 39)
    + holiday(known("K")),
    "sweeps": startup() + sweep(2026, 12, 1, 32, known("K"), short("lippu.gif"), known("K"),
                                known("K"), known("0"))
    + sweep(2024, 2, 1, 32, known("k"), known("1"), known("1"), known("0"), known("0 "))
    + sweep(2019, 6, 15, 20, known("K"), short("C:\\f.gif"), known("E"), known("K"), null()),
    "lent": near_easter(2060, -49) + startup() + holiday(known("K")) + near_easter(2060, -46)
    + holiday(known("K")) + near_easter(2008, -49) + holiday(known("K")) + startup()
    + near_easter(2008, -14) + holiday(known("K")),
}


def main():
    output = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else (
        pathlib.Path(__file__).resolve().parent / "corpus")
    output.mkdir(parents=True, exist_ok=True)
    for name, data in SEEDS.items():
        (output / name).write_bytes(data)


if __name__ == "__main__":
    main()
