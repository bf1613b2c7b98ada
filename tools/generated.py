"""Shared by the scripts that write files stored in the repository (form descriptions): write
the text, or with --check only compare it with the stored file."""

import sys


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
