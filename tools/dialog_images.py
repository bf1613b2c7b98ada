#!/usr/bin/env python3
"""The dialog units' and the demo's small images, drawn by code: the tip dialog's light bulb
and the program's icon. Run directly to write the program's icon into resources/images and
previews into a folder."""

import math
import pathlib
import sys

import gfx_images
from gfx_images import VGA16, BLACK, GRAY, NAVY, SILVER, WHITE, YELLOW, OLIVE, BLUE


def tip_light_bulb():
    """32 by 40, 256 colours, on green (the bottom-left pixel, the transparent colour): a lit
    glass bulb with a highlight, a threaded grey base and a dark contact."""
    colours = [(0, 128, 0)]  # 0: green background
    # 1..10: the glass, bright near the highlight and darker towards the rim.
    for i in range(10):
        colours.append((255, 255 - i * 9, max(0, 200 - i * 22)))
    colours += [(0, 0, 0), (232, 232, 232), (192, 192, 192), (128, 128, 128), (64, 64, 64),
                (255, 255, 255)]  # 11 outline, 12..15 base greys, 16 highlight
    colours += [(0, 0, 0)] * (256 - len(colours))
    px = [[0] * 32 for _ in range(40)]
    cx, cy, r = 16.0, 14.0, 12.0
    for y in range(40):
        for x in range(32):
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
            # the glass narrows into a neck above the base
            neck = 22 <= y < 27 and abs(x + 0.5 - cx) <= 7 - (y - 22) * 0.4
            if d <= r - 1 or neck:
                glow = math.hypot(x + 0.5 - (cx - 4), y + 0.5 - (cy - 4))
                px[y][x] = 1 + min(9, int(glow / 2.2))
            elif d <= r + 0.3 and y < 23:
                px[y][x] = 11
    for y in range(22, 27):  # the neck's outline
        half = 7 - (y - 22) * 0.4
        px[y][int(cx - half - 1)] = 11
        px[y][int(cx + half)] = 11
    for y in range(7, 11):  # the highlight
        for x in range(9, 12):
            if (x - 9) + (y - 7) < 4:
                px[y][x] = 16
    for y in range(27, 35):  # threaded base
        for x in range(10, 22):
            shade = 12 + ((y - 27) % 3) if x not in (10, 21) else 15
            px[y][x] = shade
    for y in range(35, 38):  # contact
        for x in range(13, 19):
            px[y][x] = 15 if y < 37 else 11
    px[39][0] = 0
    return gfx_images.bmp(32, 40, 8, colours, px)


def program_icon():
    """32 by 32, 16 colours: a quill over an inkwell on a rounded blue tile."""
    px = [[0] * 32 for _ in range(32)]
    clear = [[True] * 32 for _ in range(32)]
    for y in range(32):
        for x in range(32):
            # a rounded square with a 5-pixel corner radius
            qx = min(x, 31 - x)
            qy = min(y, 31 - y)
            if qx < 5 and qy < 5 and math.hypot(5 - qx - 0.5, 5 - qy - 0.5) > 5:
                continue
            clear[y][x] = False
            edge = qx == 0 or qy == 0 or (qx < 5 and qy < 5 and
                                          math.hypot(5 - qx - 0.5, 5 - qy - 0.5) > 4)
            px[y][x] = NAVY if edge else BLUE
    for y in range(4, 24):  # the quill, a slanted feather
        for x in range(32):
            t = (y - 4) / 20.0
            spine = 25 - t * 13
            if abs(x + 0.5 - spine) <= (1 - t) * 4 + 0.5:
                px[y][x] = WHITE if abs(x + 0.5 - spine) > 0.8 else SILVER
    for y in range(20, 28):  # the nib
        x = int(12 - (y - 20) * 0.5)
        px[y][x] = BLACK
    for y in range(23, 29):  # the inkwell
        for x in range(4, 14):
            px[y][x] = BLACK if y in (23, 28) or x in (4, 13) else GRAY
    for x in range(6, 12):
        px[22][x] = YELLOW if x in (6, 11) else OLIVE
    return gfx_images.ico(32, 32, VGA16, px, clear)


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    (root / "resources" / "images").mkdir(exist_ok=True)
    (root / "resources" / "images" / "VQDemo.ico").write_bytes(program_icon())
    if len(sys.argv) > 1:
        out = pathlib.Path(sys.argv[1])
        out.mkdir(parents=True, exist_ok=True)
        (out / "tipbulb.bmp").write_bytes(tip_light_bulb())
        (out / "program.ico").write_bytes(program_icon())


if __name__ == "__main__":
    main()
