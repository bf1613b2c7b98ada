#!/usr/bin/env python3
"""Writes resources/forms/Form4.vqf, the print wizard demo window: one wizard of five pages,
each with a picture at the left and rich-text explanations at the right. The pictures are
resources/pictures/WizardPrinter.bmp, which every page but the last shows (stored once, in
VQImage1 on page 4, and linked from the other pages), and WizardDone.bmp; the rich labels use
the main window's font and colour tables (tools/make_mainform.py). Run with --check to verify
that the stored description is current."""

import pathlib
import re
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import generated  # noqa: E402
import make_mainform as rtf  # noqa: E402
from generated import picture, picture_data, quoted  # noqa: E402

PAGE_COLOR = "41975808"  # teal, palette-relative: what the pictures' corner pixel gives


def runs(text, bold_words, color=0):
    """text as runs, the words of bold_words (whole words, in order) in bold."""
    out, pos = [], 0
    for word in bold_words:
        m = re.compile(r"\b%s\b" % re.escape(word)).search(text, pos)
        if not m:
            raise ValueError("%r not found after %d in %r" % (word, pos, text))
        if m.start() > pos:
            out.append(rtf.T(text[pos:m.start()], color=color))
        out.append(rtf.B(word, color=color))
        pos = m.end()
    if pos < len(text):
        out.append(rtf.T(text[pos:], color=color))
    return out


def heading(title, paragraphs, bold_words):
    """A 12-point bold serif title, then black body paragraphs, one empty line between each."""
    body = [[rtf.B(title, font=rtf.F_SERIF, size=12)]]
    words = list(bold_words)
    for text in paragraphs:
        mine = [w for w in words if re.search(r"\b%s\b" % re.escape(w), text)]
        words = words[len(mine):]
        body += [[], runs(text, mine)]
    return body


def explanation(paragraphs, bold_words):
    """Navy body paragraphs with bold words, one empty line between each."""
    body, words = [], list(bold_words)
    for text in paragraphs:
        # The words go to the paragraphs in order; a paragraph takes those it contains.
        mine = []
        rest = text
        while words:
            m = re.search(r"\b%s\b" % re.escape(words[0]), rest)
            if not m:
                break
            mine.append(words.pop(0))
            rest = rest[m.end():]
        if body:
            body.append([])
        body.append(runs(text, mine, color=rtf.C_NAVY))
    if words:
        raise ValueError("bold words left over: %r" % words)
    return body


LABELS = {
    "VQRichLabel1": heading("Welcome to the Printing Wizard!", [
        "This wizard will walk you through the steps required to print a document.",
        "When you're ready to start, press Next."], ["Next"]),
    "VQRichLabel3": explanation([
        "This sample wizard gives you an idea of how easy it is to use our wizard control. This "
        "is one form with one TVQWizard control on it. The control shows and manages the "
        "buttons, activation of the next page, backing up, etc. It handles everything!",
        "This sample wizard uses our TVQImage control to reproduce the same image on each page "
        "without using more than one bitmap (cuts down the size of those .exes!), and a "
        "TVQRichLabel control to provide nice appealing text formatting."],
        ["TVQWizard", "everything", "TVQImage", "TVQRichLabel"]),
    "VQRichLabel2": heading("Where do you want to print?", [
        "Use the list below to select a printer to send your document to. When you've "
        "selected the printer, press Next."], ["Next"]),
    "VQRichLabel4": explanation([
        "This page uses the OnDoneQuery event and CheckDone method to enable and disabled the "
        "Next button automatically. As soon as you select a printer, the button becomes "
        "enabled. This allows for easy validation of the data. before allowing the user to "
        "proceed."], ["OnDoneQuery", "CheckDone", "Next"]),
    "VQRichLabel5": heading("What do you want to print?", [
        "You can choose to print the entire document, or just a few pages. When you've "
        "selected the method that you want to use, press Next."], ["Next"]),
    "VQRichLabel6": explanation([
        "This page uses the Include property to insert or remove a page from the wizard "
        "sequence. This allows you to remove steps that don't apply based on user input. On "
        "this page, the user decides if they want to enter a range of pages to print. If they "
        "do, the next page asks them for the range. Otherwise, it skips to the next page and "
        "prints the whole document."], ["Include"]),
    "VQRichLabel7": heading("Which pages do you want to print?", [
        "Enter the range of pages to print. When you've entered the pages to print, press "
        "Next."], ["Next"]),
    "VQRichLabel8": explanation([
        "If the user chose to print a range of pages, this page gets displayed. Otherwise the "
        "wizard would have skipped directly to the next one.",
        "To see the alternate behaviour, go back to the previous page, and select \"Print the "
        "entire document\"."], []),
    "VQRichLabel9": heading("All done, you're ready to print!", [
        "You are now ready to print. To proceed, press Finish."], ["Finish"]),
    "VQRichLabel10": explanation([
        "Once the wizard determines that there are no more included pages to display, it shows "
        "the Finish button. When the user presses Finish, your form receives an OnFinishClick "
        "event so the wizard can do its work. ",
        "That's it! Pretty easy? The interface to this wizard was finished in about 10 minutes. "
        "The only coding required was 1 line for testing if a printer was selected, and another "
        "line to select full or partial printing. It doesn't get any easier than that!"],
        ["included", "Finish", "Finish", "OnFinishClick"]),
}


def obj(name, cls, bounds, props, indent=6):
    pad = " " * indent
    out = ["%sobject %s: %s" % (pad, name, cls)]
    for key, value in zip(("Left", "Top", "Width", "Height"), bounds):
        out.append("%s  %s = %s" % (pad, key, value))
    for key, value in props:
        out.append("%s  %s = %s" % (pad, key, value))
    out.append("%send" % pad)
    return "\n".join(out)


def rich_label(name, top, height, tab_order):
    pad = " " * 6
    return "\n".join([
        "%sobject %s: TVQRichLabel" % (pad, name),
        "%s  Left = 164" % pad, "%s  Top = %d" % (pad, top), "%s  Width = 337" % pad,
        "%s  Height = %d" % (pad, height), "%s  ParentColor = True" % pad,
        "%s  TabOrder = %d" % (pad, tab_order), "%s  TabStop = False" % pad,
        "%s  RichText =" % pad,
        rtf.vqf_string(rtf.rtf_document(LABELS[name]), 10),
        "%send" % pad])


def image(name, data=None):
    props = [("AutoColor", "True"), ("BorderStyle", "vqbsLowered"), ("Color", PAGE_COLOR),
             ("ParentColor", "False")]
    if data is None:
        props.append(("PictureControl", "VQImage1"))
    else:
        props.append(("Picture.Data", generated.vqf_binary(data, 10)))
    props.append(("Style", "vqisCenter"))
    return obj(name, "TVQImage", (12, 12, 137, 233), props)


def page(name, children, include=True, done_query=None):
    lines = ["    object %s: TVQWizardPage" % name]
    if not include:
        lines.append("      Include = False")
    if done_query:
        lines.append("      OnDoneQuery = %s" % done_query)
    return "\n".join(lines + children + ["    end"])


def combo_box():
    items = ["Really Cool Printer %d" % i for i in range(1, 6)]
    return obj("ComboBox1", "TComboBox", (180, 80, 273, 21), [
        ("ItemHeight", "13"),
        ("Items", "(\n" + "\n".join("          " + quoted(i) for i in items) + ")"),
        ("TabOrder", "1"), ("OnChange", "ComboBox1Change")])


def form4():
    shared = picture_data("TBitmap", picture("resources/pictures/WizardPrinter.bmp"))
    done = picture_data("TBitmap", picture("resources/pictures/WizardDone.bmp"))
    pages = [
        page("VQWizardPage1", [image("VQImage2"), rich_label("VQRichLabel1", 12, 84, 0),
                               rich_label("VQRichLabel3", 128, 117, 1)]),
        page("VQWizardPage2", [image("VQImage3"), rich_label("VQRichLabel2", 12, 58, 0),
                               combo_box(), rich_label("VQRichLabel4", 192, 52, 2)],
             done_query="VQWizardPage2DoneQuery"),
        page("VQWizardPage3", [
            image("VQImage4"), rich_label("VQRichLabel5", 12, 58, 0),
            rich_label("VQRichLabel6", 168, 78, 1),
            obj("RadioButton1", "TRadioButton", (180, 80, 313, 17), [
                ("Caption", quoted("Print the entire document")), ("Checked", "True"),
                ("TabOrder", "2"), ("TabStop", "True"), ("OnClick", "RadioButton2Click")]),
            obj("RadioButton2", "TRadioButton", (180, 100, 313, 17), [
                ("Caption",
                 quoted("Print only a few pages (you'll be prompted for which pages)")),
                ("TabOrder", "3"), ("OnClick", "RadioButton2Click")])]),
        page("VQWizardPage4", [
            image("VQImage1", shared),
            obj("Label1", "TLabel", (180, 84, 26, 13), [("Caption", quoted("From:"))]),
            obj("Label2", "TLabel", (280, 84, 16, 13), [("Caption", quoted("To:"))]),
            rich_label("VQRichLabel7", 12, 58, 0), rich_label("VQRichLabel8", 180, 65, 1),
            obj("Edit1", "TEdit", (216, 80, 45, 21), [("TabOrder", "2"),
                                                       ("OnChange", "Edit1Change")]),
            obj("Edit2", "TEdit", (304, 80, 45, 21), [("TabOrder", "3"),
                                                       ("OnChange", "Edit1Change")])],
            include=False, done_query="VQWizardPage4DoneQuery"),
        page("VQWizardPage5", [image("VQImage6", done), rich_label("VQRichLabel9", 12, 45, 0),
                               rich_label("VQRichLabel10", 128, 117, 1)]),
    ]
    header = """\
object Form4Fm: TForm4Fm
  Left = 200
  Top = 120
  BorderIcons = []
  BorderStyle = bsDialog
  Caption = 'Print wizard'
  ClientHeight = 300
  ClientWidth = 512
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Position = poScreenCenter
  ShowHint = True
  PixelsPerInch = 96
  TextHeight = 13
  object VQWizard1: TVQWizard
    Left = 0
    Top = 0
    Width = 512
    Height = 300
    ActivePage = VQWizardPage5
    FirstPage = VQWizardPage1
    Options = [vqwoHelpButton, vqwoCancelButton]
    TabOrder = 0
    OnFinishClick = VQWizard1FinishClick
"""
    return header + "\n".join(pages) + "\n  end\nend\n"


def main():
    target = generated.ROOT / "resources" / "forms" / "Form4.vqf"
    return generated.write_or_check(target, form4(), "make_form4.py")


if __name__ == "__main__":
    sys.exit(main())
