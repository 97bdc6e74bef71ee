#!/usr/bin/env python3
"""Makes the Debian package of the kelotarhu tool with CPack, checks its control fields
and files, unpacks it and runs the packed program, and has lintian check it: any error
of lintian's fails. The build folder is first brought up to date as the tool preset
builds it, the kelotarhu target alone, after the package's own files are removed: what
CPack packs must be made by that build, not only by the `package` target.

Usage: check_deb.py CMAKE CPACK BUILD_FOLDER VERSION
"""
import glob
import os
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # leave no __pycache__ in the source folder
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from failures import check, finish  # noqa: E402

FILES = {
    "usr/bin/kelotarhu",
    "usr/share/man/man1/kelotarhu.1.gz",
    "usr/share/bash-completion/completions/kelotarhu",
    "usr/share/zsh/vendor-completions/_kelotarhu",
    "usr/share/doc/kelotarhu/copyright",
    "usr/share/doc/kelotarhu/changelog.gz",
}
def run(command):
    result = subprocess.run(command, stdin=subprocess.DEVNULL, capture_output=True, text=True,
                            check=False)
    if result.returncode != 0:
        sys.exit(f"{' '.join(command)} failed:\n{result.stdout}{result.stderr}")
    return result.stdout


def build_program_alone(cmake, build_folder):
    for made in glob.glob(os.path.join(build_folder, "deb", "*.gz")):
        os.remove(made)
    run([cmake, "--build", build_folder, "--target", "kelotarhu"])


def make_package(cpack, build_folder, folder):
    run([cpack, "--config", os.path.join(build_folder, "CPackConfig.cmake"), "-G", "DEB",
         "-B", folder])
    packages = glob.glob(os.path.join(folder, "*.deb"))
    if len(packages) != 1:
        sys.exit(f"CPack made {packages}, expected one .deb")
    return packages[0]


def check_control(package, version):
    architecture = run(["dpkg", "--print-architecture"]).strip()
    check(os.path.basename(package) == f"kelotarhu_{version}_{architecture}.deb",
          f"package file {os.path.basename(package)}")
    for field, expected in [("Package", "kelotarhu"), ("Version", version),
                            ("Architecture", architecture), ("Section", "utils")]:
        value = run(["dpkg-deb", "--field", package, field]).strip()
        check(value == expected, f"{field}: {value!r}, expected {expected!r}")
    depends = run(["dpkg-deb", "--field", package, "Depends"])
    check("libc6" in depends, f"Depends lacks the C library: {depends!r}")


def check_files(package, folder):
    run(["dpkg-deb", "--extract", package, folder])
    packed = set()
    for directory, _, files in os.walk(folder):
        packed |= {os.path.relpath(os.path.join(directory, name), folder) for name in files}
    check(packed == FILES, f"packed {sorted(packed)}, expected {sorted(FILES)}")
    result = subprocess.run([os.path.join(folder, "usr/bin/kelotarhu"), "--lang", "fi",
                             "6.12.2026"], capture_output=True, text=True, check=False)
    check(result.returncode == 0 and "Itsen\u00e4isyysp\u00e4iv\u00e4" in result.stdout,
          f"the packed program: {result.returncode} {result.stdout}{result.stderr}")


def check_lintian(package):
    result = subprocess.run(["lintian", "--fail-on", "error", "--no-tag-display-limit", package],
                            stdin=subprocess.DEVNULL, capture_output=True, text=True,
                            check=False)
    print(result.stdout, end="")
    check(result.returncode == 0, f"lintian exit status {result.returncode}: {result.stderr}")
    check(not any(line.startswith("E:") for line in result.stdout.splitlines()),
          "lintian reports errors")


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    cmake, cpack, build_folder, version = sys.argv[1:]
    build_program_alone(cmake, build_folder)
    with tempfile.TemporaryDirectory() as folder:
        package = make_package(cpack, build_folder, os.path.join(folder, "cpack"))
        check_control(package, version)
        check_files(package, os.path.join(folder, "unpacked"))
        check_lintian(package)
    finish("package made, unpacked, run, and passed by lintian")


if __name__ == "__main__":
    main()
