#!/usr/bin/env python3
"""Fails when a C or C++ string or character literal holds a byte above 0x7F.

The program's texts are Windows-1252 bytes at run time in every build, and the compilers disagree on how
they store a non-ASCII character written as such (GCC can convert to a code page, clang keeps UTF-8), so
such bytes are spelled as escapes ("\\xE9" "e"). Comments may use any UTF-8.
Usage: check_literals.py ROOT  (every .c .cc .cpp .h .hpp file below ROOT, build folders left out)."""
import os
import re
import sys

SOURCE_ENDINGS = (".c", ".cc", ".cpp", ".h", ".hpp")
SKIPPED_FOLDERS = {"build", ".git"}


def literal_offences(text):
    """Yields (line, literal) for every literal with a byte above 0x7F; `text` is the file's bytes."""
    i, n, line = 0, len(text), 1
    while i < n:
        c = text[i]
        if c == 0x0A:
            line += 1
            i += 1
        elif text.startswith(b"//", i):
            end = text.find(b"\n", i)
            i = n if end < 0 else end
        elif text.startswith(b"/*", i):
            end = text.find(b"*/", i + 2)
            end = n if end < 0 else end + 2
            line += text.count(b"\n", i, end)
            i = end
        elif c == ord("R") and i + 1 < n and text[i + 1] == ord('"') and not _is_ident(text, i - 1):
            m = re.match(rb'R"([^()\\ ]{0,16})\(', text[i:])
            if not m:
                i += 1
                continue
            close = b")" + m.group(1) + b'"'
            end = text.find(close, i + m.end())
            end = n if end < 0 else end + len(close)
            yield from _check(text, i, end, line)
            line += text.count(b"\n", i, end)
            i = end
        elif c in (ord('"'), ord("'")) and not (c == ord("'") and _is_digit_separator(text, i)):
            j = i + 1
            while j < n and text[j] != c and text[j] != 0x0A:
                j += 2 if text[j] == ord("\\") else 1
            end = min(j + 1, n)
            yield from _check(text, i, end, line)
            i = end
        else:
            i += 1


def _is_ident(text, i):
    return i >= 0 and (chr(text[i]).isalnum() or text[i] == ord("_"))


def _is_digit_separator(text, i):
    # 1'000'000: a quote between two digits is no literal.
    return i > 0 and chr(text[i - 1]).isalnum() and i + 1 < len(text) and chr(text[i + 1]).isalnum()


def _check(text, start, end, line):
    if any(b > 0x7F for b in text[start:end]):
        yield line, text[start:end].decode("utf-8", "replace")


def main(argv):
    root = argv[1] if len(argv) > 1 else "."
    offences = 0
    for folder, subfolders, files in os.walk(root):
        subfolders[:] = sorted(d for d in subfolders if d not in SKIPPED_FOLDERS)
        for name in sorted(files):
            if not name.endswith(SOURCE_ENDINGS):
                continue
            path = os.path.join(folder, name)
            with open(path, "rb") as f:
                for line, literal in literal_offences(f.read()):
                    print(f"{os.path.relpath(path, root)}:{line}: non-ASCII byte in {literal}: spell it as \\x escapes")
                    offences += 1
    print(f"{offences} literal(s) with non-ASCII bytes" if offences else "every literal is ASCII")
    return 1 if offences else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
