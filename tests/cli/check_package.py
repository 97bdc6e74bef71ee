#!/usr/bin/env python3
"""Makes the Windows package with CPack, checks its layout and contents, unpacks it and
runs the packed kelotarhu.exe against the packed plug-in, as the README tells a user to.

Usage: check_package.py CPACK BUILD_FOLDER ZIP_NAME EMULATOR...
"""
import os
import re
import shutil
import subprocess
import sys
import zipfile

sys.dont_write_bytecode = True  # leave no __pycache__ in the source folder
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_flag_gif  # noqa: E402

LAYOUT = {"kelotarhu.exe", "plugins/Kelotarhu.dll", "plugins/flag.gif", "README", "LICENSE",
          "THIRD-PARTY-LICENSES"}


def run_unpacked(package, build_folder, emulator):
    """Failures of the unpacked tool driving the unpacked plug-in."""
    folder = os.path.join(build_folder, "package-check")
    shutil.rmtree(folder, ignore_errors=True)
    package.extractall(folder)
    result = subprocess.run(emulator + [os.path.join(folder, "kelotarhu.exe"), "--plugin",
                                        "plugins\\Kelotarhu.dll"],
                            cwd=folder, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                            stdin=subprocess.DEVNULL, check=False)
    out = result.stdout.decode("utf-8")
    failures = []
    if result.returncode != 0 or "dllshutdown  0\n" not in out:
        failures.append(f"the unpacked host failed: {out}{result.stderr.decode()}")
    # The plug-in's default flag path is the flag that the package puts beside it.
    default = re.search(r'GetFlag\("Z:(.*)"\)', out)
    if not default or not os.path.isfile(default.group(1).replace("\\", "/")):
        failures.append(f"the default flag path names no unpacked file: {out}")
    shutil.rmtree(folder)
    return failures


def main(cpack, build_folder, zip_name, *emulator):
    subprocess.run([cpack, "--config", os.path.join(build_folder, "CPackConfig.cmake")],
                   cwd=build_folder, check=True, stdout=subprocess.DEVNULL)
    path = os.path.join(build_folder, zip_name)
    failures = []
    with zipfile.ZipFile(path) as package:
        files = {name for name in package.namelist() if not name.endswith("/")}
        if files != LAYOUT:
            failures.append(f"files {sorted(files)}, expected {sorted(LAYOUT)}")
        for program in ("kelotarhu.exe", "plugins/Kelotarhu.dll"):
            if not package.read(program).startswith(b"MZ"):
                failures.append(f"{program} is no Windows program")
        for program, built in (("kelotarhu.exe", "kelotarhu.exe"),
                               ("plugins/Kelotarhu.dll", "Kelotarhu.dll")):
            with open(os.path.join(build_folder, built), "rb") as tested:
                if package.read(program) != tested.read():
                    failures.append(f"{program} is not the {built} that the tests ran")
        if b"Kelotarhu.dll\0" not in package.read("plugins/Kelotarhu.dll"):
            failures.append("the DLL's export directory does not name Kelotarhu.dll")
        readme = package.read("README")
        for text in ("0.8.7", "plugins\\Kelotarhu.dll", "GetNameDay", "GetHoliday", "GetFlag",
                     "line break", "plugins\\flag.gif", "--plugin"):
            if text.encode() not in readme:
                failures.append(f"the README does not mention {text}")
        licence = package.read("LICENSE")
        if b"MIT License" not in licence or b"Kelotarhu developers" not in licence:
            failures.append("the LICENSE is not the MIT licence of the Kelotarhu developers")
        third_party = package.read("THIRD-PARTY-LICENSES")
        for library in (b"Files: CLI/*", b"Files: nlohmann/*"):
            if library not in third_party:
                failures.append(f"THIRD-PARTY-LICENSES lacks {library.decode()}")
        for name, text in (("README", readme), ("LICENSE", licence),
                           ("THIRD-PARTY-LICENSES", third_party)):
            if text.count(b"\n") != text.count(b"\r\n"):
                failures.append(f"{name} does not have Windows line ends")
        failures += run_unpacked(package, build_folder, list(emulator))
        flag = os.path.join(build_folder, "package-check-flag.gif")
        with open(flag, "wb") as extracted:
            extracted.write(package.read("plugins/flag.gif"))
    check_flag_gif.main(flag)  # exits on a wrong flag
    os.remove(flag)
    for failure in failures:
        print("FAILED:", failure)
    if failures:
        sys.exit(1)
    print(f"{zip_name}: {sorted(LAYOUT)}")


if __name__ == "__main__":
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
