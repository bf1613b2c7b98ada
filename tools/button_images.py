#!/usr/bin/env python3
"""The main window's bitmap button pictures, drawn by code: a five-pointed star on magenta
(the bottom-left pixel, so the corners and the gaps between the points are see-through).
The normal picture is a 256-colour bitmap, shaded from a light upper left; the pressed one a
16-colour bitmap of the same star, sunk. Both keep one outline: the button shows its pictures
only within the normal picture's shape. Each function returns BMP
bytes (see gfx_images.bmp). Run directly to write both into a folder for a look."""

import math
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import gfx_images  # noqa: E402

WIDTH, HEIGHT = 104, 100
KEY = (255, 0, 255)  # the see-through colour
SHADES = 64  # gold shades of the normal picture


def _star(cx, cy, outer, inner):
    """The star's ten corners, the first point straight up."""
    points = []
    for i in range(10):
        r = outer if i % 2 == 0 else inner
        a = -math.pi / 2 + i * math.pi / 5
        points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return points


def _inside(points, x, y):
    inside = False
    j = len(points) - 1
    for i, (xi, yi) in enumerate(points):
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def _edge_distance(points, x, y):
    best = 1e9
    for i, (x1, y1) in enumerate(points):
        x2, y2 = points[(i + 1) % len(points)]
        dx, dy = x2 - x1, y2 - y1
        t = max(0.0, min(1.0, ((x - x1) * dx + (y - y1) * dy) / (dx * dx + dy * dy)))
        best = min(best, math.hypot(x - x1 - t * dx, y - y1 - t * dy))
    return best


def _star_pixels():
    """For each pixel: None outside, else (edge distance, light 0..1)."""
    cx, cy = WIDTH / 2.0 - 2, HEIGHT / 2.0 + 2
    points = _star(cx, cy, 48, 20)
    grid = []
    for y in range(HEIGHT):
        row = []
        for x in range(WIDTH):
            px, py = x + 0.5, y + 0.5
            if not _inside(points, px, py):
                row.append(None)
                continue
            # Light from the upper left, brighter towards the centre.
            d = math.hypot(px - cx, py - cy) / 48.0
            slope = ((cx - px) + (cy - py)) / 96.0
            light = max(0.0, min(1.0, 0.75 - 0.45 * d + 0.6 * slope))
            row.append((_edge_distance(points, px, py), light, slope))
        grid.append(row)
    return grid


def normal_bitmap():
    """104 by 100, 256 colours: the raised star."""
    colours = [KEY, (0, 0, 0), (96, 64, 0)]  # 0 key, 1 outline, 2 bevel shadow
    base = len(colours)
    for i in range(SHADES):
        t = i / (SHADES - 1.0)
        colours.append((int(160 + 95 * t), int(96 + 150 * t), int(0 + 140 * t * t)))
    colours += [(0, 0, 0)] * (256 - len(colours))
    px = gfx_images._grid(WIDTH, HEIGHT, 0)
    for y, row in enumerate(_star_pixels()):
        for x, cell in enumerate(row):
            if cell is None:
                continue
            edge, light, _ = cell
            if edge < 1.2:
                px[y][x] = 1
            elif edge < 3.0 and light < 0.45:
                px[y][x] = 2
            else:
                px[y][x] = base + int(light * (SHADES - 1))
    px[HEIGHT - 1][0] = 0
    return gfx_images.bmp(WIDTH, HEIGHT, 8, colours, px)


def pressed_bitmap():
    """104 by 100, 16 colours: the star in flat yellow within a sunken rim."""
    palette = list(gfx_images.VGA16)
    palette[gfx_images.FUCHSIA] = KEY
    px = gfx_images._grid(WIDTH, HEIGHT, gfx_images.FUCHSIA)
    for y, row in enumerate(_star_pixels()):
        for x, cell in enumerate(row):
            if cell is None:
                continue
            edge, _, slope = cell
            if edge < 1.2:
                px[y][x] = gfx_images.BLACK
            elif edge < 3.5:
                # Sunk: the shadow falls on the upper left rim.
                px[y][x] = gfx_images.OLIVE if slope > 0 else gfx_images.WHITE
            else:
                px[y][x] = gfx_images.YELLOW
    px[HEIGHT - 1][0] = gfx_images.FUCHSIA
    return gfx_images.bmp(WIDTH, HEIGHT, 4, palette, px)


if __name__ == "__main__":
    out = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "button_preview")
    out.mkdir(parents=True, exist_ok=True)
    (out / "normal.bmp").write_bytes(normal_bitmap())
    (out / "pressed.bmp").write_bytes(pressed_bitmap())
