#!/usr/bin/env python3
"""Makes the desktop icons of the demo from its own icon (resources/images/VQDemo.ico).

Run once after the icon changes; the results are stored beside this script:
  <size>x<size>/vqdemo.png for 16, 32, 48 and 64 (ImageMagick), and vqdemo.svg, the
  32 x 32 picture as squares, so it stays crisp at any size.
"""
import os
import re
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
ICON = os.path.join(HERE, "..", "..", "resources", "images", "VQDemo.ico")
# No time stamps in the files, so making them again changes nothing.
PNG_OPTIONS = ["-strip", "-define", "png:exclude-chunks=date,time"]


def convert(*args):
    subprocess.run(["convert", ICON] + list(args), check=True)


def make_pngs():
    steps = {
        16: ["-filter", "box", "-resize", "16x16"],
        32: [],
        # Pixel art: doubled first, then smoothed down, so no row is wider than its neighbour.
        48: ["-filter", "point", "-resize", "96x96", "-filter", "triangle", "-resize", "48x48"],
        64: ["-filter", "point", "-resize", "64x64"],
    }
    for size, step in steps.items():
        folder = os.path.join(HERE, "%dx%d" % (size, size))
        os.makedirs(folder, exist_ok=True)
        convert(*(step + PNG_OPTIONS + ["PNG32:" + os.path.join(folder, "vqdemo.png")]))


def make_svg():
    text = subprocess.run(["convert", ICON, "txt:-"], check=True, capture_output=True,
                          text=True).stdout
    pixels = {}
    for line in text.splitlines()[1:]:
        m = re.match(r"(\d+),(\d+): \(.*?\)\s+#([0-9A-Fa-f]{8})", line)
        if m:
            x, y, rgba = int(m.group(1)), int(m.group(2)), m.group(3).upper()
            if rgba[6:] != "00":
                pixels[(x, y)] = "#" + rgba[:6]
    width = 1 + max(x for x, _ in pixels)
    height = 1 + max(y for _, y in pixels)
    rects = []
    for y in range(height):
        x = 0
        while x < width:
            colour = pixels.get((x, y))
            run = 1
            while x + run < width and pixels.get((x + run, y)) == colour:
                run += 1
            if colour:
                rects.append('<rect x="%d" y="%d" width="%d" height="1" fill="%s"/>'
                             % (x, y, run, colour))
            x += run
    svg = ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d" '
           'shape-rendering="crispEdges">\n' % (width, height, width, height)
           + "\n".join(rects) + "\n</svg>\n")
    folder = os.path.join(HERE, "scalable")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "vqdemo.svg"), "w") as f:
        f.write(svg)


make_pngs()
make_svg()
