#!/usr/bin/env python3
"""Writes the calendar windows' descriptions: the drop-down calendar dialog of the VQCalPop unit
(components/dialogs/VQCalPop/resources/forms/VQCalendarFm.vqf) and the three calendar demo
windows (resources/forms/Form5.vqf, Form6.vqf, Form7.vqf), with their glyphs and pictures from
the resources/pictures folders. Run with --check to verify that the stored descriptions are
current."""

import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import generated  # noqa: E402
from generated import lines_value as hint, quoted, vqf_binary  # noqa: E402

PICTURES = "resources/pictures/"
CALPOP = "components/dialogs/VQCalPop/resources/pictures/"


def picture(name, indent):
    """A picture of resources/pictures (or the unit's own) as the binary value of a
    description."""
    return vqf_binary(generated.picture(name), indent)


def font(prefix, pad, color="clWindowText", height=-11, name="MS Sans Serif", style="[]"):
    return (f"{pad}{prefix}.Charset = DEFAULT_CHARSET\n{pad}{prefix}.Color = {color}\n"
            f"{pad}{prefix}.Height = {height}\n{pad}{prefix}.Name = '{name}'\n"
            f"{pad}{prefix}.Style = {style}\n")


# --- The calendar dialog -------------------------------------------------------------------

def calendar_fm():
    p4, p6 = " " * 4, " " * 6
    return (
        "object VQCalendarFm: TVQCalendarFm\n"
        "  Left = 0\n  Top = 0\n  BorderIcons = []\n  BorderStyle = bsNone\n"
        # No title bar shows it; it names the window to the window manager.
        "  Caption = 'Calendar'\n"
        "  ClientHeight = 120\n  ClientWidth = 181\n  Color = clBtnFace\n  Ctl3D = False\n"
        + font("Font", "  ") +
        "  FormStyle = fsStayOnTop\n  KeyPreview = True\n  Scaled = False\n"
        "  ActiveControl = CalendarCd\n"
        "  OnClose = FormClose\n  OnCreate = FormCreate\n  OnKeyDown = CalendarFmKeyDown\n"
        "  PixelsPerInch = 96\n  TextHeight = 13\n"
        "  object Panel1: TPanel\n"
        f"{p4}Left = 0\n{p4}Top = 0\n{p4}Width = 181\n{p4}Height = 22\n{p4}Align = alTop\n"
        f"{p4}BevelOuter = bvNone\n{p4}TabOrder = 1\n"
        "    object MonthCb: TComboBox\n"
        f"{p6}Left = 0\n{p6}Top = 0\n{p6}Width = 78\n{p6}Height = 21\n"
        f"{p6}Style = csDropDownList\n{p6}Ctl3D = False\n{p6}DropDownCount = 12\n"
        f"{p6}ItemHeight = 13\n{p6}ParentCtl3D = False\n{p6}TabOrder = 0\n"
        f"{p6}OnChange = MonthCbChange\n{p6}OnKeyDown = CalendarFmKeyDown\n"
        "    end\n"
        "    object YearCb: TComboBox\n"
        f"{p6}Left = 79\n{p6}Top = 0\n{p6}Width = 60\n{p6}Height = 21\n"
        f"{p6}Style = csDropDownList\n{p6}Ctl3D = False\n{p6}DropDownCount = 10\n"
        f"{p6}ItemHeight = 13\n{p6}ParentCtl3D = False\n{p6}TabOrder = 1\n"
        f"{p6}OnChange = YearCbChange\n{p6}OnKeyDown = CalendarFmKeyDown\n"
        "    end\n"
        "    object OKBt: TSpeedButton\n"
        f"{p6}Left = 142\n{p6}Top = 2\n{p6}Width = 17\n{p6}Height = 17\n"
        f"{p6}Glyph.Data = {picture(CALPOP + 'Check.bmp', 8)}\n{p6}Spacing = 0\n"
        f"{p6}OnClick = OKBtClick\n"
        "    end\n"
        "    object CancelBt: TSpeedButton\n"
        f"{p6}Left = 162\n{p6}Top = 2\n{p6}Width = 17\n{p6}Height = 17\n"
        f"{p6}Glyph.Data = {picture(CALPOP + 'Cross.bmp', 8)}\n{p6}Spacing = 0\n"
        f"{p6}OnClick = CancelBtClick\n"
        "    end\n"
        "  end\n"
        "  object CalendarCd: TVQCalendar\n"
        f"{p4}Left = 0\n{p4}Top = 22\n{p4}Width = 181\n{p4}Height = 98\n{p4}Align = alClient\n"
        f"{p4}BorderStyle = bsNone\n{p4}Color = clBtnHighlight\n{p4}Ctl3D = True\n"
        f"{p4}GrayTextColor = clBtnShadow\n"
        + font("HeadingFont", p4, "clBtnText") +
        font("Font", p4, "clBtnText") +
        f"{p4}Options = [vqcoShowHeadings, vqcoUseHeadingFont, vqcoDefaultDrawing, "
        "vqcoDrawAllDates, vqcoDrawSelected, vqcoDrawFocused]\n"
        f"{p4}ParentCtl3D = False\n{p4}ParentFont = False\n{p4}StartOfWeek = vqdSunday\n"
        f"{p4}TabOrder = 0\n{p4}OnDblClick = CalendarCdDblClick\n"
        "  end\n"
        "end\n")


# --- The demo windows ----------------------------------------------------------------------

def window(name, cls, caption, w, h, extra, children):
    head = (f"object {name}: {cls}\n  Left = 200\n  Top = 120\n  BorderIcons = [biSystemMenu]\n"
            f"  BorderStyle = bsDialog\n  Caption = {quoted(caption)}\n  ClientHeight = {h}\n"
            f"  ClientWidth = {w}\n" + font("Font", "  ") + "  Position = poScreenCenter\n"
            + extra + "  PixelsPerInch = 96\n  TextHeight = 13\n")
    return head + "".join(children) + "end\n"


def obj(name, cls, left, top, width, height, *lines):
    pad = "    "
    body = f"  object {name}: {cls}\n{pad}Left = {left}\n{pad}Top = {top}\n"
    if width is not None:
        body += f"{pad}Width = {width}\n{pad}Height = {height}\n"
    for line in lines:
        body += line if line.startswith(pad) else pad + line + "\n"
    return body + "  end\n"


def form5():
    return window("Form5Fm", "TForm5Fm", "Popup Calendar", 333, 141,
                  "  Scaled = False\n  ShowHint = True\n", [
        obj("VQBevel1", "TVQBorder", 12, 12, 309, 77, "Caption = 'Popup Calendar'",
            "BorderStyle = vqbsGroup"),
        obj("Label2", "TLabel", 20, 28, 189, 53, "AutoSize = False",
            "Caption = " + quoted('A popup calendar allows you to display a complete calendar, '
                                  'with "OK" and "Cancel" buttons, month and year combo boxes, '
                                  'and a calendar control.'),
            "WordWrap = True"),
        obj("Button1", "TButton", 224, 28, 89, 25, "Caption = '&Popup'", "TabOrder = 0",
            "OnClick = Button1Click"),
        obj("CloseBt", "TButton", 122, 104, 89, 25, "Cancel = True", "Caption = '&Close'",
            "Default = True", "ModalResult = 1", "TabOrder = 1"),
        "  object VQCalendarPopup1: TVQCalendarPopup\n  end\n",
    ])


CAL_OPTIONS = ("vqcoIntegralSize, vqcoShowHeadings, vqcoUseHeadingFont, vqcoDefaultDrawing, "
               "vqcoDrawGridLines, vqcoDrawSelected, vqcoDrawFocused")

F6_HINTS = {
    "VQCalendar1": ["Calendar showing only the dates for the current month.",
                    "It uses a bolded font for the heading."],
    "VQCalendar2": ["Customized calendar with: First day set to Monday,",
                    "the text aligned to the top right, and the \"OnSelectColor\"",
                    "is used to shade weekends. Use the settings on the left,",
                    "to change just some of the available properties."],
    "VQCalendar3": ["Shows all dates but can only select current month dates.",
                    "The heading uses a bold blue font. The \"OnSelectColor\"",
                    "event is used to shade weekends and set the current day",
                    "to green."],
    "CheckBox1": ["Show or hide the headings of this calendar. It uses short",
                  "day names for its heading; single letters, short names or",
                  "long names can be chosen, and all of them follow the language",
                  "of the system the program runs on."],
    "CheckBox2": ["Toggle between showing only current month dates,",
                  "or current, previous, and next month dates."],
    "CheckBox3": ["Toggle showing and hiding of the gridlines. You can also",
                  "hide the \"3D\" gridlines of the headings to have a completely",
                  "flush look."],
    "CheckBox4": ["Toggle between selecting only current month dates,",
                  "or current, previous, and next month dates."],
    "CheckBox5": ["Select to draw the highlighted selection square."],
    "CheckBox6": ["Select to draw the focus square when the calendar",
                  "is the active control."],
    "CheckBox7": ["Select to enable custom drawing using the \"OnDrawCell\" event.",
                  "In this case, we draw a \"3D\" button on the highlighted date."],
    "CheckBox8": ["Select to block out Sundays, using the \"OnSelectDate\" event."],
}


def form6():
    p = "    "
    note = generated.picture(PICTURES + "HintNote.bmp")
    checks = [("CheckBox1", 204, "Show &headings.", True, 2),
              ("CheckBox3", 224, "Draw &gridlines", True, 3),
              ("CheckBox2", 244, "Draw &all dates", True, 4),
              ("CheckBox4", 264, "&Select all dates", False, 5),
              ("CheckBox8", 284, "&Do not select Sundays", False, 6),
              ("CheckBox5", 304, "Draw se&lection rect", True, 7),
              ("CheckBox6", 324, "Draw &focus rect", True, 8),
              ("CheckBox7", 344, "C&ustom draw cell", False, 9)]
    children = [
        obj("HintIm", "TVQImage", 12, 6, 24, 24, "ParentColor = False",
            f"{p}Picture.Data = {vqf_binary(generated.picture_data('TBitmap', note), 6)}\n",
            "Transparent = True"),
        obj("Label1", "TLabel", 44, 12, 248, 13,
            "Caption = 'Move pointer over controls to see popup information.'",
            "Font.Charset = DEFAULT_CHARSET", "Font.Color = clNavy", "Font.Height = -11",
            "Font.Name = 'MS Sans Serif'", "Font.Style = []", "ParentFont = False",
            "WordWrap = True"),
        obj("VQBevel2", "TVQBorder", 12, 44, 405, 129, "Caption = 'Standard'",
            "BorderStyle = vqbsGroup"),
        obj("VQBevel3", "TVQBorder", 12, 184, 405, 181, "Caption = 'Custom'",
            "BorderStyle = vqbsGroup"),
        obj("VQCalendar1", "TVQCalendar", 20, 64, 185, 96, "Ctl3D = True",
            font("HeadingFont", p, "clBlack", style="[fsBold]"),
            "HeadingStyle = vqdSingleLetter", "Hint = " + hint(F6_HINTS["VQCalendar1"], 6),
            f"Options = [{CAL_OPTIONS}]", "ParentCtl3D = False", "StartOfWeek = vqdSunday",
            "TabOrder = 0"),
        obj("VQCalendar3", "TVQCalendar", 216, 64, 185, 96,
            font("HeadingFont", p, "clYellow"), "HeadingStyle = vqdSingleLetter",
            font("Font", p, "4194432"), "Hint = " + hint(F6_HINTS["VQCalendar3"], 6),
            f"Options = [{CAL_OPTIONS}, vqcoDrawAllDates]", "ParentFont = False",
            "StartOfWeek = vqdSunday", "TabOrder = 1",
            "OnSelectColor = VQCalendar3SelectColor"),
        obj("VQCalendar2", "TVQCalendar", 168, 200, 234, 150, "Ctl3D = True",
            "HeadingColor = clPurple",
            font("HeadingFont", p, "clWhite", style="[fsBold, fsItalic]"),
            "Hint = " + hint(F6_HINTS["VQCalendar2"], 6),
            f"Options = [{CAL_OPTIONS}, vqcoDrawAllDates]", "ParentCtl3D = False",
            "StartOfWeek = vqdMonday", "TabOrder = 10",
            "OnDrawDate = VQCalendar2DrawDate", "OnSelectColor = VQCalendar2SelectColor",
            "OnSelectDate = VQCalendar2SelectDate"),
    ]
    for name, top, caption, checked, order in checks:
        lines = [f"Caption = {quoted(caption)}"]
        if checked:
            lines.append("State = cbChecked")
        lines += ["Hint = " + hint(F6_HINTS[name], 6), f"TabOrder = {order}",
                  f"OnClick = {name}Click"]
        children.append(obj(name, "TCheckBox", 20, top, 141, 17, *lines))
    return window("Form6Fm", "TForm6Fm", "Calendar", 430, 377,
                  "  Scaled = False\n  ShowHint = True\n  ActiveControl = VQCalendar1\n"
                  "  OnCreate = FormCreate\n", children)


def form7():
    p = "    "
    big = font("Font", p, height=-13)
    label7 = ("A perfect use for the calendar control is in read-only mode, as a means of "
              "displaying \"PIM\" information. For example, the calendar on this form is tied "
              "to month and year controls, and displays appointments and \"todo's\" drawn "
              "using the \"OnDrawDate\" event. ")
    children = [
        obj("BitBtn1", "TBitBtn", 12, 16, 69, 61, "Caption = 'Drag Me!'",
            "DragMode = dmAutomatic",
            "Hint = " + hint(["Drag from this component to the calendar to see",
                              "drag and drop detection in action!"], 6),
            "TabOrder = 1", f"{p}Glyph.Data = {picture(PICTURES + 'CalendarPage.bmp', 6)}\n",
            "Layout = blGlyphTop"),
        obj("VQBevel1", "TVQBorder", 100, 12, 481, 65, "Caption = 'Read-Only'",
            "BorderStyle = vqbsGroup"),
        obj("Label1", "TLabel", 108, 28, 465, 41, "AutoSize = False",
            "Caption = " + quoted(label7), "WordWrap = True"),
        obj("Label2", "TLabel", 12, 88, 85, 16, "Caption = 'Current Date:'", big,
            "ParentFont = False"),
        obj("CurrentDateLb", "TLabel", 104, 88, 4, 16, "Caption = ' '", big,
            "ParentFont = False"),
        obj("MonthLb", "TLabel", 356, 88, 102, 16, "Alignment = taRightJustify",
            "AutoSize = False", "Caption = '  '", big, "ParentFont = False"),
        obj("MonthUd", "TUpDown", 464, 86, 14, 20, "Min = 1", "Max = 12", "Position = 1",
            "TabOrder = 2", "OnClick = MonthUdClick"),
        obj("YearLb", "TLabel", 516, 88, 46, 16, "Alignment = taRightJustify",
            "AutoSize = False", "Caption = '  '", big, "ParentFont = False"),
        obj("YearUd", "TUpDown", 568, 86, 14, 20, "Min = 1981", "Max = 2020",
            "Position = 1981", "TabOrder = 3", "OnClick = YearUdClick"),
        obj("VQCalendar1", "TVQCalendar", 12, 112, 569, 277, "Alignment = vqcaTopLeft",
            "Ctl3D = True", "HeadingColor = clSilver",
            font("HeadingFont", p, "clGreen", -13, "Arial", "[fsBold]"),
            "HeadingStyle = vqdLongName", font("Font", p, "clWindowText", -9, "Arial"),
            "Options = [vqcoShowHeadings, vqcoUseHeadingFont, vqcoDefaultDrawing, "
            "vqcoDrawAllDates, vqcoDrawGridLines, vqcoReadOnly]",
            "ParentCtl3D = False", "ParentFont = False", "StartOfWeek = vqdSunday",
            "TabOrder = 0", "OnDragDrop = VQCalendar1DragDrop",
            "OnDragOver = VQCalendar1DragOver", "OnDrawDate = VQCalendar1DrawDate",
            "OnSelectColor = VQCalendar1SelectColor"),
    ]
    return window("Form7Fm", "TForm7Fm", "Calendar", 590, 400, "  OnCreate = FormCreate\n",
                  children)


def main():
    root = generated.ROOT
    forms = root / "resources" / "forms"
    targets = [
        (root / "components" / "dialogs" / "VQCalPop" / "resources" / "forms" /
         "VQCalendarFm.vqf", calendar_fm()),
        (forms / "Form5.vqf", form5()),
        (forms / "Form6.vqf", form6()),
        (forms / "Form7.vqf", form7()),
    ]
    result = 0
    for target, text in targets:
        result |= generated.write_or_check(target, text, "make_calendar_forms.py")
    return result


if __name__ == "__main__":
    sys.exit(main())
