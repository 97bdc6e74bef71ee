#!/usr/bin/env python3
"""Bad usage and output that cannot be written, tried on the kelotarhu command.

Every error must be exactly one line "kelotarhu: ..." on standard error, plus the hint
line after a bad usage; nothing on standard output; exit status 2 for a bad usage, 1
for a failure at run time: a plug-in that cannot be used, or standard output that cannot
take the output (a full disk, a pipe whose reader has gone while SIGPIPE is ignored, a
closed standard output), in every output mode.

Usage: check_errors.py usage COMMAND...
       check_errors.py write PLUGIN COMMAND...
(COMMAND runs kelotarhu, perhaps under an emulator; PLUGIN is the plug-in library's path
as that kelotarhu takes it)
"""
import os
import subprocess
import sys

sys.dont_write_bytecode = True  # leave no __pycache__ in the source folder
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from failures import check, finish  # noqa: E402

HINT = "Try 'kelotarhu --help'."
USAGE_STATUS = 2
RUN_TIME_STATUS = 1
DATE_FORMS = ("write it as YYYY-MM-DD (2026-12-06), D.M.YYYY (6.12.2026), D.M. (this year), "
              "today, tomorrow, yesterday, or +N or -N days from today")

# Arguments, and the one line the tool must write before the hint.
USAGE_CASES = [
    (["--frobnicate"], 'unknown option "--frobnicate"'),
    (["-x"], 'unknown option "-x"'),
    (["--frobnicate=3"], 'unknown option "--frobnicate=3"'),
    (["6.12.2026", "7.12.2026"], 'unexpected argument "7.12.2026" (one date at most)'),
    (["--name", "Anna", "--format", "json"], "--name and --format cannot be used together"),
    (["--plugin", "x", "--format", "csv"], "--plugin and --format cannot be used together"),
    (["--events", "flags"], "--events works only with --format ics"),
    (["--year", "--format", "csv", "--events", "flags"], "--events works only with --format ics"),
    (["--answer", "GetHoliday=E"], "--answer works only with --plugin"),
    (["--year", "2026", "--format", "xml"],
     '--format "xml" is not one of text, csv, spreadsheet, json, ics'),
    (["--next", "blue"], '--next "blue" is not one of red, holiday, flag, feast, names'),
    (["--name", "Anna", "--next", "red"], "--name and --next red cannot be used together"),
    (["--calendar", "kalenteri"], '--calendar "kalenteri" is not one of almanac, plugin'),
    (["--plugin", "x", "--calendar", "plugin"], "--plugin and --calendar cannot be used together"),
    (["--next", "holiday", "--calendar", "plugin"],
     "--next holiday works only with --calendar almanac"),
    (["--color=sometimes"], '--color "sometimes" is not one of auto, always, never'),
    (["--color="], "--color needs a value"),
    (["--days"], "--days needs a value"),
    (["--next"], "--next needs a value"),
    (["--name"], "--name needs a value"),
    (["--output"], "--output needs a value"),
    (["--days", "7", "--next", "red"], "--days and --next cannot be used together"),
    (["--days", "7", "--month", "12"], "--month and --days cannot be used together"),
    (["--next", "flag", "--year", "2026"], "--year and --next cannot be used together"),
    (["6.12.2026", "--name", "Anna"], "DATE and --name cannot be used together"),
    (["--name", "Anna", "--plugin", "x"], "--name and --plugin cannot be used together"),
    (["--plugin"], "--plugin needs a value"),
    (["--month", "2026-12", "--year", "2026"], "--month and --year cannot be used together"),
    (["6.12.2026", "--month", "2026-12"], "DATE and --month cannot be used together"),
    (["--year", "2026", "--plugin", "x"], "--year and --plugin cannot be used together"),
    (["2026-02-30"], 'DATE "2026-02-30" is not a date: February 2026 has 28 days'),
    (["29.2.2027"], 'DATE "29.2.2027" is not a date: 2027 is not a leap year'),
    (["--month", "13.2026"], '--month "13.2026" is not a month: there is no month 13'),
    (["--month", "june"], '--month "june" is not a month; '
                          "write it as YYYY-MM (2026-12), M.YYYY (12.2026) or M (this year's)"),
    (["--year", "0000"], '--year "0000" is not a year: the calendar covers the years 1 to 9999'),
    (["5.4.26"], "5.4.26: write the year in full, for example 5.4.2026"),
    (["--month", "4.26"], "4.26: write the year in full, for example 4.2026"),
    (["--days", "0"], '--days "0" is not a number of days; '
                      "write it as a whole number from 1 to 10000"),
    # Control characters shown as escapes, on one line.
    (["a\nb\x1b[31m"], 'DATE "a\\nb\\x1B[31m" is not a date; ' + DATE_FORMS),
    # A long argument (30,000 characters: a Windows command line holds 32,767) cut to 60
    # characters, "..." included; UTF-8 is not cut inside a character.
    (["7" * 30_000], 'DATE "' + "7" * 57 + '..." is not a date; ' + DATE_FORMS),
    (["--year", "ä" * 61], '--year "' + "ä" * 57 + '..." is not a year; write it as YYYY (2026)'),
    (["--year", "x" * 60], '--year "' + "x" * 60 + '" is not a year; write it as YYYY (2026)'),
]

# Failures at run time: one line, no hint. A path is cut only beyond 260 characters.
RUN_TIME_CASES = [
    (["--plugin", "no such\nfolder/Kelotarhu.dll"],
     'no such file: "no such\\nfolder/Kelotarhu.dll"'),
    (["--plugin", "/" + "p" * 5_000], 'no such file: "/' + "p" * 256 + '..."'),
]

# Every output mode; the reference host's comes from the plug-in's path.
OUTPUT_MODES = [
    [],
    ["6.12.2026", "--color=always"],
    ["--month", "2026-12"],
    ["--year", "2026"],
    ["--year", "2026", "--format", "csv"],
    ["--year", "2026", "--format", "json"],
    ["--year", "2026", "--format", "spreadsheet"],
    ["--year", "2026", "--format", "ics", "--events", "feasts,finnish"],
    ["--month", "--format", "csv"],
    ["6.12.2026", "--format", "json"],
    ["--days", "400"],
    ["--next", "flag"],
    ["--name", "Anna", "Aina"],
    ["--help"],
    ["--version"],
]

# The C locale: the tool speaks English. In UTF-8, as Wine needs it to pass the
# arguments on unchanged.
ENGLISH = dict(os.environ, LC_ALL="C.UTF-8", LC_MESSAGES="", LANG="")


def run(command, stdout):
    result = subprocess.run(command, stdin=subprocess.DEVNULL, stdout=stdout,
                            stderr=subprocess.PIPE, restore_signals=False, env=ENGLISH,
                            check=False)
    return result.returncode, result.stderr.decode("utf-8")


def expect(what, status, err, expected_status, expected_err):
    check(status == expected_status, f"{what}: exit status {status}, expected {expected_status}")
    check(err == expected_err, f"{what}: standard error\n  {err!r}\nexpected\n  {expected_err!r}")


def check_usage(command):
    for arguments, message in USAGE_CASES:
        result = subprocess.run(command + arguments, stdin=subprocess.DEVNULL,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=ENGLISH,
                                check=False)
        what = " ".join(arguments)[:80]
        expect(what, result.returncode, result.stderr.decode("utf-8"), USAGE_STATUS,
               f"kelotarhu: {message}\n{HINT}\n")
        check(not result.stdout, f"{what}: wrote {len(result.stdout)} bytes to standard output")
    for arguments, message in RUN_TIME_CASES:
        status, err = run(command + arguments, subprocess.DEVNULL)
        expect(" ".join(arguments), status, err, RUN_TIME_STATUS, f"kelotarhu: {message}\n")


def full_disk(command):
    with open("/dev/full", "wb") as full:
        return run(command, full)


def reader_gone(command):
    # Python ignores SIGPIPE, and the child keeps that (restore_signals=False).
    read_end, write_end = os.pipe()
    os.close(read_end)
    try:
        return run(command, write_end)
    finally:
        os.close(write_end)


def closed_output(command):
    # A child whose file descriptor 1 is closed when it starts.
    closing = ["sh", "-c", 'exec "$@" >&-', "sh"]
    return run(closing + command, subprocess.DEVNULL)


SINKS = [
    ("a full disk", full_disk, "no space left on the device"),  # in the tool's words
    ("a pipe without a reader", reader_gone, "Broken pipe"),
    ("a closed standard output", closed_output, "Bad file descriptor"),
]


def check_write_failures(arguments):
    plugin, command = arguments[0], arguments[1:]
    for arguments in OUTPUT_MODES + [["--plugin", plugin]]:
        for sink, write_to, reason in SINKS:
            status, err = write_to(command + arguments)
            expect(f"{' '.join(arguments) or 'today'} to {sink}", status, err,
                   RUN_TIME_STATUS, f"kelotarhu: cannot write the output: {reason}\n")


def main():
    checks = {"usage": check_usage, "write": check_write_failures}
    if len(sys.argv) < 3 + (sys.argv[1:2] == ["write"]) or sys.argv[1] not in checks:
        sys.exit(__doc__)
    checks[sys.argv[1]](sys.argv[2:])
    finish("every case as expected")


if __name__ == "__main__":
    main()
