"""Fails when a string literal in the plug-in's sources holds a non-ASCII character but
lacks the _cp1252 suffix: the compiler would store its UTF-8 bytes, and the host, which
reads Windows-1252, would show them garbled. Usage: check_texts_converted.py FOLDER..."""
import pathlib
import re
import sys

# A string literal (escapes skipped over) and the suffix that may follow it; comments and
# character literals are matched too, so that nothing inside them counts.
TOKEN = re.compile(r'//[^\n]*|/\*.*?\*/|\'(?:[^\'\\\n]|\\.)*\'|"((?:[^"\\\n]|\\.)*)"(\w*)', re.S)


def unconverted_literals(path):
    text = path.read_text(encoding="utf-8")
    for match in TOKEN.finditer(text):
        body, suffix = match.group(1), match.group(2)
        if body is None or body.isascii():
            continue
        # Pieces joined to a suffixed piece by concatenation take its suffix.
        rest = text[match.end():]
        following = re.match(r'(\s*"(?:[^"\\\n]|\\.)*")*\s*"(?:[^"\\\n]|\\.)*"_cp1252', rest)
        if suffix != "_cp1252" and not following:
            yield text.count("\n", 0, match.start()) + 1, body


def main(folders):
    faults = [f"{path}:{line}: \"{body}\" is not converted to Windows-1252 (add _cp1252)"
              for folder in folders
              for path in sorted(pathlib.Path(folder).rglob("*"))
              if path.suffix in (".cpp", ".h")
              for line, body in unconverted_literals(path)]
    print("\n".join(faults) if faults else f"every non-ASCII text converted in {len(folders)} folders")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
