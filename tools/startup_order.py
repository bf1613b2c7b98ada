#!/usr/bin/env python3
"""Writes app/startup-order.txt: the functions the demo runs from launch to its first shown
window, which the link lays out together (see cmake/StartupOrder.cmake). Run after changes
that move much of the start; names that no longer exist are skipped by the linker, and
functions missing from the list only cost the pages they sit on.

    tools/startup_order.py [build-dir]    profile build-dir/bench/startup_demo (default: build)

Needs valgrind (callgrind) and a build with the benchmarks.
"""

import os
import pathlib
import re
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUT = ROOT / "app" / "startup-order.txt"


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


def main():
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
