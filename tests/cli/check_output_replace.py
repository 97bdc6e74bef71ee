#!/usr/bin/env python3
"""Checks that `--output FILE` replaces a file whole or not at all: when the new contents
cannot be written, the old file keeps every byte, and no other file is left in its
folder; when they can, the file keeps its permission bits and a symbolic link to it
stays a link.

Usage: check_output_replace.py CASE PATH_PREFIX COMMAND...
CASE is one of the names in CASES; PATH_PREFIX goes before a path as the program takes
it (Z: under Wine), - for none. Exits 77 when the case cannot be set up here.
"""
import contextlib
import os
import resource
import shutil
import signal
import stat
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # leave no __pycache__ in the source folder
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from failures import check, finish  # noqa: E402

SKIP = 77
ENGLISH = dict(os.environ, LC_ALL="C.UTF-8", LC_MESSAGES="", LANG="",
               SOURCE_DATE_EPOCH="1765000000")
# The old file: a year as CSV, 18 KB; the new output: a year of every event as
# iCalendar, far more.
OLD_LISTING = ["--year", "2025", "--format", "csv"]
NEW_LISTING = ["--year", "2026", "--format", "ics", "--events", "feasts,flags,finnish,swedish"]
FILE_SIZE_LIMIT = 8192


def skip(reason):
    print("skipped:", reason)
    sys.exit(SKIP)


def run(command, limit_file_size=False, file_size_signal_ignored=False):
    def limit():
        resource.setrlimit(resource.RLIMIT_FSIZE, (FILE_SIZE_LIMIT, FILE_SIZE_LIMIT))
    # restore_signals: the program gets SIGXFSZ's default action, as from a shell;
    # without it, Python's own: ignored.
    return subprocess.run(command, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                          stderr=subprocess.PIPE, env=ENGLISH, check=False,
                          preexec_fn=limit if limit_file_size else None,
                          restore_signals=not file_size_signal_ignored)


class Setup:
    def __init__(self, prefix, command, folder):
        self.prefix, self.command, self.folder = prefix, command, folder
        self.old = os.path.join(folder, "old.csv")

    def write_old_file(self):
        result = run(self.command + OLD_LISTING)
        check(result.returncode == 0, f"the old file's contents: exit status {result.returncode}")
        with open(self.old, "wb") as file:
            file.write(result.stdout)
        return result.stdout

    def output(self, path):
        return self.prefix + path

    def expect_refused(self, what, result, old_bytes, folder_before, target):
        check(result.returncode == 1, f"{what}: exit status {result.returncode}, expected 1")
        err = result.stderr.decode("utf-8", "replace")
        check(err.startswith("kelotarhu: cannot write ") and err.count("\n") == 1,
              f"{what}: standard error {err!r}, expected one line naming the file")
        check(not result.stdout, f"{what}: {len(result.stdout)} bytes on standard output")
        if old_bytes is not None:
            with open(target, "rb") as file:
                kept = file.read()
            check(kept == old_bytes,
                  f"{what}: the old file holds {len(kept)} bytes, not its {len(old_bytes)}")
        left = sorted(os.listdir(os.path.dirname(target)))
        check(left == folder_before, f"{what}: the folder holds {left}, before {folder_before}")


def file_size_limit(setup, file_size_signal_ignored=False):
    old_bytes = setup.write_old_file()
    result = run(setup.command + NEW_LISTING + ["--output", setup.output(setup.old)],
                 limit_file_size=True, file_size_signal_ignored=file_size_signal_ignored)
    setup.expect_refused(f"a file-size limit of {FILE_SIZE_LIMIT} bytes", result, old_bytes,
                         ["old.csv"], setup.old)


def file_size_limit_signal_ignored(setup):
    # As `trap '' XFSZ` starts it: a Windows program under Wine cannot ignore SIGXFSZ
    # itself, and the signal would end it before it could remove its new file.
    file_size_limit(setup, file_size_signal_ignored=True)


@contextlib.contextmanager
def mounted_tmpfs(folder, size):
    if os.geteuid() != 0:
        skip("mounting a small file system needs root")
    mounted = subprocess.run(["mount", "-t", "tmpfs", "-o", f"size={size}", "tmpfs", folder],
                             stderr=subprocess.PIPE, check=False)
    if mounted.returncode != 0:
        skip("cannot mount a tmpfs here: " + mounted.stderr.decode().strip())
    try:
        yield
    finally:
        subprocess.run(["umount", folder], check=True)


def full_file_system(setup):
    disk = os.path.join(setup.folder, "disk")
    os.mkdir(disk)
    with mounted_tmpfs(disk, "64k"):
        setup.old = os.path.join(disk, "old.csv")
        old_bytes = setup.write_old_file()
        # What is left is less than the new output, so that writing it fails.
        with open(os.path.join(disk, "filler"), "wb") as filler:
            with contextlib.suppress(OSError):
                filler.write(b"x" * 24 * 1024)
        result = run(setup.command + NEW_LISTING + ["--output", setup.output(setup.old)])
        setup.expect_refused("a full file system", result, old_bytes, ["filler", "old.csv"],
                             setup.old)


def read_only_folder(setup):
    old_bytes = setup.write_old_file()
    if os.geteuid() == 0:
        # Root writes into any folder whatever its permissions: a file system mounted
        # read-only stands in for one.
        disk = os.path.join(setup.folder, "disk")
        os.mkdir(disk)
        with mounted_tmpfs(disk, "1m"):
            target = os.path.join(disk, "old.csv")
            shutil.copyfile(setup.old, target)
            subprocess.run(["mount", "-o", "remount,ro", disk], check=True)
            result = run(setup.command + NEW_LISTING + ["--output", setup.output(target)])
            setup.expect_refused("a read-only file system", result, old_bytes, ["old.csv"],
                                 target)
        return
    os.chmod(setup.folder, 0o555)
    try:
        result = run(setup.command + NEW_LISTING + ["--output", setup.output(setup.old)])
        setup.expect_refused("a read-only folder", result, old_bytes, ["old.csv"], setup.old)
    finally:
        os.chmod(setup.folder, 0o755)


def missing_folder(setup):
    target = os.path.join(setup.folder, "missing", "new.ics")
    result = run(setup.command + NEW_LISTING + ["--output", setup.output(target)])
    setup.expect_refused("a missing folder", result, None, [], os.path.join(setup.folder, "x"))


def kept_permissions_and_link(setup):
    setup.write_old_file()
    os.chmod(setup.old, 0o640)
    link = os.path.join(setup.folder, "link.csv")
    os.symlink("old.csv", link)
    expected = run(setup.command + NEW_LISTING).stdout
    result = run(setup.command + NEW_LISTING + ["--output", setup.output(link)])
    check(result.returncode == 0, f"through a link: exit status {result.returncode}")
    check(os.path.islink(link), "the symbolic link was replaced by a file")
    with open(setup.old, "rb") as file:
        check(file.read() == expected, "the linked file does not hold the new output")
    mode = stat.S_IMODE(os.stat(setup.old).st_mode)
    check(mode == 0o640, f"the replaced file's permissions are {mode:o}, not 640")
    left = sorted(os.listdir(setup.folder))
    check(left == ["link.csv", "old.csv"], f"the folder holds {left}")


def signal_while_flushing(setup):
    # KELOTARHU_PRELOAD: a library that sends SIGTERM as the new file is flushed.
    old_bytes = setup.write_old_file()
    environment = dict(ENGLISH, LD_PRELOAD=os.environ["KELOTARHU_PRELOAD"])
    result = subprocess.run(setup.command + NEW_LISTING + ["--output", setup.old],
                            stdin=subprocess.DEVNULL, capture_output=True, env=environment,
                            check=False)
    check(result.returncode == -signal.SIGTERM,
          f"SIGTERM while flushing: exit status {result.returncode}, expected -{signal.SIGTERM}")
    with open(setup.old, "rb") as file:
        kept = file.read()
    check(kept == old_bytes, f"SIGTERM while flushing: the old file holds {len(kept)} bytes, "
                             f"not its {len(old_bytes)}")
    left = sorted(os.listdir(setup.folder))
    check(left == ["old.csv"], f"SIGTERM while flushing: the folder holds {left}")


def device(setup):
    # Standard output named as a file is written to, not replaced.
    expected = run(setup.command + NEW_LISTING).stdout
    result = run(setup.command + NEW_LISTING + ["--output", "/dev/stdout"])
    check(result.returncode == 0, f"/dev/stdout: exit status {result.returncode}")
    check(result.stdout == expected,
          f"/dev/stdout got {len(result.stdout)} bytes, not the {len(expected)} of the output")


CASES = {
    "file_size_limit": file_size_limit,
    "file_size_limit_signal_ignored": file_size_limit_signal_ignored,
    "full_file_system": full_file_system,
    "read_only_folder": read_only_folder,
    "missing_folder": missing_folder,
    "kept_permissions_and_link": kept_permissions_and_link,
    "device": device,
    "signal_while_flushing": signal_while_flushing,
}


def main():
    if len(sys.argv) < 4 or sys.argv[1] not in CASES:
        sys.exit(__doc__)
    case, prefix, command = sys.argv[1], sys.argv[2].lstrip("-"), sys.argv[3:]
    with tempfile.TemporaryDirectory(prefix="kelotarhu-output-") as folder:
        CASES[case](Setup(prefix, command, folder))
    finish(f"{case}: as expected")


if __name__ == "__main__":
    main()
