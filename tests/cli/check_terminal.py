#!/usr/bin/env python3
"""Runs kelotarhu on a pseudo-terminal, as a person at a terminal or a Windows console
runs it, and reads the screen back through a terminal emulator (pyte): the characters
each cell shows and their colours, not the bytes that drew them.

Usage: /usr/bin/python3 check_terminal.py COMMAND...   (COMMAND runs kelotarhu, perhaps
under Wine, whose console then draws on the terminal)
"""
import datetime
import fcntl
import os
import pty
import select
import struct
import subprocess
import sys
import termios

import pyte

COLUMNS, LINES = 100, 60
NO_TERMINAL = 77  # ctest's SKIP_RETURN_CODE: a machine without pseudo-terminals (a chroot
                  # without /dev/pts) cannot run this test
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def on_terminal(command, arguments, terminal_columns=COLUMNS):
    """The emulated screen after the command ran on a pseudo-terminal that says it is
    terminal_columns wide."""
    leader, follower = pty.openpty()
    fcntl.ioctl(follower, termios.TIOCSWINSZ, struct.pack("HHHH", LINES, terminal_columns, 0, 0))
    os.set_blocking(leader, False)
    env = dict(os.environ, LC_ALL="", LC_MESSAGES="", LANG="C.UTF-8", TERM="xterm")
    for variable in ("NO_COLOR", "COLUMNS", "LANGUAGE"):
        env.pop(variable, None)
    process = subprocess.Popen(command + arguments, stdin=follower, stdout=follower,
                               stderr=follower, env=env, close_fds=True)
    os.close(follower)
    output = b""
    while True:
        ready, _, _ = select.select([leader], [], [], 120)
        if not ready:
            process.kill()
            break
        try:
            chunk = os.read(leader, 65536)
        except OSError:  # the terminal closed with the last process on it
            break
        if not chunk:
            break
        output += chunk
    process.wait()
    os.close(leader)
    screen = pyte.Screen(COLUMNS, LINES)
    stream = pyte.ByteStream(screen)
    stream.feed(output)
    return screen, process.returncode


def text_lines(screen):
    lines = [line.rstrip() for line in screen.display]
    while lines and not lines[-1]:
        lines.pop()
    return lines


def find_line(screen, text):
    for row, line in enumerate(text_lines(screen)):
        if text in line:
            return row, line.index(text)
    return None


def cells(screen, row, column, length):
    return [screen.buffer[row][column + i] for i in range(length)]


def check_day_view(command):
    screen, status = on_terminal(command, ["--lang", "fi", "6.12.2026"])
    check(status == 0, f"day view: exit status {status}")
    expected = ["Sunnuntai 6.12.2026, viikko 49", "Itsenäisyyspäivä",
                "Punainen päivä ja liputuspäivä", "Nimipäivät: Niilo, Niko, Niklas",
                "Suomenruotsalaiset nimipäivät: Nils"]
    lines = [line for line in text_lines(screen) if line]
    check(lines[-len(expected):] == expected, f"day view shows {lines}")
    found = find_line(screen, "Itsenäisyyspäivä")
    if found:
        colours = {cell.fg for cell in cells(screen, *found, len("Itsenäisyyspäivä"))}
        check(colours == {"red"}, f"the red day's feast is in {colours}, not red")


def check_month_grid(command):
    today = datetime.date.today()
    screen, status = on_terminal(command, ["--lang", "sv", "--month", f"{today:%Y-%m}"])
    check(status == 0, f"month grid: exit status {status}")
    header = find_line(screen, " må   ti   on   to   fr   lö   sö")
    check(header is not None, f"no Swedish weekday header in {text_lines(screen)}")
    legend = find_line(screen, "i dag")
    check(legend is not None, f"no legend for today in {text_lines(screen)}")
    if not header:
        return
    # Today's number: in reverse video, right under its weekday.
    weekday_end = header[1] + 5 * today.weekday() + 3
    number = f"{today.day:2}"
    rows = [row for row in range(header[0] + 1, header[0] + 8)
            if screen.display[row][weekday_end - 2:weekday_end] == number]
    check(len(rows) >= 1, f"{number} is not under its weekday in {text_lines(screen)}")
    highlighted = [row for row in rows
                   if all(cell.reverse for cell in cells(screen, row, weekday_end - 2, 2))]
    check(len(highlighted) == 1, f"today ({number}) is not highlighted once: rows {highlighted}")


def check_no_colour(command):
    screen, status = on_terminal(command, ["--lang", "en", "--month", "2026-12", "--color=never"])
    check(status == 0, f"--color=never: exit status {status}")
    styled = {(cell.fg, cell.reverse) for row in screen.buffer.values() for cell in row.values()}
    check(styled <= {("default", False)}, f"--color=never still styles: {styled}")
    check(find_line(screen, " 49       1    2    3    4    5    6*+") is not None,
          f"--color=never grid: {text_lines(screen)}")


def description_start(line):
    """The screen column where an option's description starts on its line."""
    gap = line.index("  ", 3)
    return len(line) - len(line[gap:].lstrip())


def check_help_width(command):
    """--help as wide as the terminal says it is, its columns aligned on the screen."""
    for columns in (72, 80, 50):
        screen, status = on_terminal(command, ["--lang", "sv", "--help"], columns)
        check(status == 0, f"--help on {columns} columns: exit status {status}")
        lines = text_lines(screen)
        wide = [line for line in lines if len(line) > columns]
        check(not wide, f"--help on {columns} columns has wider lines: {wide}")
        check(len(lines) > 30, f"--help on {columns} columns: {lines}")
        starts = {description_start(line) for line in lines
                  if line.startswith("  -") and "  " in line[3:]}
        check(len(starts) == 1, f"--help on {columns} columns: descriptions start at {starts}")


def main(command):
    try:
        for descriptor in os.openpty():
            os.close(descriptor)
    except OSError as error:
        print(f"skipped: no pseudo-terminal to run on ({error})")
        sys.exit(NO_TERMINAL)
    check_day_view(command)
    check_month_grid(command)
    check_no_colour(command)
    check_help_width(command)
    for failure in failures:
        print("FAILED:", failure)
    if failures:
        sys.exit(1)
    print("the terminal shows the day, the month and its colours as expected")


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    main(sys.argv[1:])
