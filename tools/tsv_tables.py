"""What the table generators share: reading a UTF-8 TSV data file strictly, and writing
its texts as C++ string literals in the encoding the program needs.

A malformed file stops the generator, and so the build, with the file and line at fault.
"""
import sys


def fail(generator, message):
    sys.exit(f"{generator}: {message}")


def read_rows(generator, path, header, comments=False):
    """The rows after `header` as lists of fields, each with its "path:line" for messages.
    With `comments`, lines beginning with "#" are skipped wherever they stand."""
    try:
        with open(path, encoding="utf-8", newline="") as f:
            lines = f.read().split("\n")
    except UnicodeDecodeError as error:
        fail(generator, f"{path}: not UTF-8 (byte {error.start}: {error.reason})")
    if lines and lines[-1] == "":
        lines.pop()
    numbered = [(index + 1, line) for index, line in enumerate(lines)
                if not (comments and line.startswith("#"))]
    if not numbered or numbered[0][1] != header:
        fail(generator, f"{path}: the first line must be the header {header!r}")
    columns = header.count("\t") + 1
    rows = []
    for number, line in numbered[1:]:
        where = f"{path}:{number}"
        fields = line.split("\t")
        if len(fields) != columns:
            fail(generator, f"{where}: expected {columns} TAB-separated fields, got {len(fields)}")
        if any(field != field.strip() for field in fields):
            fail(generator, f"{where}: a field begins or ends with a blank")
        rows.append((where, fields))
    return rows


def write_table(output, data_name, generator, include, namespace, row_type, rows, function):
    """A C++ source file with `rows` as a constant array of `row_type`, and `function`
    that returns it as a span."""
    source = (f"// Generated from {data_name} by tools/{generator}.py; edit the TSV instead.\n"
              f"#include \"{include}\"\n\n"
              f"namespace {namespace} {{\n\n"
              "// clang-format off\n"
              f"constexpr std::array<{row_type}, {len(rows)}> kRows = {{{{\n"
              + "".join(f"    {row},\n" for row in rows)
              + "}};\n"
              "// clang-format on\n\n"
              f"std::span<const {row_type}> {function}() {{ return kRows; }}\n\n"
              f"}}  // namespace {namespace}\n")
    with open(output, "w", encoding="ascii", newline="\n") as f:
        f.write(source)


ENCODING_NAMES = {"cp1252": "Windows-1252", "utf-8": "UTF-8"}


def to_cpp_literal(generator, text, encoding, where):
    try:
        raw = text.encode(encoding)
    except UnicodeEncodeError:
        fail(generator, f"{where}: {text!r} holds a character that {ENCODING_NAMES[encoding]} "
                        "lacks")
    # Octal escapes end after three digits, so a following letter is never swallowed.
    return '"' + "".join(chr(b) if 0x20 <= b < 0x7F and b not in (0x22, 0x5C, 0x3F)
                         else f"\\{b:03o}" for b in raw) + '"'
