#!/usr/bin/env python3
"""Fails unless every function that the given Windows binaries import is in the
allowlist and Windows XP SP3 already has it.

Usage: check_imports.py OBJDUMP ALLOWLIST.tsv BINARY...

The allowlist has one row per import: DLL, function, the first Windows version that
has it (as Microsoft's documentation names it) and where that is documented. Imports
are read from the import tables as `objdump -p` lists them.
"""
import re
import subprocess
import sys

# Oldest first; the binaries must run on the last one of these.
WINDOWS_VERSIONS = ["Windows 2000", "Windows XP", "Windows XP SP1", "Windows XP SP2",
                    "Windows XP SP3"]
NEWER_VERSIONS = ["Windows Vista", "Windows 7", "Windows 8", "Windows 8.1", "Windows 10",
                  "Windows 11"]


def read_allowlist(path):
    allowed = {}
    with open(path, encoding="utf-8") as rows:
        for number, line in enumerate(rows, 1):
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.rstrip("\n").split("\t")
            if len(fields) != 4:
                sys.exit(f"{path}:{number}: expected DLL, function, version, source")
            dll, function, version, _source = fields
            allowed[(dll.lower(), function)] = version
    return allowed


def imports_of(objdump, binary):
    """(DLL, function) pairs of the binary's import tables."""
    dump = subprocess.run([objdump, "-p", binary], check=True, capture_output=True,
                          text=True).stdout
    section = dump.split("The Import Tables", 1)
    if len(section) != 2:
        sys.exit(f"{binary}: objdump shows no import tables")
    found = []
    dll = None
    for line in section[1].splitlines():
        name = re.match(r"\s*DLL Name: (\S+)", line)
        if name:
            dll = name.group(1)
        elif "Hint/Ord" in line:
            continue  # the column heads of a DLL's entries
        elif dll and line.startswith("\t"):
            entry = re.match(r"\t[0-9a-fA-F]+\s+\d+\s+(\S+)\s*$", line)
            # An import by ordinal, or a line this script cannot read: never allowed.
            found.append((dll, entry.group(1) if entry else line.strip()))
        elif dll and line.strip():
            dll = None  # the DLL's entries end with the next descriptor or section
    return found


def main(objdump, allowlist_path, *binaries):
    allowed = read_allowlist(allowlist_path)
    failures = []
    for version in set(allowed.values()):
        if version not in WINDOWS_VERSIONS + NEWER_VERSIONS:
            failures.append(f"{allowlist_path}: unknown Windows version {version!r}")
    for binary in binaries:
        imports = imports_of(objdump, binary)
        if not imports:
            failures.append(f"{binary}: no imports found")
        for dll, function in imports:
            version = allowed.get((dll.lower(), function))
            if version is None:
                failures.append(f"{binary}: imports {dll}!{function}, which is not allowed")
            elif version not in WINDOWS_VERSIONS:
                failures.append(f"{binary}: imports {dll}!{function}, new in {version}")
        print(f"{binary}: {len(imports)} imports, all from Windows XP SP3 or earlier"
              if not failures else f"{binary}: {len(imports)} imports")
    for failure in failures:
        print(failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
