#!/usr/bin/env python3
"""Writes resources/forms/OrderForm.vqf, the order window's form description.

The two rich labels and the reseller list are RTF documents in the main window's font and
colour tables. Every reseller, address, host and number here is invented: hosts under
example.com and example.org, telephone numbers in the 555-01xx range set aside for fiction.

    tools/make_orderform.py            rewrite the description
    tools/make_orderform.py --check    exit 1 when the stored description is out of date
"""

import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import generated  # noqa: E402
import gfx_images  # noqa: E402
from gfx_images import BLACK, GRAY, NAVY, SILVER, VGA16, WHITE, YELLOW  # noqa: E402
from make_mainform import (B, T, control, rich_label, rtf_document, rtf_escape,  # noqa: E402
                           vqf_string)

INTRO = [
    [B("Varnholt Quill Controls 2"),
     T(" is shipping now at a suggested price of US$ 99. The package holds everything "
       "shown in this demo, plus the complete source code of every component.")],
    [],
    [T("Order from one of the resellers listed below, or from any reseller of programming "
       "tools.")],
]

DIRECT = [[
    T("No reseller near you? Order directly through our "), B("online order system"),
    T(", or by e-mail, fax or telephone: press "), B("Order Online"), T(" for the details."),
]]

# Region, then (name, address, telephone, fax, e-mail, web) per reseller.
RESELLERS = [
    ("North America", [
        ("Blue Heron Developer Shop", "1200 Example Avenue, Suite 4, Sampleton",
         "555-0142", "555-0143", "orders@blueheron.example.com", "www.blueheron.example.com"),
        ("Kestrel Code Outlet", "77 Placeholder Road, Exampleburg",
         "555-0157", "555-0158", "sales@kestrel.example.org", "www.kestrel.example.org"),
    ]),
    ("Europe", [
        ("Larkspur Programmer's Store", "Musterweg 12, Beispielstadt",
         "555-0161", "555-0162", "info@larkspur.example.com", "www.larkspur.example.com"),
        ("Tidewater Toolbox", "3 Sample Quay, Fictionport",
         "555-0174", "555-0175", "shop@tidewater.example.org", "www.tidewater.example.org"),
        ("Fennimore Component Depot", "Rue de l'Exemple 8, Villefictive",
         "555-0186", "555-0187", "depot@fennimore.example.com", "www.fennimore.example.com"),
    ]),
    ("Asia and Pacific", [
        ("Southern Cross Software Supply", "45 Specimen Street, Demo Bay",
         "555-0191", "555-0192", "orders@southerncross.example.org",
         "www.southerncross.example.org"),
    ]),
]


def reseller_list():
    """The list as a rich-text document: a bold heading per region, a bulleted entry per
    reseller with its address and contact lines."""
    fonts = ("{\\fonttbl{\\f0\\fswiss MS Sans Serif;}{\\f1\\froman\\fcharset2 Symbol;}}")
    colors = "{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue128;}"
    lines = ["{\\rtf1\\ansi\\deff0\\deftab720" + fonts, colors]
    bullet = ("\\pard{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent360"
              "{\\pntxtb\\'b7}}\\fi-360\\li360")
    for region, shops in RESELLERS:
        lines.append("\\pard\\plain\\f0\\fs16\\cf1\\b %s\\par" % rtf_escape(region))
        for name, address, phone, fax, mail, web in shops:
            lines.append(
                "%s\\plain\\f0\\fs16\\b %s\\plain\\f0\\fs16\\line %s\\line Phone %s, Fax %s"
                "\\line %s, %s\\par" % (bullet, rtf_escape(name), rtf_escape(address), phone, fax,
                                       mail, web))
    return "\r\n".join(lines) + "\r\n}\r\n\0"


def cart_glyph():
    """28 x 28: a shopping cart with a parcel in it; silver around it, the bottom-left pixel
    being the transparent colour."""
    px = [[SILVER] * 28 for _ in range(28)]
    for x in range(1, 5):  # the handle
        px[4][x] = BLACK
    for y in range(4, 20):  # the back of the cart, slanting out towards the bottom
        px[y][4 + (y - 4) // 5] = BLACK
    for y in range(8, 19):  # the basket: a white box with navy wires
        for x in range(6, 25):
            px[y][x] = WHITE if (x + y) % 4 else NAVY
    for x in range(5, 26):
        px[8][x] = px[18][x] = BLACK
    for y in range(8, 19):
        px[y][25] = BLACK
    for y in range(3, 8):  # a parcel sticking out of the basket
        for x in range(12, 21):
            px[y][x] = YELLOW
    for x in range(12, 21):
        px[3][x] = BLACK
    for y in range(3, 8):
        px[y][12] = px[y][20] = BLACK
    for x in range(7, 25):  # the frame under the basket
        px[21][x] = GRAY
    for cx in (9, 21):  # the wheels
        for y in range(22, 26):
            for x in range(cx - 2, cx + 2):
                px[y][x] = BLACK
    return gfx_images.bmp(28, 28, 4, VGA16, px)


def order_form():
    rich_edit = "\n".join([
        "  object VQRichEdit1: TVQRichEdit",
        "    Left = 12",
        "    Top = 128",
        "    Width = 401",
        "    Height = 101",
        "    ReadOnly = True",
        "    ScrollBars = ssVertical",
        "    TabOrder = 1",
        "    RichText =",
        vqf_string(reseller_list(), 6),
        "  end"])
    return "\n".join([
        "object OrderFm: TOrderFm",
        "  Left = 200",
        "  Top = 120",
        "  BorderIcons = [biSystemMenu]",
        "  BorderStyle = bsDialog",
        "  Caption = 'Order Information'",
        "  ClientHeight = 305",
        "  ClientWidth = 427",
        "  Font.Charset = DEFAULT_CHARSET",
        "  Font.Color = clWindowText",
        "  Font.Height = -11",
        "  Font.Name = 'MS Sans Serif'",
        "  Font.Style = []",
        "  Position = poScreenCenter",
        "  PixelsPerInch = 96",
        "  TextHeight = 13",
        rich_label("VQRichLabel1", (12, 12, 405, 78), INTRO, 0, 2),
        control("TLabel", "Label1", (12, 108, 198, 13), 2,
                Caption="Scroll this list to find a reseller in your area."),
        rich_edit,
        rich_label("VQRichLabel2", (12, 240, 313, 52), DIRECT, 2, 2),
        control("TBitBtn", "BitBtn1", (340, 240, 75, 57), 2, Caption="Order Online",
                TabOrder=3, OnClick="@BitBtn1Click",
                **{"Glyph.Data": "@" + gfx_images.vqf_binary(cart_glyph(), 6)},
                Layout="@blGlyphTop"),
    ]) + "\nend\n"


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    target = root / "resources" / "forms" / "OrderForm.vqf"
    return generated.write_or_check(target, order_form(), "make_orderform.py")


if __name__ == "__main__":
    sys.exit(main())
