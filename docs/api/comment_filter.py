#!/usr/bin/env python3
"""Doxygen input filter: reads a header's plain // comments as its documentation.

The headers keep ordinary comments: a block right above a declaration describes it, a comment
after a declaration on the same line describes that member, and the block under #pragma once
describes the header's class ("TName: ...") or else the file. Comments inside function bodies,
blocks not followed directly by a declaration (section notes) and lines of dashes stay plain
comments. The text is escaped so that Doxygen shows it as written; `code spans` stay code.
Line numbers are kept, so Doxygen's messages point at the header's own lines.
"""
import re
import sys

SCOPE_WORDS = re.compile(r"\b(class|struct|union|enum|namespace)\b")
HEADER_CLASS = re.compile(r"^(?:Unit\s+)?(T\w+)(?:<[^>]*>)?:")
RULE = re.compile(r"^[-=*/ ]*$")
# Doxygen commands, HTML and entities start with these outside code spans.
SPECIAL = re.compile(r"([\\@<>&#%$])")
NOT_DOCUMENTED_NEXT = re.compile(r"^(}|#\s*(include|pragma|if|ifdef|ifndef|else|elif|endif)\b|"
                                 r"(public|protected|private)\s*:)")


def split_comment(line):
    """Returns (code, comment text or None), ignoring // inside string and character literals."""
    i, n = 0, len(line)
    quote = None
    while i < n:
        c = line[i]
        if quote:
            if c == "\\":
                i += 2
                continue
            if c == quote:
                quote = None
        elif c in "\"'":
            # A digit separator (1'000) is no character literal.
            if c == "'" and i > 0 and line[i - 1].isalnum() and i + 1 < n and line[i + 1].isalnum():
                pass
            else:
                quote = c
        elif line.startswith("//", i):
            return line[:i], line[i + 2:]
        i += 1
    return line, None


def strip_literals(code):
    return re.sub(r"\"(\\.|[^\"\\])*\"|'(\\.|[^'\\])'", '""', code)


def escape(text):
    """Escapes Doxygen's special characters outside `code spans` and "quoted text", which
    Doxygen shows as written."""
    out = []
    i = 0
    while i < len(text):
        c = text[i]
        end = text.find(c, i + 1) if c in "`\"" else -1
        if end > 0:
            out.append(text[i:end + 1])
            i = end + 1
            continue
        out.append("\\" + c if SPECIAL.match(c) else c)
        i += 1
    return "".join(out)


def filter_lines(lines):
    out = list(lines)
    n = len(lines)
    comment = [None] * n  # (indent, text) of whole-line comments
    code_of = [None] * n
    preproc = [False] * n
    continued = False
    for i, line in enumerate(lines):
        stripped = line.strip()
        if continued or stripped.startswith("#"):
            preproc[i] = True
            continued = line.rstrip("\n").endswith("\\")
            continue
        code, text = split_comment(line.rstrip("\n"))
        code_of[i] = (code, text)
        if text is not None and not code.strip():
            comment[i] = (len(code), text)

    def next_code_line(i):
        while i < n and comment[i] is not None:
            i += 1
        return i

    # The header block: the first comment block, before any code.
    header = set()
    first = 0
    while first < n and (preproc[first] and lines[first].lstrip().startswith("#pragma")
                         or not lines[first].strip()):
        first += 1
    k = first
    while k < n and comment[k] is not None:
        header.add(k)
        k += 1

    # The block describes the header's class when it starts with the class's name ("TName:"),
    # else the file. The command goes on the blank line under the block where there is one.
    if header:
        m = HEADER_CLASS.match(comment[first][1].lstrip())
        named = (m and not comment[first][1].lstrip().startswith("Unit")
                 and re.search(r"\b(class|struct)\s+%s\b" % m.group(1), "".join(lines)))
        command = ("/// \\class %s\n" % m.group(1)) if named else "/// \\file\n"
        if k < n and not lines[k].strip():
            out[k] = command
        else:
            out[first] = command + out[first]

    stack = []  # True for a declaration scope, False for a body
    statement = ""
    trailing_col = None  # the column of the previous line's member comment
    for i, line in enumerate(lines):
        if preproc[i]:
            trailing_col = None
            continue
        code, text = code_of[i]
        in_body = not all(stack)
        if text is not None and not in_body:
            indent = len(code)
            body = text[1:] if text.startswith(" ") else text
            if i in header:
                out[i] = code + "///" + (" " + escape(body)).rstrip() + "\n"
            elif comment[i] is not None:
                if trailing_col is not None and indent == trailing_col:
                    out[i] = code + "///<" + (" " + escape(body)).rstrip() + "\n"
                else:
                    trailing_col = None
                    j = next_code_line(i)
                    after = lines[j].strip() if j < n else ""
                    documents = after and not NOT_DOCUMENTED_NEXT.match(after)
                    if documents and not RULE.match(body):
                        out[i] = code + "///" + (" " + escape(body)).rstrip() + "\n"
            else:
                tail = code.rstrip()
                if tail.endswith((";", ",")) or re.search(r"\w$", tail):
                    out[i] = code + "///<" + (" " + escape(body)).rstrip() + "\n"
                    trailing_col = indent
                else:
                    trailing_col = None
        elif comment[i] is None:
            trailing_col = None
        # Scope tracking on the code part.
        for c in strip_literals(code):
            if c == "{":
                decl = (not statement.strip().startswith("extern")
                        and bool(SCOPE_WORDS.search(re.sub(r"template\s*<.*?>", "", statement)))
                        and "(" not in re.sub(r"template\s*<.*?>", "", statement)
                        and "=" not in statement) or statement.strip().startswith("extern \"C\"")
                stack.append(decl and all(stack))
                statement = ""
            elif c == "}":
                if stack:
                    stack.pop()
                statement = ""
            elif c == ";":
                statement = ""
            else:
                statement += c
        statement += " "
    return out


def main():
    with open(sys.argv[1], encoding="utf-8") as f:
        lines = f.readlines()
    out = filter_lines(lines)
    text = "".join(out)
    sys.stdout.write(text)


if __name__ == "__main__":
    main()
