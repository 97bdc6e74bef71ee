"""The failures a check script collects, and how it ends: every failure printed and exit
status 1, or the summary of what passed."""
import sys

_failures = []


def check(condition, message):
    if not condition:
        _failures.append(message)


def finish(summary):
    for failure in _failures:
        print("FAILED:", failure)
    if _failures:
        sys.exit(1)
    print(summary)
