#!/usr/bin/env python3
"""Checks that the tool's rooms keep the rule on the first line of their CMakeLists:
"imports only days/ and text/" allows those rooms (a path ending in .h allows that one
header), "imports nothing else of the tool" none; the export header is plugin/exports.h.
Whatever the rules say, only command/ includes the option parser or reads the
environment.

Usage: check_rooms.py CLI_FOLDER
"""
import os
import re
import sys

sys.dont_write_bytecode = True  # leave no __pycache__ in the source folder
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from failures import check, finish  # noqa: E402

INCLUDE = re.compile(r'^#include "(cli/[a-z_]+/[a-z_0-9]+\.h|plugin/[a-z_]+\.h)"', re.M)


def allowed(rule):
    """What a room's rule lets it include besides its own headers; None for anything."""
    if "imports nothing else" in rule:
        return set()
    match = re.search(r"imports only (.*)", rule)
    if not match:
        return None
    names = set(re.findall(r"[a-z]+/(?:[a-z_0-9]+\.h)?", match.group(1)))
    if "export header" in match.group(1):
        names.add("plugin/exports.h")
    return names


def permitted(header, own_room, names):
    if header.startswith(f"cli/{own_room}/"):
        return True
    if names is None:
        return header.startswith("cli/")
    room = header.split("/")[1] + "/"
    return room in names or header.removeprefix("cli/") in names or header in names


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    cli = sys.argv[1]
    rooms = sorted(name for name in os.listdir(cli)
                   if os.path.isfile(os.path.join(cli, name, "CMakeLists.txt")))
    check(len(rooms) >= 7, f"only the rooms {rooms}")
    files = 0
    for room in rooms:
        with open(os.path.join(cli, room, "CMakeLists.txt"), encoding="utf-8") as file:
            rule = file.readline()
        check(rule.startswith("# Rule: "), f"{room}/CMakeLists.txt does not start with its rule")
        names = allowed(rule)
        for name in sorted(os.listdir(os.path.join(cli, room))):
            if not name.endswith((".h", ".cpp")):
                continue
            files += 1
            with open(os.path.join(cli, room, name), encoding="utf-8") as file:
                text = file.read()
            for header in INCLUDE.findall(text):
                check(permitted(header, room, names),
                      f"{room}/{name} includes {header}, against its rule: {rule.strip()}")
            if room != "command":
                check("getenv" not in text, f"{room}/{name} reads the environment")
                check("CLI/CLI.hpp" not in text, f"{room}/{name} knows the option parser")
    finish(f"{files} files of {len(rooms)} rooms keep their rules")


if __name__ == "__main__":
    main()
