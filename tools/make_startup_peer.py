#!/usr/bin/env python3
"""Writes bench/StartupPeerPages.h, the page table of the plain Qt program that bench_startup
compares the demo with: the main window's twelve pages as tools/make_mainform.py describes them,
each rich label's text converted to HTML (same fonts, sizes and colours), each button, check box
and edit at the same place.

    tools/make_startup_peer.py            rewrite the header
    tools/make_startup_peer.py --check    exit 1 when the stored header is out of date
"""

import html
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import generated  # noqa: E402
import make_mainform as mf  # noqa: E402

# The families the demo's RTF reader maps the classic names to.
FAMILIES = {mf.F_SANS: "Liberation Sans", mf.F_SERIF: "Liberation Serif",
            mf.F_COURIER: "Liberation Mono"}


def run_html(run):
    """A run in the label's own font (the body font, 8 point) needs no span."""
    text = html.escape(run.text, quote=False)
    if run.bold:
        text = "<b>%s</b>" % text
    if run.italic:
        text = "<i>%s</i>" % text
    style = []
    if run.font != mf.F_SANS:
        style.append("font-family:'%s'" % FAMILIES[run.font])
    if run.size != 8:
        style.append("font-size:%dpt" % run.size)
    if run.color:
        style.append("color:#%02x%02x%02x" % mf.COLORS[run.color])
    return "<span style=\"%s\">%s</span>" % ("; ".join(style), text) if style else text


def to_html(paragraphs, tabs=None):
    """A paragraph with a tab becomes a two-column table, the first column as wide as the tab
    stop (twips, 15 to a pixel): QLabel's rich text has no tab stops of its own."""
    out = []
    for para in paragraphs:
        if not para:
            out.append("<p style=\"margin:0\">&nbsp;</p>")
            continue
        if any(item is mf.TAB for item in para):
            at = para.index(mf.TAB)
            cells = ["".join(run_html(r) for r in para[:at]),
                     "".join(run_html(r) for r in para[at + 1:])]
            out.append("<table cellspacing=\"0\" cellpadding=\"0\"><tr><td width=\"%d\">%s</td>"
                       "<td>%s</td></tr></table>" % ((tabs or 720) // 15, cells[0], cells[1]))
            continue
        out.append("<p style=\"margin:0\">%s</p>" % "".join(run_html(r) for r in para))
    return "".join(out)


def c_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"').replace("\t", "\\t") + '"'


class Recorder:
    """Stands in for make_mainform's writers: records each control, and each sheet takes the
    controls recorded since the last one (their arguments are evaluated first)."""

    def __init__(self):
        self.pending, self.pages = [], []

    def rich_label(self, name, bounds, paragraphs, tab_order, indent, tabs=None):
        self.pending.append(("PeerRichLabel", bounds, to_html(paragraphs, tabs)))
        return ""

    def control(self, kind, name, bounds, indent, **props):
        kinds = {"TCheckBox": "PeerCheckBox", "TEdit": "PeerEdit", "TButton": "PeerButton",
                 "TVQBitmapButton": "PeerButton", "TVQAnimImage": "PeerImage"}
        self.pending.append((kinds[kind], bounds, props.get("Caption", props.get("Text", ""))))
        return ""

    def button(self, name, bounds, caption, tab_order, handler=None, indent=6):
        return self.control("TButton", name, bounds, indent, Caption=caption)

    def sheet(self, name, caption, children):
        self.pages.append((caption, self.pending))
        self.pending = []
        return ""


def header():
    rec = Recorder()
    for name in ("rich_label", "control", "button", "sheet"):
        setattr(mf, name, getattr(rec, name))
    mf.bitmap_button = lambda: rec.control("TVQBitmapButton", "", (256, 12, 104, 100), 6,
                                           Caption="VQBitmapButton1")
    mf.main_form()
    lines = ["// Written by tools/make_startup_peer.py from the main window's description; do not",
             "// edit. The pages of bench_startup's plain Qt peer; each rich label's own font is",
             "// Liberation Sans 8 point.", "", "#pragma once", "", "// clang-format off", "",
             "enum PeerKind { PeerRichLabel, PeerButton, PeerCheckBox, PeerEdit, PeerImage };", "",
             "struct PeerItem {", "    PeerKind kind;", "    int left, top, width, height;",
             "    const char* text; // HTML for a rich label", "};", "",
             "struct PeerPage {", "    const char* caption;", "    const PeerItem* items;",
             "    int count;", "};", ""]
    for i, (caption, items) in enumerate(rec.pages):
        lines.append("inline constexpr PeerItem PeerPage%dItems[] = {" % i)
        for kind, (left, top, width, height), text in items:
            lines.append("    {%s, %d, %d, %d, %d," % (kind, left, top, width, height))
            lines.append("     %s}," % c_string(text))
        lines.append("};")
    lines.append("")
    lines.append("inline constexpr PeerPage PeerPages[] = {")
    for i, (caption, items) in enumerate(rec.pages):
        lines.append("    {%s, PeerPage%dItems, %d}," % (c_string(caption), i, len(items)))
    lines.append("};")
    # The window's own buttons (after the pages in the description).
    lines.append("")
    lines.append("inline constexpr PeerItem PeerWindowItems[] = {")
    for kind, (left, top, width, height), text in rec.pending:
        lines.append("    {%s, %d, %d, %d, %d, %s}," % (kind, left, top, width, height,
                                                     c_string(text)))
    lines.append("};")
    lines.append("")
    lines.append("// clang-format on")
    return "\n".join(lines) + "\n"


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    target = root / "bench" / "StartupPeerPages.h"
    return generated.write_or_check(target, header(), "make_startup_peer.py")


if __name__ == "__main__":
    sys.exit(main())
