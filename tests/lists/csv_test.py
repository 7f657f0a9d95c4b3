#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# The tables the conversion cases expect (testdata/conversions/*.case, whose
# outputs the list tests compare byte for byte) read back by a strict CSV
# grammar, independent of the library's writers and reader: every field bare
# or quoted whole with its quotes doubled, no quote loose in a bare field,
# records ended by CR LF, LF or CR as the input's lines were.
#   tests/lists/csv_test.py [PYTEST-ARGS]

import pathlib
import re
import sys

import pytest

CASES = sorted((pathlib.Path(__file__).parent / "testdata/conversions").glob("*.case"))
# The case files' escapes outside messages: \r, \xHH, \{N}c for N times c,
# a \ ending a line for no line end, and \ before any other character.
ESCAPE = re.compile(r"\\(?:(r)|x([0-9A-Fa-f]{2})|\{(\d+)\}(.)|(\n)|(.))", re.S)


def unescaped(text):
    def one(m):
        cr, byte, times, repeated, line_end, other = m.groups()
        if cr:
            return "\r"
        if byte:
            return chr(int(byte, 16))
        if times:
            return repeated * int(times)
        return "" if line_end else other
    return ESCAPE.sub(one, text)


def expected_table(path):
    """The case's expected output when it is a table, else None."""
    headers, sections, part = {}, {}, None
    # Lines end at LF only, as the C++ runner reads them: a CR (or a byte
    # that Latin-1 makes a line break) stays in its line.
    text = path.read_bytes().decode("latin-1")
    for line in (line + "\n" for line in text.removesuffix("\n").split("\n")):
        if line.startswith("--- "):
            part = sections.setdefault(line[4:].strip(), [])
        elif part is not None:
            part.append(line)
        elif ": " in line and not line.startswith("#"):
            key, value = line[:-1].split(": ", 1)
            headers[key] = value
    written = set(headers.get("options", "").split()) | {headers.get("chose")}
    if written & {"table", "radioreference"}:
        return unescaped("".join(sections.get("output", [])))
    return None


TABLES = [pytest.param(t, id=p.stem) for p in CASES if (t := expected_table(p)) is not None]


def strict_csv(text):
    """Whether the text is RFC 4180 CSV (tab-separated when its first line has a tab)."""
    d = "\t" if "\t" in text.split("\n", 1)[0] else ","
    field = f'(?:"(?:[^"]|"")*+"|[^"{d}\r\n]*+)'
    record = f"{field}(?:{d}{field})*+"
    return re.fullmatch(f"(?:{record}(?:\r\n|\r|\n))*+(?:{record})?", text) is not None


def test_the_grammar_refuses_what_a_strict_reader_refuses():
    assert len(TABLES) >= 20, "the conversion cases hold too few tables"
    assert [strict_csv(t) for t in ('a,"b""c"\n', 'a\tb\r', 'a,b"c\n', '"a"b\n', '"a\n')] == \
        [True, True, False, False, False]


@pytest.mark.parametrize("table", TABLES)
def test_expected_table_is_strict_csv(table):
    assert strict_csv(table), table


if __name__ == "__main__":
    sys.dont_write_bytecode = True  # nothing written beside the sources
    sys.exit(pytest.main([__file__, "-p", "no:cacheprovider", "-q", *sys.argv[1:]]))
