#!/usr/bin/env python3
"""Writes app/startup-order.txt: the functions the demo runs from launch to its first shown
window, which the link lays out together (see cmake/StartupOrder.cmake). Run after changes
that move much of the start; names that no longer exist are skipped by the linker, and
functions missing from the list only cost the pages they sit on.

    tools/startup_order.py [build-dir]    profile build-dir/bench/startup_demo (default: build)
    tools/startup_order.py --check PROGRAM
                                          exit 1 when the list is out of date: more than
                                          STALE_SHARE of its names are no longer functions
                                          of PROGRAM (startup_demo)

Needs valgrind (callgrind) and a build with the benchmarks; --check needs nm.
"""

import os
import pathlib
import re
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUT = ROOT / "app" / "startup-order.txt"
# A few vanished names only cost the pages they would have shared; a renaming that takes more
# (the property accessors' cost about 0.3 MB) wants the list rewritten.
STALE_SHARE = 0.05


def ran_functions(profile, program):
    """Mangled names of the functions of program that ran, from a callgrind profile recorded
    with --demangle=no (names are compressed: "(id) name" the first time, "(id)" after)."""
    objects, names, current, ran = {}, {}, None, set()
    record = re.compile(r"^(c?ob|c?fn)=\((\d+)\)(?: (.*))?$")
    with open(profile, errors="replace") as f:
        for line in f:
            m = record.match(line.rstrip("\n"))
            if not m:
                continue
            kind, ident, name = m.groups()
            table = objects if kind.endswith("ob") else names
            if name:
                table[ident] = name
            if kind == "ob":
                current = objects.get(ident)
            elif kind == "fn" and current == program:
                ran.add(re.sub(r"'\d+$", "", names.get(ident, "")))
    # Valgrind's own labels and unnamed addresses are no symbols.
    return sorted(n for n in ran if n and not n.startswith(("(", "0x")))


def check(program):
    """1 (and what is missing) when too many listed names are not defined in program."""
    listed = OUT.read_text().split()
    symbols = subprocess.run(["nm", "--defined-only", program], check=True,
                             capture_output=True, text=True).stdout
    defined = {line.split()[-1] for line in symbols.splitlines() if line.strip()}
    gone = [n for n in listed if n not in defined]
    if len(gone) > STALE_SHARE * len(listed):
        print("%s: %d of %d names are no functions of %s (e.g. %s): run tools/startup_order.py"
              % (OUT.relative_to(ROOT), len(gone), len(listed), program, gone[0]))
        return 1
    return 0


def main():
    if sys.argv[1:2] == ["--check"] and len(sys.argv) == 3:
        sys.exit(check(sys.argv[2]))
    build = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ROOT / "build").resolve()
    program = build / "bench" / "startup_demo"
    with tempfile.TemporaryDirectory() as tmp:
        profile = os.path.join(tmp, "callgrind.out")
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        subprocess.run(["valgrind", "--tool=callgrind", "--demangle=no",
                        "--callgrind-out-file=" + profile, str(program)],
                       env=env, check=True, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        names = ran_functions(profile, str(program))
    if not names:
        sys.exit("no functions of %s in the profile" % program)
    OUT.write_text("".join(n + "\n" for n in names))
    print("%s: %d functions" % (OUT.relative_to(ROOT), len(names)))


if __name__ == "__main__":
    main()
