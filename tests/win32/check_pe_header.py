#!/usr/bin/python3
"""Reads the shipped Windows binaries with pefile and fails unless each carries the PE
header and version resource it ships with: operating-system and subsystem version 5.01
(Windows XP), the project's version as image version and in VERSIONINFO, the product
and file names, a description, the copyright, Finnish with code page 1252; no time
stamp and no build or source path inside; and the DLL within its size limit.

Usage: check_pe_header.py --version X.Y.Z --source-dir DIR --build-dir DIR
                          --largest-dll BYTES BINARY...
"""
import argparse
import os
import sys

import pefile

FINNISH_1252 = (0x040B, 1252)


def version_strings(pe):
    """The StringFileInfo values and the translations of a binary's version resource."""
    strings, translations = {}, []
    for file_info in getattr(pe, "FileInfo", None) or []:
        for entry in file_info:
            if entry.Key == b"StringFileInfo":
                for table in entry.StringTable:
                    strings[table.LangID] = {k.decode(): v.decode()
                                             for k, v in table.entries.items()}
            elif entry.Key == b"VarFileInfo":
                for var in entry.Var:
                    value = var.entry.get(b"Translation")
                    if value:
                        language, code_page = value.split()
                        translations.append((int(language, 16), int(code_page, 16)))
    return strings, translations


def check(path, version, folders, largest_dll):
    failures = []
    name = os.path.basename(path)
    pe = pefile.PE(path)
    header = pe.OPTIONAL_HEADER
    major, minor, patch = (int(part) for part in version.split("."))
    expected = {
        "operating-system version": ((header.MajorOperatingSystemVersion,
                                      header.MinorOperatingSystemVersion), (5, 1)),
        "subsystem version": ((header.MajorSubsystemVersion, header.MinorSubsystemVersion),
                              (5, 1)),
        "image version": ((header.MajorImageVersion, header.MinorImageVersion), (major, minor)),
        "time stamp": (pe.FILE_HEADER.TimeDateStamp, 0),
    }
    for what, (found, wanted) in expected.items():
        if found != wanted:
            failures.append(f"{what} {found}, expected {wanted}")

    fixed = pe.VS_FIXEDFILEINFO[0] if getattr(pe, "VS_FIXEDFILEINFO", None) else None
    four_parts = (major << 16 | minor, patch << 16)
    if fixed is None:
        failures.append("no VERSIONINFO resource")
    else:
        for what in ("File", "Product"):
            found = (getattr(fixed, what + "VersionMS"), getattr(fixed, what + "VersionLS"))
            if found != four_parts:
                failures.append(f"fixed {what}Version {found}, expected {four_parts}")
    strings, translations = version_strings(pe)
    if translations != [FINNISH_1252]:
        failures.append(f"translations {translations}, expected Finnish, code page 1252")
    table = strings.get(b"040B04E4") or strings.get("040B04E4")
    if table is None:
        failures.append(f"no Finnish 1252 string table, only {list(strings)}")
        table = {}
    wanted = {
        "FileVersion": f"{version}.0",
        "ProductVersion": f"{version}.0",
        "ProductName": "Kelotarhu",
        "OriginalFilename": name,
        "InternalName": os.path.splitext(name)[0],
    }
    for key, value in wanted.items():
        if table.get(key) != value:
            failures.append(f"{key} {table.get(key)!r}, expected {value!r}")
    if not table.get("FileDescription"):
        failures.append("no FileDescription")
    if not table.get("LegalCopyright", "").startswith("Copyright"):
        failures.append(f"LegalCopyright {table.get('LegalCopyright')!r}")

    data = open(path, "rb").read()
    for folder in folders:
        if folder.encode() in data:
            failures.append(f"holds the path {folder}")
    if name.lower().endswith(".dll") and len(data) > largest_dll:
        failures.append(f"{len(data)} bytes, more than {largest_dll}")
    print(f"{name}: {len(data)} bytes; {table.get('FileDescription')!r} "
          f"{table.get('FileVersion')}; OS {expected['operating-system version'][0]}")
    return [f"{name}: {failure}" for failure in failures]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--version", required=True)
    parser.add_argument("--source-dir", required=True)
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--largest-dll", type=int, required=True)
    parser.add_argument("binaries", nargs="+")
    args = parser.parse_args()
    folders = [os.path.realpath(args.source_dir), os.path.realpath(args.build_dir)]
    failures = []
    for binary in args.binaries:
        failures += check(binary, args.version, folders, args.largest_dll)
    for failure in failures:
        print(failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
