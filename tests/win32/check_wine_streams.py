#!/usr/bin/env python3
"""A program run under Wine as the tests run it leaves its standard output and error to
the test alone: once it has exited, both pipes are at their end. A Wine process that
had inherited them (a service started along with the program) would hold them open,
delay every test that reads them and put its own messages into the output under test.

Usage: check_wine_streams.py COMMAND...   (COMMAND runs a program under Wine)
"""
import os
import subprocess
import sys


def held_open(stream):
    """Whether a writer other than the exited program still holds the pipe."""
    os.set_blocking(stream.fileno(), False)
    try:
        while os.read(stream.fileno(), 65536):
            pass
    except BlockingIOError:  # no data and no end: a writer is left
        return True
    return False


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    process = subprocess.Popen(sys.argv[1:], stdin=subprocess.DEVNULL,
                               stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    status = process.wait()
    held = [name for name, stream in (("standard output", process.stdout),
                                      ("standard error", process.stderr))
            if held_open(stream)]
    if status != 0 or held:
        sys.exit(f"exit status {status}; still held open by another process: "
                 f"{', '.join(held) or 'nothing'}")
    print("both streams at their end when the program exits")


if __name__ == "__main__":
    main()
