#!/usr/bin/env python3
"""Writes resources/forms/MainForm.vqf, the main window's form description.

The page descriptions are rich labels whose RichText is an RTF document as the rich-text control
streams it out: one font and one colour table for every label, body text 8 point, "}\\r\\n" and a
NUL at the end. Writing them here keeps the tables identical and the escaping right.

    tools/make_mainform.py            rewrite the description
    tools/make_mainform.py --check    exit 1 when the stored description is out of date
"""

import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import generated  # noqa: E402

FONTS = [  # index, family class, charset, name
    (0, "fswiss", None, "MS Sans Serif"),
    (1, "froman", 2, "Symbol"),
    (2, "fswiss", None, "System"),
    (3, "froman", None, "MS Serif"),
    (4, "fmodern", None, "Courier New"),
]
COLORS = [(0, 0, 0), (0, 0, 128), (255, 0, 0), (128, 0, 128)]  # black, navy, red, purple
F_SANS, F_SERIF, F_COURIER = 0, 3, 4
C_NAVY, C_RED, C_PURPLE = 1, 2, 3


class Run:
    def __init__(self, text, bold=False, italic=False, font=F_SANS, size=8, color=0):
        self.text, self.bold, self.italic = text, bold, italic
        self.font, self.size, self.color = font, size, color


def T(text, **kw):
    return Run(text, **kw)


def B(text, **kw):
    return Run(text, bold=True, **kw)


TAB = object()  # a tab character inside a paragraph


def rtf_escape(text):
    out = []
    for ch in text:
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ord(ch) > 126:
            raise ValueError("keep the texts ASCII: %r" % ch)
        else:
            out.append(ch)
    return "".join(out)


def run_codes(run):
    codes = "\\plain\\f%d\\fs%d" % (run.font, run.size * 2)
    if run.color:
        codes += "\\cf%d" % run.color
    if run.bold:
        codes += "\\b"
    if run.italic:
        codes += "\\i"
    return codes


def rtf_document(paragraphs, tabs=None):
    """paragraphs: lists of runs (or TAB); an empty list is an empty line. tabs: a tab stop in
    twips for every paragraph."""
    fonts = "".join(
        "{\\f%d\\%s%s %s;}" % (i, fam, "\\fcharset%d" % cs if cs is not None else "", name)
        for i, fam, cs, name in FONTS)
    colors = "".join("\\red%d\\green%d\\blue%d;" % c for c in COLORS)
    lines = ["{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl%s}" % fonts,
             "{\\colortbl%s}" % colors]
    body = "\\deflang1033\\pard" + ("\\tx%d" % tabs if tabs else "")
    current = None
    for para in paragraphs:
        if not para:
            body += run_codes(Run("")) + "\\par"
            current = None
        delimit = False  # a control word just written needs a space before plain text
        for item in para:
            if item is TAB:
                body += "\\tab"
                delimit = True
                continue
            codes = run_codes(item)
            if codes != current:
                body += codes
                current = codes
                delimit = True
            body += (" " if delimit else "") + rtf_escape(item.text)
            delimit = False
        if para:
            body += "\\par"
        lines.append(body)
        body = ""
    return "\r\n".join(lines) + "\r\n}\r\n\0"


def vqf_string(value, indent):
    """A form-description string: quoted parts, #nn codes, '+' between lines of about 64."""
    pieces = []
    quoted = ""
    for ch in value:
        if 32 <= ord(ch) < 127:
            quoted += "''" if ch == "'" else ch
        else:
            if quoted:
                pieces.append("'" + quoted + "'")
                quoted = ""
            pieces.append("#%d" % ord(ch))
        if len(quoted) >= 64:
            pieces.append("'" + quoted + "'")
            quoted = ""
    if quoted:
        pieces.append("'" + quoted + "'")
    lines, line = [], ""
    for p in pieces:
        # #13#10 stay on the line they end; a new quoted part starts a new line when long.
        if line and p.startswith("'") and len(line) + len(p) > 66:
            lines.append(line)
            line = ""
        line += p
    lines.append(line)
    pad = " " * indent
    return "\n".join(pad + l + (" +" if i < len(lines) - 1 else "") for i, l in enumerate(lines))


# ---------------------------------------------------------------------------------------------
# The page texts.

WELCOME = [
    [B("Welcome to the Varnholt Quill Controls 2 demo!", font=F_SERIF, size=11, color=C_NAVY)],
    [],
    [B("Varnholt Quill Controls 2"),
     T(" is a package of more than two dozen controls and functions for Windows 95 "
       "applications: calendars, borders, images and meters, buttons, a wizard, rich text, "
       "tray icons, hot keys, dialogs and shell functions.")],
    [],
    [T("Each page of this demo presents one group. Read the description, then try the "
       "controls on the page or press "), B("Show..."), T(" to open a window full of them.")],
]

BORDERS = [[
    B("TVQBorder"), T(", "), B("TVQImage"), T(" and "), B("TVQMeter"),
    T(" are light graphic controls that follow the Windows 95 guidelines: "),
    B("borders"), T(" and group frames, "), B("images"),
    T(" with placement styles and transparency, and "), B("meters"),
    T(" drawn as bars or LED blocks."),
]]

BITMAP_BUTTON = [[
    B("TVQBitmapButton"),
    T(" makes transparent, irregularly shaped buttons, with an image for each of the "),
    B("normal"), T(", "), B("pushed"), T(", "), B("disabled"), T(" and "), B("focused"),
    T(" states."),
]]

MENU_SPLITTER = [[
    T("The "), B("menu button"),
    T(" drops down a menu of actions or choices, and the "), B("splitter"),
    T(" divides an area into two resizable panes: standard controls of today's leading "
      "applications, ready to drop on your forms."),
]]

CALENDAR = [[
    B("TVQCalendar"), T(" is a month calendar for selecting dates, for personal information "
                        "managers and for daily data. The "), B("popup calendar"),
    T(" drops down automatically and returns the chosen date."),
]]

RICH_LABEL = [
    [B("TVQRichLabel"),
     T(" shows formatted text without a line of code: fonts, sizes, colours and paragraphs "
       "all come from its "), B("RichText"), T(" property.")],
    [],
    [T("You can use another font, such as "), T("Courier New", font=F_COURIER),
     T(", a larger size, such as "), T("10 point", size=10), T(", or a colour, such as "),
     T("red", color=C_RED), T(".")],
    [],
    [T("At design time the "), B("rich text property editor"),
     T(" lets you type and format the text with a tool bar, much like a word processor: bold, "
       "italic and underlined text, fonts, sizes, colours and paragraph alignment.")],
    [],
    [T("The label sizes itself to its text ("), B("AutoSize"),
     T("), wraps its lines to its width ("), B("WordWrap"),
     T(") and takes the colour of the form it sits on ("), B("ParentColor"), T(").")],
    [],
    [T("Labels like this one describe every page of this demo and every page of the sample "
       "wizard.")],
    [],
    [T("This label is taller than its page, so the page cuts it off here. The rest of the "
       "text is there all the same.")],
    [],
    [T("Rich labels never take the focus and never show a caret: they are for reading.")],
]

ANIM_IMAGE = [
    [B("TVQAnimImage"), T(" steps through the frames of an "), B("image list"),
     T(" on a timer. Give it the image list and a "), B("Period"),
     T(", switch on "), B("Animate"), T(", and there is nothing more to do.")],
    [],
    [T("Check "), B("Animate image"), T(" to start the animation.")],
]

TRAY_ICON = [[
    B("TVQTrayIcon"), T(" puts your program into the notification area of the task bar, with "
                        "an "), B("icon"), T(", a "), B("hint text"), T(", an automatic "),
    B("popup menu"), T(" and "), B("mouse events"), T("."),
]]

TRAY_HINT = [[
    T("Try the "), B("right mouse button"), T(" or a "), B("double click"),
    T(" on the task bar icon."),
]]

WIZARD = [[
    B("TVQWizard"), T(" builds step-by-step dialogs with "), B("Back"), T(", "), B("Next"),
    T(", "), B("Finish"), T(", "), B("Cancel"), T(" and "), B("Help"),
    T(" buttons. The sample print wizard needs nothing more than a few images and rich labels."),
]]

HOT_KEY = [[
    B("TVQHotKey"), T(" fires an event when its key combination is pressed. A "), B("global"),
    T(" hot key fires whatever application has the focus; a "), B("local"),
    T(" hot key fires only while this application is active, even past a modal window. "
      "Try both:"),
]]

HOT_KEY_LOCAL = [[B("Ctrl+L", color=C_PURPLE), TAB,
                  T("Local hot key, only works if an application form is active.")]]
HOT_KEY_GLOBAL = [[B("Ctrl+G", color=C_PURPLE), TAB,
                   T("Global hot key, works no matter what application is active.")]]

DIALOGS = [[B("TVQAboutDialog"), T(" and "), B("TVQTipDialog"),
            T(": about boxes and tips of the day.")]]

SHELL = [[T("Browse "), B("program folders"), T(", "), B("paths"), T(" and "), B("networks"),
          T(", find "), B("system folders"), T(" and make "), B("shortcuts"), T(".")]]

# ---------------------------------------------------------------------------------------------
# The window.

LABELS = """\
  object Label2: TLabel
    Left = 12
    Top = 312
    Width = 273
    Height = 16
    Caption = 'Visit us at www.example.com:'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clPurple
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = %(bold)s
    ParentFont = False
  end
  object Label4: TLabel
    Left = 12
    Top = 344
    Width = 284
    Height = 16
    Caption = 'Place an order with your favorite reseller:'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clPurple
    Font.Height = -13
    Font.Name = 'MS Sans Serif'
    Font.Style = %(bold)s
    ParentFont = False
  end
"""



def rich_label(name, bounds, paragraphs, tab_order, indent, tabs=None):
    pad = " " * indent
    left, top, width, height = bounds
    return "\n".join([
        "%sobject %s: TVQRichLabel" % (pad, name),
        "%s  Left = %d" % (pad, left),
        "%s  Top = %d" % (pad, top),
        "%s  Width = %d" % (pad, width),
        "%s  Height = %d" % (pad, height),
        "%s  ParentColor = True" % pad,
        "%s  TabOrder = %d" % (pad, tab_order),
        "%s  TabStop = False" % pad,
        "%s  RichText =" % pad,
        vqf_string(rtf_document(paragraphs, tabs), indent + 4),
        "%send" % pad,
    ])


def control(kind, name, bounds, indent, **props):
    pad = " " * indent
    left, top, width, height = bounds
    lines = ["%sobject %s: %s" % (pad, name, kind),
             "%s  Left = %d" % (pad, left), "%s  Top = %d" % (pad, top),
             "%s  Width = %d" % (pad, width), "%s  Height = %d" % (pad, height)]
    for key, value in props.items():
        if isinstance(value, str) and not value.startswith("@"):
            value = "'" + value.replace("'", "''") + "'"
        elif isinstance(value, str):
            value = value[1:]  # an identifier
        elif isinstance(value, bool):
            value = "True" if value else "False"
        lines.append("%s  %s = %s" % (pad, key, value))
    lines.append("%send" % pad)
    return "\n".join(lines)


def button(name, bounds, caption, tab_order, handler=None, indent=6):
    props = {"Caption": caption, "TabOrder": tab_order}
    if handler:
        props["OnClick"] = "@" + handler
    return control("TButton", name, bounds, indent, **props)


def sheet(name, caption, children):
    return "\n".join(["    object %s: TTabSheet" % name,
                      "      Caption = '%s'" % caption.replace("'", "''")] + children +
                     ["    end"])


def picture(name, indent):
    """A picture of resources/pictures as the binary value of a description."""
    return generated.vqf_binary(generated.picture("resources/pictures/" + name), indent)


def bitmap_button():
    """VQBitmapButton1 with its star pictures: the normal one raised, the pressed one sunk, on
    magenta (the bottom-left pixel, so the corners and the gaps between the points are
    see-through). Both keep one outline: the button shows its pictures only within the normal
    picture's shape."""
    return control("TVQBitmapButton", "VQBitmapButton1", (256, 12, 104, 100), 6, **{
        "Caption": "VQBitmapButton1", "TabOrder": 1,
        "BitmapNormal.Data": "@" + picture("StarNormal.bmp", 10),
        "BitmapPressed.Data": "@" + picture("StarPressed.bmp", 10)})


def dialog_components():
    """VQAboutDialog1 and VQTipDialog1, the components behind the dialog page's buttons."""
    tips = ["Don't cross the street on a red light.", "Never follow a horse while looking down.",
            "Never follow a horse while looking up.", "You get the idea..."]
    return "\n".join([
        "  object VQAboutDialog1: TVQAboutDialog",
        "    Caption = 'About'",
        "    Copyright = %s" % vqf_string("Copyright \u00a9 2026 The Author", 6).lstrip(),
        "    CustomButton = '&Custom Stuff'",
        "    Description = %s" % vqf_string(
            "Published by the Varnholt Quill Controls team.\r\n", 6).lstrip(),
        "    Product = 'Varnholt Quill Controls - v1.1'",
        "    Serial = 'Serial number: 0000-0000-0000'",
        "    OnCustomClick = VQAboutDialog1CustomClick",
        "    OnIconDblClick = VQAboutDialog1IconDblClick",
        "  end",
        "  object VQTipDialog1: TVQTipDialog",
        "    HelpContext = 1000",
        "    MoreTipsContext = 1001",
        "    ShowAtStartup = False",
        "    Tips = (",
    ] + [vqf_string(t, 6) for t in tips[:-1]] + [vqf_string(tips[-1], 6) + ")", "  end"])


def image_list():
    """ImageList1: the ten 64 by 64 frames of VQAnimImage1, a pinwheel turning."""
    return "\n".join([
        "  object ImageList1: TImageList",
        "    Height = 64",
        "    Width = 64",
        "    Bitmap = %s" % picture("Pinwheel.png", 6),
        "  end"])


def shell_components():
    """The tray icon with its menu and the two hot keys (Ctrl+L local, Ctrl+G global)."""
    return "\n".join([
        "  object TrayIconTi: TVQTrayIcon",
        "    Hint = 'This is a sample hint!'",
        "    Icon.Data = %s" % picture("TrayQuill.ico", 6),
        "    PopupMenu = PopupMenu1",
        "    OnDblClick = TrayIconTiDblClick",
        "  end",
        "  object PopupMenu1: TPopupMenu",
        "    object A1: TMenuItem",
        "      Caption = '&Activate'",
        "      Default = True",
        "      OnClick = A1Click",
        "    end",
        "    object N1: TMenuItem",
        "      Caption = 'E&xit'",
        "    end",
        "  end",
        "  object VQHotKey1: TVQHotKey",
        "    Global = False",
        "    HotKey = 16460",
        "    OnHotKey = VQHotKey1HotKey",
        "  end",
        "  object VQHotKey2: TVQHotKey",
        "    HotKey = 16455",
        "    OnHotKey = VQHotKey2HotKey",
        "  end"])


def main_form():
    pages = [
        sheet("WelcomeWp", "Welcome!", [
            rich_label("VQRichLabel9", (16, 8, 365, 120), WELCOME, 0, 6)]),
        sheet("TabSheet1", "Border, Image, and Meter", [
            rich_label("VQRichLabel6", (8, 16, 257, 70), BORDERS, 1, 6),
            button("Form2Bt", (292, 16, 89, 25), "Show...", 0, "Form2BtClick")]),
        sheet("TabSheet11", "Bitmap button", [
            rich_label("VQRichLabel14", (8, 16, 237, 57), BITMAP_BUTTON, 0, 6),
            bitmap_button()]),
        sheet("TabSheet2", "Menu button and Splitter", [
            rich_label("VQRichLabel5", (8, 16, 257, 70), MENU_SPLITTER, 1, 6),
            button("Form3Bt", (292, 16, 89, 25), "Show...", 0, "Form3BtClick")]),
        sheet("TabSheet3", "Calendar", [
            rich_label("VQRichLabel4", (8, 16, 256, 57), CALENDAR, 3, 6),
            button("Button1", (292, 16, 89, 25), "Popup", 0, "Button1Click"),
            button("Button2", (292, 48, 89, 25), "Standard", 1, "Button2Click"),
            button("Button3", (292, 80, 89, 25), "Read Only", 2, "Button3Click")]),
        sheet("TabSheet7", "Rich label", [
            rich_label("VQRichLabel7", (8, 16, 377, 592), RICH_LABEL, 0, 6)]),
        sheet("TabSheet10", "Anim image", [
            control("TVQAnimImage", "VQAnimImage1", (292, 16, 89, 70), 6, BorderSpace=3,
                    ImageList="@ImageList1", Index=9, Period=1000),
            control("TCheckBox", "AnimateCb", (292, 100, 97, 17), 6, Caption="Animate image",
                    TabOrder=0, OnClick="@AnimateCbClick"),
            rich_label("VQRichLabel13", (8, 16, 256, 141), ANIM_IMAGE, 1, 6)]),
        sheet("TabSheet8", "Tray icon", [
            control("TCheckBox", "ShowTrayIconCb", (292, 16, 97, 17), 6,
                    Caption="Show tray icon", TabOrder=0, OnClick="@ShowTrayIconCbClick"),
            rich_label("VQRichLabel2", (8, 16, 257, 57), TRAY_ICON, 1, 6),
            rich_label("VQRichLabel15", (292, 40, 97, 16), TRAY_HINT, 2, 6)]),
        sheet("TabSheet6", "Wizard", [
            rich_label("VQRichLabel8", (8, 16, 257, 57), WIZARD, 1, 6),
            button("Form4Bt", (292, 16, 89, 25), "Show...", 0, "Form4BtClick")]),
        sheet("TabSheet9", "Hot key", [
            rich_label("VQRichLabel10", (8, 16, 377, 70), HOT_KEY, 0, 6),
            rich_label("VQRichLabel11", (24, 104, 333, 16), HOT_KEY_LOCAL, 1, 6, tabs=720),
            rich_label("VQRichLabel12", (24, 124, 333, 16), HOT_KEY_GLOBAL, 2, 6, tabs=720)]),
        sheet("TabSheet4", "Dialog controls", [
            rich_label("VQRichLabel1", (8, 16, 257, 16), DIALOGS, 2, 6),
            button("AboutBt", (292, 16, 89, 25), "About...", 0, "AboutBtClick"),
            button("TipsBt", (292, 48, 89, 25), "Tips...", 1, "TipsBtClick")]),
        sheet("TabSheet5", "Shell functions", [
            rich_label("VQRichLabel3", (8, 16, 373, 16), SHELL, 6, 6),
            control("TEdit", "ProgramsEd", (20, 62, 261, 21), 6, TabOrder=0),
            button("BrowseProgramsBt", (292, 60, 89, 25), "Programs...", 1,
                   "BrowseProgramsBtClick"),
            control("TEdit", "FoldersEd", (20, 92, 261, 21), 6, TabOrder=2),
            button("BrowseFoldersBt", (292, 90, 89, 25), "Folders...", 3, "BrowseFoldersBtClick"),
            control("TEdit", "ShortcutEd", (20, 122, 261, 21), 6, TabOrder=4,
                    Text="Sample Shortcut"),
            button("ShortcutBt", (292, 120, 89, 25), "Make Shortcut", 5, "ShortcutBtClick")]),
    ]
    bold = "[fsBold]"
    header = """\
object MainFm: TMainFm
  Left = 200
  Top = 120
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Varnholt Quill Controls 2 Demo'
  HelpContext = 100
  ClientHeight = 373
  ClientWidth = 422
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Position = poScreenCenter
  Scaled = False
  PixelsPerInch = 96
  TextHeight = 13
  OnCreate = FormCreate
  object TLabel
    Left = 12
    Top = 10
    Width = 107
    Height = 29
    Caption = 'Varnholt'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -24
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object TLabel
    Left = 12
    Top = 36
    Width = 208
    Height = 33
    Caption = 'Quill Controls 2'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clPurple
    Font.Height = -29
    Font.Name = 'Times New Roman'
    Font.Style = [fsBold, fsItalic]
    ParentFont = False
  end
  object MainPc: TPageControl
    Left = 8
    Top = 80
    Width = 405
    Height = 217
    ActivePage = TabSheet3
    MultiLine = True
    TabOrder = 0
""" % {"bold": bold}
    label2, label4 = LABELS.split("  object Label4: TLabel\n")
    label4 = "  object Label4: TLabel\n" + label4
    footer = "  end\n%s%s\n%s%s\n%s\nend\n" % (
        label2 % {"bold": bold}, button("WebSiteBt", (308, 308, 105, 25), "Access Web Site", 1,
                                         "WebSiteBtClick", indent=2),
        label4 % {"bold": bold},
        button("Button5", (308, 340, 105, 25), "Order Information", 2, "Button5Click", indent=2),
        image_list() + "\n" + shell_components() + "\n" + dialog_components())
    return header + "\n".join(pages) + "\n" + footer


def main():
    target = generated.ROOT / "resources" / "forms" / "MainForm.vqf"
    return generated.write_or_check(target, main_form(), "make_mainform.py")


if __name__ == "__main__":
    sys.exit(main())
