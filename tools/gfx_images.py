#!/usr/bin/env python3
"""The demo's small images, drawn by code: the graphics demo window's icon, house bitmap and
light bulb, and the animation frames of the main window's image list. Each function returns the
bytes of a file format Qt reads (ICO, BMP, PNG); vqf_binary() formats bytes as a form
description's binary value. Run directly to write PNG previews into a folder."""

import math
import struct
import sys
import zlib

# The 16-colour palette (red, green, blue), index order of the classic 4-bit bitmaps.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GRAY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)


# --- Encoders ------------------------------------------------------------------------------

def _bmp_info(width, height, bits, colours):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, 0, 2835, 2835,
                       colours, 0)


def _palette(colours):
    return b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in colours)


def _rows(width, height, bits, pixels):
    """Bottom-up rows of palette indices, each padded to 4 bytes."""
    out = bytearray()
    stride = ((width * bits + 31) // 32) * 4
    for y in range(height - 1, -1, -1):
        row = bytearray()
        if bits == 8:
            row.extend(pixels[y])
        elif bits == 4:
            for x in range(0, width, 2):
                hi = pixels[y][x]
                lo = pixels[y][x + 1] if x + 1 < width else 0
                row.append((hi << 4) | lo)
        elif bits == 1:
            for x in range(0, width, 8):
                byte = 0
                for i in range(8):
                    if x + i < width and pixels[y][x + i]:
                        byte |= 0x80 >> i
                row.append(byte)
        row.extend(b"\0" * (stride - len(row)))
        out.extend(row)
    return bytes(out)


def bmp(width, height, bits, colours, pixels):
    """A BMP file of palette indices (bits 4 or 8)."""
    body = _bmp_info(width, height, bits, len(colours)) + _palette(colours)
    data = _rows(width, height, bits, pixels)
    offset = 14 + len(body)
    return b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset) + body + data


def ico(width, height, colours, pixels, transparent):
    """A one-image 4-bit ICO; transparent[y][x] true marks see-through pixels (AND mask)."""
    info = _bmp_info(width, height * 2, 4, 16) + _palette(colours)
    image = info + _rows(width, height, 4, pixels) + _rows(width, height, 1, transparent)
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", width, height, 16, 0, 1, 4, len(image), 6 + 16)
    return header + entry + image


def png_rgba(width, height, rgba):
    """A PNG of rows of (r, g, b, a) tuples."""
    raw = bytearray()
    for row in rgba:
        raw.append(0)
        for px in row:
            raw.extend(px)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


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


# --- Drawings ------------------------------------------------------------------------------

def _grid(width, height, value):
    return [[value] * width for _ in range(height)]


def _disc(cx, cy, r, x, y):
    return (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r


def picture_icon():
    """32 by 32, 16 colours: a framed landscape (sun, sky, hills) with a see-through margin."""
    px = _grid(32, 32, 0)
    clear = _grid(32, 32, True)
    for y in range(3, 29):
        for x in range(2, 30):
            clear[y][x] = False
            if x in (2, 29) or y in (3, 28):
                px[y][x] = BLACK
            elif x in (3, 28) or y in (4, 27):
                px[y][x] = OLIVE
            else:
                hill = 20 + int(3 * math.sin((x - 4) / 4.0))
                far = 17 + int(2 * math.cos((x - 2) / 3.0))
                if y >= hill:
                    px[y][x] = GREEN
                elif y >= far:
                    px[y][x] = LIME
                elif _disc(20.5, 10.5, 3.6, x, y):
                    px[y][x] = YELLOW
                elif y > 7 and 7 <= x <= 13 and (y - 8) * 3 < (x - 6):
                    px[y][x] = WHITE  # a wisp of cloud
                else:
                    px[y][x] = AQUA
    return ico(32, 32, VGA16, px, clear)


def house_bitmap():
    """32 by 40, 16 colours, on green (the bottom-left pixel): a house with a red roof."""
    px = _grid(32, 40, GREEN)
    for y in range(40):
        for x in range(32):
            if y < 22 and abs(x + 0.5 - 16) <= (y - 5) * 0.95 and y >= 6:
                px[y][x] = RED if (x + y) % 5 else MAROON  # tiles
            elif 22 <= y < 37 and 5 <= x < 27:
                px[y][x] = WHITE
            if 8 <= y < 14 and 21 <= x < 24:
                px[y][x] = GRAY  # chimney
    for y in range(26, 37):
        for x in range(13, 19):
            px[y][x] = NAVY  # door
    px[31][17] = YELLOW
    for wx in (7, 21):
        for y in range(25, 30):
            for x in range(wx, wx + 4):
                px[y][x] = BLUE if (x - wx == 1 or y == 27) else AQUA
    for x in range(32):
        px[37][x] = OLIVE  # path line under the house, green below
    px[39][0] = GREEN
    return bmp(32, 40, 4, VGA16, px)


def light_bulb_bitmap():
    """24 by 24, 256 colours, on olive (the bottom-left pixel): a lit bulb with its base."""
    colours = [(128, 128, 0)]  # 0: olive background
    # 1..8: yellow shades from the bright centre outwards; 9..11 greys of the base; 12 black.
    for i in range(8):
        colours.append((255, 255 - i * 14, 96 - i * 12))
    colours += [(200, 200, 200), (150, 150, 150), (100, 100, 100), (0, 0, 0)]
    colours += [(0, 0, 0)] * (256 - len(colours))
    px = _grid(24, 24, 0)
    for y in range(24):
        for x in range(24):
            d = math.hypot(x + 0.5 - 12, y + 0.5 - 9)
            if d <= 7.5:
                px[y][x] = 1 + min(7, int(d))
            elif d <= 8.3:
                px[y][x] = 12
    for y in range(16, 22):
        for x in range(8, 16):
            px[y][x] = 9 + (y % 3) if y < 21 else 12
    for y in range(14, 17):
        for x in range(9, 15):
            if px[y][x] == 0:
                px[y][x] = 8
    px[23][0] = 0
    return bmp(24, 24, 8, colours, px)


def anim_frames_png(count=10, size=64):
    """count frames side by side, size by size, as an RGBA PNG strip: a pinwheel of coloured
    vanes turned a little further in each frame; outside its disc the frames are see-through."""
    vanes = [(255, 0, 0), (255, 255, 0), (0, 192, 0), (0, 0, 255)]
    rows = [[(0, 0, 0, 0)] * (size * count) for _ in range(size)]
    centre = size / 2.0
    for f in range(count):
        turn = 2 * math.pi * f / count
        for y in range(size):
            for x in range(size):
                dx, dy = x + 0.5 - centre, y + 0.5 - centre
                r = math.hypot(dx, dy)
                if r > centre - 2:
                    continue
                if r > centre - 4:
                    rows[y][f * size + x] = (0, 0, 0, 255)  # rim
                    continue
                if r < 4:
                    rows[y][f * size + x] = (64, 64, 64, 255)  # hub
                    continue
                a = (math.atan2(dy, dx) - turn) % (2 * math.pi)
                vane = int(a / (math.pi / 2))
                # Each quarter is half vane, half white, so the turning shows.
                inside = (a % (math.pi / 2)) < (math.pi / 4) * (0.6 + 0.4 * r / centre)
                colour = vanes[vane] if inside else (255, 255, 255)
                rows[y][f * size + x] = colour + (255,)
    return png_rgba(size * count, size, rows)


def _preview(folder):
    """Writes the images as files for a look."""
    import pathlib
    out = pathlib.Path(folder)
    out.mkdir(parents=True, exist_ok=True)
    (out / "icon.ico").write_bytes(picture_icon())
    (out / "house.bmp").write_bytes(house_bitmap())
    (out / "bulb.bmp").write_bytes(light_bulb_bitmap())
    (out / "frames.png").write_bytes(anim_frames_png())


if __name__ == "__main__":
    _preview(sys.argv[1] if len(sys.argv) > 1 else "gfx_preview")
