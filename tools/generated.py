"""Shared by the scripts that write files stored in the repository (form descriptions): write
the text, or with --check only compare it with the stored file; and the values the descriptions
spell alike."""

import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent


def write_or_check(target, text, script):
    """Writes text to target and returns 0; with --check on the command line returns 1 (and
    says so) when the stored file differs, writing nothing."""
    if "--check" in sys.argv[1:]:
        if not target.exists() or target.read_text() != text:
            print("%s is out of date: run tools/%s" % (target, script))
            return 1
        return 0
    target.write_text(text)
    return 0


def picture(path):
    """The bytes of an image file stored under the repository (resources/pictures/...): the
    pictures are drawn once and reviewed as pictures; the descriptions carry them as they are."""
    return (ROOT / path).read_bytes()


def picture_data(class_name, data):
    """The tagged data of a picture: class name length, class name, graphic data."""
    name = class_name.encode("ascii")
    return bytes([len(name)]) + name + data


def vqf_binary(data, indent):
    """A form description's binary value: '{', lines of 32 bytes in hex, '}'."""
    hexdigits = data.hex().upper()
    pad = " " * indent
    lines = [pad + hexdigits[i:i + 64] for i in range(0, len(hexdigits), 64)]
    return "{\n" + "\n".join(lines) + "}"


def quoted(text):
    return "'" + text.replace("'", "''") + "'"


def lines_value(lines, indent):
    """Lines joined by CR LF, one line of the description per line of text (hints)."""
    if len(lines) == 1:
        return quoted(lines[0])
    pad = " " * indent
    parts = [quoted(line) + ("#13#10" if i < len(lines) - 1 else "")
             for i, line in enumerate(lines)]
    return "\n" + " +\n".join(pad + p for p in parts)
