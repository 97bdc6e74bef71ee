#!/usr/bin/env python3
"""Runs a command and checks its exit status and what it printed.

Usage: expect_run.py --status N [--out TEXT]... [--err TEXT]... [--no-cr] [--max-out BYTES]
                     [--env NAME=VALUE]... -- COMMAND...

Every --out TEXT must occur in standard output and every --err TEXT in standard error
(both must be valid UTF-8); --no-cr requires standard output to hold no CR byte, and
--max-out BYTES at most that many bytes. Each --env sets a variable of the command's
environment.
"""
import argparse
import os
import subprocess
import sys


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--status", type=int, required=True)
    parser.add_argument("--out", action="append", default=[])
    parser.add_argument("--err", action="append", default=[])
    parser.add_argument("--no-cr", action="store_true")
    parser.add_argument("--max-out", type=int)
    parser.add_argument("--env", action="append", default=[])
    parser.add_argument("command", nargs="+")
    args = parser.parse_args()
    env = dict(os.environ)
    env.update(setting.split("=", 1) for setting in args.env)
    result = subprocess.run(args.command, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                            stdin=subprocess.DEVNULL, env=env, check=False)
    out = result.stdout.decode("utf-8")
    err = result.stderr.decode("utf-8")
    failures = []
    if result.returncode != args.status:
        failures.append(f"exit status {result.returncode}, expected {args.status}")
    failures += [f"standard output lacks {text!r}" for text in args.out if text not in out]
    failures += [f"standard error lacks {text!r}" for text in args.err if text not in err]
    if args.no_cr and b"\r" in result.stdout:
        failures.append("standard output holds a CR")
    if args.max_out is not None and len(result.stdout) > args.max_out:
        failures.append(f"standard output holds {len(result.stdout)} bytes, "
                        f"more than {args.max_out}")
    if failures:
        print("--- standard output\n" + out + "--- standard error\n" + err)
        for failure in failures:
            print("FAILED:", failure)
        sys.exit(1)
    print(f"exit status {result.returncode}, output as expected")


if __name__ == "__main__":
    main()
