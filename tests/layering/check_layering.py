#!/usr/bin/env python3
"""Checks the include layering of the tree.

usage: check_layering.py SOURCE_DIR MODULE...   (the framework modules, lowest first)

- Files under components/ and app/ include no Qt or xcb header, except the pairs in ALLOWED:
  headers whose types the file's public contract names (or the program's main, which makes the
  application object). Qt code belongs in framework/.
- A framework module includes no module after it in the order, and nothing from components/ or
  app/; components/ include nothing from app/.

Before the tree it checks a small made-up tree with one fault of each kind, so a checker that
stopped finding faults fails too.
"""

import os
import re
import sys
import tempfile

# (file, header) pairs allowed in components/ and app/, and why.
ALLOWED = {
    # The program's main makes the QApplication before anything else exists.
    ("app/main.cpp", "QApplication"),
    # The run log is a QStringList (String is QString throughout the framework).
    ("app/DemoProgram.h", "QStringList"),
    # LoadStr returns a QString (String).
    ("app/StringTable.h", "QString"),
}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
PLATFORM = re.compile(r"^(Q|Qt|qt|xcb/|xcb\.h|X11/)")


def sources(root, top):
    for folder, _, files in os.walk(os.path.join(root, top)):
        for name in sorted(files):
            if name.endswith((".h", ".cpp")):
                path = os.path.join(folder, name)
                yield os.path.relpath(path, root).replace(os.sep, "/"), path


def includes(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return INCLUDE.findall(f.read())


def check(root, modules):
    faults = []
    for top in ("components", "app"):
        for rel, path in sources(root, top):
            for kind, header in includes(path):
                if kind == "<" and PLATFORM.match(header) and (rel, header) not in ALLOWED:
                    faults.append(f"{rel}: includes <{header}>; Qt code belongs in framework/")
                if top == "components" and header.startswith("app/"):
                    faults.append(f"{rel}: includes {header} from the program")
    rank = {m: i for i, m in enumerate(modules)}
    for rel, path in sources(root, "framework"):
        parts = rel.split("/")
        if len(parts) < 3 or parts[1] not in rank:
            continue
        mine = parts[1]
        for _, header in includes(path):
            hp = header.split("/")
            if hp[0] in ("components", "app"):
                faults.append(f"{rel}: includes {header} from above the framework")
            elif hp[0] == "framework" and len(hp) > 2 and hp[1] in rank:
                if rank[hp[1]] > rank[mine]:
                    faults.append(f"{rel}: module {mine} includes {header} from a later module")
    return faults


def self_test(modules):
    with tempfile.TemporaryDirectory() as root:
        def write(rel, text):
            path = os.path.join(root, rel)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w") as f:
                f.write(text)

        low, high = modules[0], modules[-1]
        write(f"framework/{low}/A.h", f'#include "framework/{high}/B.h"\n')
        write(f"framework/{high}/B.h", f'#include "framework/{low}/A.h"\n#include <QWidget>\n')
        write("components/x/C.cpp", "#include <QPainter>\n#include <xcb/xcb.h>\n")
        write("components/x/D.h", '#include "app/E.h"\n')
        write("app/main.cpp", "#include <QApplication>\n")
        write("app/F.cpp", '  #  include <QtCore/qnamespace.h>\n#include "framework/x/G.h"\n')
        found = check(root, modules)
        expected = 5  # A.h upward, C.cpp twice, D.h into app, F.cpp
        if len(found) != expected:
            print("layering check does not find the planted faults:", *found, sep="\n  ")
            return False
    return True


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    root, modules = sys.argv[1], sys.argv[2:]
    if not self_test(modules):
        return 1
    faults = check(root, modules)
    for f in faults:
        print(f)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
