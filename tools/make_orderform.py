#!/usr/bin/env python3
"""Writes resources/forms/OrderForm.vqf, the order window's form description.

The two rich labels and the reseller list are RTF documents in the main window's font and
colour tables; the button's cart is resources/pictures/Cart.bmp. Every reseller, address, host
and number here is invented: hosts under example.com and example.org, telephone numbers in the
555-01xx range set aside for fiction.

    tools/make_orderform.py            rewrite the description
    tools/make_orderform.py --check    exit 1 when the stored description is out of date
"""

import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import generated  # noqa: E402
from make_mainform import B, T, control, rich_label, rtf_escape, vqf_string  # noqa: E402

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
                **{"Glyph.Data": "@" + generated.vqf_binary(
                    generated.picture("resources/pictures/Cart.bmp"), 6)},
                Layout="@blGlyphTop"),
    ]) + "\nend\n"


def main():
    target = generated.ROOT / "resources" / "forms" / "OrderForm.vqf"
    return generated.write_or_check(target, order_form(), "make_orderform.py")


if __name__ == "__main__":
    sys.exit(main())
