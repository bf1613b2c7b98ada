#!/usr/bin/env python3
"""The print wizard's pictures, drawn by code: the 120 by 226 picture every page but the last
shares (16 colours: a document going into a printer, on teal) and the last page's own picture
(256 colours: the printed page with a check mark, on teal shading into dark teal). The
bottom-left pixel is the teal the images take as their colour. Run directly to write BMP
previews into a folder."""

import math
import sys

import gfx_images
from gfx_images import (BLACK, GRAY, GREEN, LIME, NAVY, SILVER, TEAL, WHITE, YELLOW, VGA16,
                        bmp)

W, H = 120, 226


def _fill(px, x0, y0, x1, y1, value):
    for y in range(max(0, y0), min(len(px), y1)):
        for x in range(max(0, x0), min(len(px[0]), x1)):
            px[y][x] = value


def _frame(px, x0, y0, x1, y1, value):
    _fill(px, x0, y0, x1, y0 + 1, value)
    _fill(px, x0, y1 - 1, x1, y1, value)
    _fill(px, x0, y0, x0 + 1, y1, value)
    _fill(px, x1 - 1, y0, x1, y1, value)


def _document(px, x0, y0, w, h, paper, ink, edge, shade):
    """A sheet with a folded corner, a heading and lines of text."""
    _fill(px, x0 + 3, y0 + 3, x0 + w + 3, y0 + h + 3, shade)  # its shadow
    _fill(px, x0, y0, x0 + w, y0 + h, paper)
    _frame(px, x0, y0, x0 + w, y0 + h, edge)
    for i in range(8):  # the folded corner
        for j in range(8 - i):
            px[y0 + i][x0 + w - 8 + i + j] = shade if j == 0 else edge if i == 0 else paper
    _fill(px, x0 + 6, y0 + 7, x0 + w - 14, y0 + 10, ink)
    for row, y in enumerate(range(y0 + 16, y0 + h - 6, 5)):
        end = x0 + w - 6 - (row * 7) % 17
        _fill(px, x0 + 6, y, end, y + 1, ink)


def _printer(px, top, body, light, dark, slot, paper, lamp):
    """A printer whose body starts at top: paper feeding in behind, a tray in front."""
    _fill(px, 30, top - 26, 90, top + 2, paper)  # the sheet going in
    _frame(px, 30, top - 26, 90, top + 2, dark)
    for y in range(top - 20, top - 4, 4):
        _fill(px, 35, y, 82, y + 1, light)
    _fill(px, 10, top, 110, top + 44, body)
    _fill(px, 10, top, 110, top + 2, light)  # lit top edge
    _fill(px, 10, top, 12, top + 44, light)
    _fill(px, 10, top + 42, 110, top + 44, dark)  # shaded bottom and right
    _fill(px, 108, top, 110, top + 44, dark)
    _fill(px, 22, top + 12, 98, top + 16, slot)  # the output slot
    _fill(px, 86, top + 26, 102, top + 30, dark)  # buttons
    _fill(px, 18, top + 27, 22, top + 31, lamp)
    _fill(px, 14, top + 44, 106, top + 50, dark)  # the tray
    _fill(px, 18, top + 44, 102, top + 47, paper)


def shared_picture():
    """16 colours: a document with an arrow down into a printer."""
    px = [[TEAL] * W for _ in range(H)]
    _document(px, 26, 14, 64, 82, WHITE, NAVY, BLACK, BLACK)
    for y in range(104, 124):  # the arrow: a shaft, then a head
        _fill(px, 55, y, 65, y + 1, YELLOW)
    for i in range(10):
        _fill(px, 48 + i, 124 + i, 72 - i, 125 + i, YELLOW)
    _printer(px, 164, SILVER, WHITE, GRAY, BLACK, WHITE, LIME)
    px[H - 1][0] = TEAL
    return bmp(W, H, 4, VGA16, px)


def done_picture():
    """256 colours: teal shading down into dark teal; the printer with its printed page on the
    tray and a green check mark."""
    colours = [(0, 128, 128)]  # 0: teal, the image's colour
    shades = 40  # 1..40: teal to dark teal, top to bottom
    for i in range(shades):
        f = i / (shades - 1)
        colours.append((0, int(160 - 96 * f), int(160 - 96 * f)))
    named = {"white": (255, 255, 255), "silver": (192, 192, 192), "gray": (128, 128, 128),
             "black": (0, 0, 0), "navy": (0, 0, 128), "lime": (0, 255, 0),
             "green": (0, 160, 0), "dark green": (0, 96, 0), "shadow": (0, 48, 48)}
    index = {}
    for name, rgb in named.items():
        index[name] = len(colours)
        colours.append(rgb)
    colours += [(0, 0, 0)] * (256 - len(colours))

    px = [[1 + min(shades - 1, y * shades // H)] * W for y in range(H)]
    _document(px, 24, 18, 72, 92, index["white"], index["navy"], index["black"],
              index["shadow"])
    # A thick check mark across the page's lower right, outlined in dark green.
    def near(x, y, ax, ay, bx, by, r):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / float(dx * dx + dy * dy)))
        return math.hypot(x - ax - t * dx, y - ay - t * dy) <= r
    for y in range(50, 130):
        for x in range(30, 118):
            for r, colour in ((5.5, "green"), (7.5, "dark green")):
                if near(x + 0.5, y + 0.5, 52, 92, 66, 110, r) or \
                   near(x + 0.5, y + 0.5, 66, 110, 104, 60, r):
                    px[y][x] = index[colour]
                    break
    _printer(px, 160, index["silver"], index["white"], index["gray"], index["black"],
             index["white"], index["lime"])
    for y in range(H - 8, H):  # a solid teal foot: the colour the image takes
        for x in range(W):
            px[y][x] = 0
    return bmp(W, H, 8, colours, px)


if __name__ == "__main__":
    import pathlib
    out = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "wizard_preview")
    out.mkdir(parents=True, exist_ok=True)
    (out / "shared.bmp").write_bytes(shared_picture())
    (out / "done.bmp").write_bytes(done_picture())
