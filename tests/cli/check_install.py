#!/usr/bin/env python3
"""Installs the kelotarhu tool with `cmake --install` into a scratch prefix, runs the
installed program, renders its manual page with man, tries its bash completion, and
checks that --help, the manual page and both completions offer the same options with
the same values.

Usage: check_install.py CMAKE BUILD_FOLDER VERSION
"""
import os
import re
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
OPTION = re.compile(r"(?<![\w-])(--?[a-z][a-z-]*)")
# An option with its values: "--format text|csv|json" (or "=" before the values).
VALUES = re.compile(r"(?<![\w-])(--[a-z][a-z-]*)[ =]([a-z]+(?:\|[a-z]+)+)")
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


def options_and_values(text):
    return set(OPTION.findall(text)), dict(VALUES.findall(text))


def rendered_manual(path):
    """The manual page as man shows it; every warning of groff is a failure."""
    environment = dict(os.environ, LC_ALL="C.UTF-8", MANWIDTH="80", MAN_KEEP_FORMATTING="")
    result = run(["man", "--warnings", "-E", "UTF-8", "-l", path], env=environment)
    check(result.returncode == 0, f"man exit status {result.returncode}")
    check(result.stderr == "", f"man warns:\n{result.stderr}")
    return result.stdout


def manual_options(manual):
    """The options of the OPTIONS section: its tag lines, indented by 7 blanks."""
    section = re.search(r"^OPTIONS\n(.*?)^\S", manual, re.S | re.M)
    check(section is not None, "the manual page has no OPTIONS section")
    tags = [line for line in (section.group(1) if section else "").splitlines()
            if re.match(r"^ {7}-", line)]
    return options_and_values("\n".join(tags))


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


def check_bash(script, options, values):
    offered = bash_completions(script, ["kelotarhu", "-"])
    check(offered == options, f"bash completes '-' to {sorted(offered)}, not {sorted(options)}")
    for option, value_list in values.items():
        expected = set(value_list.split("|"))
        for words in ([option, ""], [option, "=", ""]):
            offered = bash_completions(script, ["kelotarhu"] + words)
            check(offered == expected, f"bash completes {' '.join(words)} to {sorted(offered)}")
    offered = bash_completions(script, ["kelotarhu", "--color", "al"])
    check(offered == {"always"}, f"bash completes --color al to {sorted(offered)}")
    offered = bash_completions(script, ["kelotarhu", "--answer", "GetN"])
    check(offered == {"GetNameDay="}, f"bash completes --answer GetN to {sorted(offered)}")


def zsh_options(script):
    """The options and value lists in the zsh completion's _arguments specifications."""
    result = run(["zsh", "-n", script])
    check(result.returncode == 0, f"zsh cannot read the completion: {result.stderr}")
    with open(script, encoding="utf-8") as file:
        text = file.read()
    # An option entry: [(excluded)]option[=][description]:message:(values); braces give two names.
    names = set(re.findall(r"(?:^|[\s'\")}*])(--?[a-z][a-z-]*)=?\[", text, re.M))
    names |= {name for pair in re.findall(r"\{(-\w),(--[a-z-]+)\}", text) for name in pair}
    values = {option: "|".join(choices.split()) for option, choices in
              re.findall(r"(--[a-z][a-z-]*)=?\[[^]]*\]:[^:]*:\(([a-z ]+)\)", text)}
    return names, values


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

        help_options, help_values = options_and_values(run([program, "--lang", "en", "--help"]).stdout)
        check(help_values, "--help names no values of an option")
        manual = rendered_manual(os.path.join(prefix, "share/man/man1/kelotarhu.1.gz"))
        check(f"kelotarhu {version}" in manual, "the manual page names another version")
        flowed = " ".join(manual.split())
        check("blue" not in flowed, "the manual page promises a blue mark")
        check("2000 editions of the Finnish and the Finland-Swedish name-day lists" in flowed,
              "the manual page does not say which name-day lists the tool carries")
        for source, (options, values) in [
                ("the manual page", manual_options(manual)),
                ("the zsh completion",
                 zsh_options(os.path.join(prefix, "share/zsh/site-functions/_kelotarhu")))]:
            check(options == help_options,
                  f"{source} has the options {sorted(options)}, --help {sorted(help_options)}")
            check(values == help_values, f"{source} has the values {values}, --help {help_values}")
        check_bash(os.path.join(prefix, "share/bash-completion/completions/kelotarhu"),
                   help_options, help_values)
    finish(f"installed, manual page and completions agree with --help on {len(help_options)} "
          f"options and {len(help_values)} value lists")


if __name__ == "__main__":
    main()
