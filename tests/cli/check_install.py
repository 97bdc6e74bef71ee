#!/usr/bin/env python3
"""Installs the kelotarhu tool with `cmake --install` into a scratch prefix, runs the
installed program, renders its manual page with man, has zsh read its zsh completion
and tries its bash completion on command lines whose answers are known.

Usage: check_install.py CMAKE BUILD_FOLDER VERSION
"""
import os
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # leave no __pycache__ in the source folder
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from failures import check, finish  # noqa: E402

INSTALLED = {
    "bin/kelotarhu",
    "share/man/man1/kelotarhu.1.gz",
    "share/bash-completion/completions/kelotarhu",
    "share/zsh/site-functions/_kelotarhu",
}
BASH_COMPLETION = "/usr/share/bash-completion/bash_completion"
# What the bash completion must offer for a command line, its last word under the cursor.
BASH_CASES = [
    (["--format", ""], {"text", "csv", "spreadsheet", "json", "ics"}),
    (["--format", "=", "sp"], {"spreadsheet"}),
    (["--next", "h"], {"holiday"}),
    (["--calendar", ""], {"almanac", "plugin"}),
    (["--color", "al"], {"always"}),
    (["--lang", ""], {"fi", "sv", "en"}),
    (["--events", "feasts,f"], {"feasts,flags", "feasts,feasts", "feasts,finnish"}),
    (["--answer", "GetN"], {"GetNameDay="}),
    (["--days", ""], set()),
    (["--month", ""], set()),
    (["--ver"], {"--version"}),
    (["-"], {"-h", "--help", "--version", "-n", "--name", "--month", "--year", "--days",
             "--next", "--calendar", "--format", "--events", "-o", "--output", "--color",
             "--lang", "--plugin", "--answer"}),
]


def run(command, **options):
    return subprocess.run(command, stdin=subprocess.DEVNULL, capture_output=True, text=True,
                          check=False, **options)


def install(cmake, build_folder, prefix):
    result = run([cmake, "--install", build_folder, "--prefix", prefix])
    if result.returncode != 0:
        sys.exit(f"cmake --install failed:\n{result.stdout}{result.stderr}")
    installed = set()
    for folder, _, files in os.walk(prefix):
        installed |= {os.path.relpath(os.path.join(folder, name), prefix) for name in files}
    check(installed == INSTALLED, f"installed {sorted(installed)}, expected {sorted(INSTALLED)}")


def rendered_manual(path):
    """The manual page as man shows it; every warning of groff is a failure."""
    environment = dict(os.environ, LC_ALL="C.UTF-8", MANWIDTH="80", MAN_KEEP_FORMATTING="")
    result = run(["man", "--warnings", "-E", "UTF-8", "-l", path], env=environment)
    check(result.returncode == 0, f"man exit status {result.returncode}")
    check(result.stderr == "", f"man warns:\n{result.stderr}")
    return result.stdout


def bash_completions(script, words):
    """What the bash completion offers for the command line `words`, the last being the
    word under the cursor. Bash makes "=" a word of its own: ["--color", "=", ""] is the
    line "--color=" ."""
    line = ""
    for previous, word in zip([None] + words, words):
        line += word if "=" in (previous, word) or previous is None else " " + word
    program = f"""
source {BASH_COMPLETION}
source "$1"
COMP_LINE="$2"
shift 2
COMP_WORDS=("$@")
COMP_CWORD=$(($# - 1))
COMP_POINT=${{#COMP_LINE}}
_kelotarhu kelotarhu "${{COMP_WORDS[-1]}}" "${{COMP_WORDS[-2]}}"
printf '%s\\n' "${{COMPREPLY[@]}}"
"""
    result = run(["bash", "-c", program, "bash", script, line] + words)
    check(result.returncode == 0, f"bash completion of {words}: {result.stderr}")
    return set(result.stdout.split())


def check_bash(script):
    for words, expected in BASH_CASES:
        offered = bash_completions(script, ["kelotarhu"] + words)
        check(offered == expected, f"bash completes {' '.join(words)} to {sorted(offered)}")


def check_zsh(script):
    result = run(["zsh", "-n", script])
    check(result.returncode == 0, f"zsh cannot read the completion: {result.stderr}")


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    cmake, build_folder, version = sys.argv[1:]
    with tempfile.TemporaryDirectory() as prefix:
        install(cmake, build_folder, prefix)
        program = os.path.join(prefix, "bin/kelotarhu")
        result = run([program, "--version"])
        check(result.stdout == f"kelotarhu {version}\n", f"--version says {result.stdout!r}")
        result = run([program, "--lang", "fi", "6.12.2026"])
        check("Itsen\u00e4isyysp\u00e4iv\u00e4" in result.stdout, f"6.12.2026: {result.stdout}")

        manual = rendered_manual(os.path.join(prefix, "share/man/man1/kelotarhu.1.gz"))
        check(f"kelotarhu {version}" in manual, "the manual page names another version")
        flowed = " ".join(manual.split())
        check("blue" not in flowed, "the manual page promises a blue mark")
        check("2000 editions of the Finnish and the Finland-Swedish name-day lists" in flowed,
              "the manual page does not say which name-day lists the tool carries")
        check("--format text|csv|spreadsheet|json|ics" in flowed,
              "the manual page's OPTIONS lack --format and its values")
        check_zsh(os.path.join(prefix, "share/zsh/site-functions/_kelotarhu"))
        check_bash(os.path.join(prefix, "share/bash-completion/completions/kelotarhu"))
    finish(f"installed; the manual page reads without warnings and the bash completion "
           f"answers {len(BASH_CASES)} command lines as expected")

if __name__ == "__main__":
    main()
