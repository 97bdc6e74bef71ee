#!/usr/bin/env python3
"""Checks that `--output FILE` writes exactly the bytes that standard output would get,
CRLF and UTF-8 untouched, and prints nothing itself.

Usage: check_output_file.py PATH_AS_THE_PROGRAM_NAMES_IT PATH_HERE COMMAND...
"""
import os
import subprocess
import sys


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    program_path, local_path, command = sys.argv[1], sys.argv[2], sys.argv[3:]
    environment = dict(os.environ, SOURCE_DATE_EPOCH="1765000000")
    listing = ["--year", "2024", "--format", "ics", "--events", "feasts,finnish"]
    if os.path.exists(local_path):
        os.remove(local_path)
    expected = subprocess.run(command + listing, stdout=subprocess.PIPE, env=environment,
                              check=True).stdout
    written = subprocess.run(command + listing + ["--output", program_path],
                             stdout=subprocess.PIPE, env=environment, check=True)
    with open(local_path, "rb") as file:
        contents = file.read()
    failures = []
    if written.stdout:
        failures.append(f"{len(written.stdout)} bytes on standard output")
    if contents != expected:
        failures.append(f"the file holds {len(contents)} bytes, standard output {len(expected)}")
    if b"\r\n" not in contents or b"\r\r\n" in contents:
        failures.append("the file's line ends are not CRLF")
    for failure in failures:
        print("FAILED:", failure)
    if failures:
        sys.exit(1)
    print(f"{program_path}: {len(contents)} bytes as standard output has them")


if __name__ == "__main__":
    main()
