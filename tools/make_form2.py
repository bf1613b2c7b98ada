#!/usr/bin/env python3
"""Writes resources/forms/Form2.vqf, the graphics demo window "Bevels, Images, and Meters":
borders, images and meters in their typical settings, each with its hint, and the Animate
button. The pictures are resources/pictures/Landscape.ico, House.bmp and LightBulb.bmp. Run
with --check to verify that the stored description is current."""

import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import generated  # noqa: E402
from generated import lines_value, picture, picture_data  # noqa: E402

H1 = ["Status border with text. Alignment can be adjusted.",
      "This provides an easy, low resource status bar."]
H2 = ["Centered icon with a status border. All images can",
      "reference other image's pictures, thereby requiring",
      "only one stored bitmap. This really cuts down the",
      "size of the .EXE!"]
H3 = ["Same icon with a different border and a background color.",
      "Background colors allow you to use a centered, bordered",
      "image in places where the actual dimensions vary, yet still",
      "maintain a consistant look."]
H4 = ["Non-transparent centered bitmap. This is how a plain image",
      "control shows a bitmap: not very nice compared with the",
      "next two bitmaps."]
H5 = ["Centered bitmap with auto color filling. Auto color allows",
      "you to expand a centered bitmap to the edges. Perfect",
      "for varying size bitmaps used in \"wizards\"."]


class Obj:
    def __init__(self, name, cls, bounds, props):
        self.name, self.cls, self.bounds, self.props = name, cls, bounds, props

    def text(self):
        out = ["  object %s: %s" % (self.name, self.cls)]
        for key, value in zip(("Left", "Top", "Width", "Height"), self.bounds):
            if value is not None:
                out.append("    %s = %s" % (key, value))
        for key, value in self.props:
            if key == "Hint":
                out.append("    Hint = %s" % lines_value(value, 6))
            elif key == "Picture.Data":
                out.append("    Picture.Data = %s" % generated.vqf_binary(value, 6))
            else:
                out.append("    %s = %s" % (key, value))
        out.append("  end")
        return "\n".join(out)


def hint(lines):
    return ("Hint", lines if isinstance(lines, list) else [lines])


def border(name, bounds, *props):
    return Obj(name, "TVQBorder", bounds, list(props))


def image(name, bounds, *props):
    return Obj(name, "TVQImage", bounds, list(props))


def meter(name, bounds, *props):
    return Obj(name, "TVQMeter", bounds, list(props))


def form2():
    icon = picture_data("TIcon", picture("resources/pictures/Landscape.ico"))
    house = picture_data("TBitmap", picture("resources/pictures/House.bmp"))
    bulb = picture_data("TBitmap", picture("resources/pictures/LightBulb.bmp"))
    children = [
        border("VQBevel5", (12, 44, 409, 93), ("Caption", "'Borders:'"),
               ("BorderStyle", "vqbsGroup")),
        border("VQBevel1", (84, 64, 57, 61), hint("Lowered border.")),
        border("VQBevel2", (20, 64, 57, 61), hint("Raised border."),
               ("BorderStyle", "vqbsRaised")),
        border("VQBevel3", (276, 64, 57, 21), hint(H1), ("Caption", "'Status'"),
               ("BorderStyle", "vqbsStatus")),
        border("VQBevel4", (148, 64, 57, 61),
               hint("Lowered border with alternate workspace color."), ("Color", "15269887"),
               ("ParentColor", "False")),
        border("VQBevel6", (340, 64, 57, 61),
               hint(["Group border. Uses a lot less resources than", "standard TGroup control."]),
               ("Caption", "'Group'"), ("BorderStyle", "vqbsGroup")),
        border("VQBevel7", (12, 152, 409, 97),
               ("Caption", "'Images (feature rich alternatives to TImage):'"),
               ("BorderStyle", "vqbsGroup")),
        image("VQImage1", (20, 172, 64, 65), hint(H2), ("BorderStyle", "vqbsStatus"),
              ("ParentColor", "False"), ("Picture.Data", icon), ("Style", "vqisCenter")),
        image("VQImage2", (92, 172, 64, 64), hint(H3), ("BorderStyle", "vqbsLowered"),
              ("Color", "clAppWorkSpace"), ("PictureControl", "VQImage1"),
              ("ParentColor", "False"), ("Style", "vqisCenter")),
        image("VQImage3", (164, 172, 64, 64), hint("Same icon with tiling."),
              ("PictureControl", "VQImage1"), ("ParentColor", "False"), ("Style", "vqisTile")),
        image("VQImage4", (240, 172, 51, 64), hint(H4), ("ParentColor", "False"),
              ("Picture.Data", house), ("Style", "vqisCenter")),
        image("VQImage5", (300, 172, 51, 64), hint(H5), ("AutoColor", "True"),
              ("BorderStyle", "vqbsLowered"), ("Color", "33587200"),
              ("PictureControl", "VQImage4"), ("ParentColor", "False"), ("Style", "vqisCenter"),
              ("Transparent", "True")),
        border("VQBevel8", (12, 264, 409, 109), ("Caption", "'Meters/Gauges/Leds:'"),
               ("BorderStyle", "vqbsGroup")),
        meter("VQMeter1", (20, 284, None, None),
              hint(["Meter bar with lowered border, white interior,", "and inversing text."]),
              ("BorderSpace", "0"), ("MeterStyle", "vqmsBar"), ("MinValue", "0"),
              ("Orientation", "vqoHorizontal"), ("UseFontColor", "False"), ("Value", "25")),
        meter("VQMeter2", (20, 312, None, None),
              hint(["Windows 95 progress bar with extra spacing,",
                    "a status border, and a custom color."]),
              ("ParentColor", "True"), ("BorderSpace", "2"), ("BorderStyle", "vqbsStatus"),
              ("MeterColor", "clGreen"), ("MeterStyle", "vqmsLED"), ("MinValue", "0"),
              ("Orientation", "vqoHorizontal"), ("ShowText", "False"),
              ("UseFontColor", "False"), ("Value", "50")),
        meter("VQMeter5", (128, 312, None, None),
              hint("Meter bar with raised border and custom colored font."),
              ("Font.Charset", "DEFAULT_CHARSET"), ("Font.Color", "clFuchsia"),
              ("Font.Height", "-11"), ("Font.Name", "'MS Sans Serif'"),
              ("Font.Style", "[fsBold]"), ("ParentColor", "True"), ("ParentFont", "False"),
              ("BorderSpace", "1"), ("BorderStyle", "vqbsRaised"), ("MeterColor", "clPurple"),
              ("MeterStyle", "vqmsBar"), ("MinValue", "0"), ("Orientation", "vqoHorizontal"),
              ("UseFontColor", "True"), ("Value", "50")),
        meter("VQMeter8", (272, 284, 25, 77),
              hint("Vertical LED with raised border and variable color."),
              ("ParentColor", "True"), ("BorderSpace", "2"), ("BorderStyle", "vqbsRaised"),
              ("MeterColor", "clRed"), ("MeterStyle", "vqmsLED"), ("MinValue", "0"),
              ("Orientation", "vqoVertical"), ("UseFontColor", "False"), ("Value", "50"),
              ("OnSelectColor", "VQMeter8SelectColor")),
        meter("VQMeter7", (236, 284, 29, 77),
              hint(["Vertical meter bar with lowered border, white interior,",
                    "and inversing text."]),
              ("BorderSpace", "0"), ("MeterStyle", "vqmsBar"), ("MinValue", "0"),
              ("Orientation", "vqoVertical"), ("UseFontColor", "False"), ("Value", "25")),
        meter("VQMeter9", (308, 284, 29, 77),
              hint("Vertical LED with recessed border and owner drawn interior."),
              ("ParentColor", "True"), ("BorderSpace", "0"), ("BorderStyle", "vqbsGroup"),
              ("MeterStyle", "vqmsOwnerDraw"), ("MinValue", "0"),
              ("Orientation", "vqoVertical"), ("UseFontColor", "False"), ("Value", "0"),
              ("OnDrawMeter", "VQMeter9DrawMeter")),
        meter("VQMeter4", (128, 284, None, None),
              hint(["Meter bar with lowered border, white interior, no text,",
                    "and extra spacing."]),
              ("BorderSpace", "1"), ("MeterColor", "8421440"), ("MeterStyle", "vqmsBar"),
              ("MinValue", "0"), ("Orientation", "vqoHorizontal"), ("ShowText", "False"),
              ("UseFontColor", "False"), ("Value", "25")),
        meter("VQMeter3", (20, 340, 207, None), hint("Windows 95 progress bar replicate."),
              ("ParentColor", "True"), ("BorderSpace", "0"), ("BorderStyle", "vqbsStatus"),
              ("MeterStyle", "vqmsLED"), ("MinValue", "0"), ("Orientation", "vqoHorizontal"),
              ("UseFontColor", "False"), ("Value", "75")),
        Obj("Label1", "TLabel", (44, 12, 248, 13),
            [("Caption", "'Move pointer over controls to see popup information.'"),
             ("Font.Charset", "DEFAULT_CHARSET"), ("Font.Color", "clNavy"),
             ("Font.Height", "-11"), ("Font.Name", "'MS Sans Serif'"), ("Font.Style", "[]"),
             ("ParentFont", "False"), ("WordWrap", "True")]),
        border("VQBevel9", (212, 64, 57, 9), hint("Horizontal separator."),
               ("BorderStyle", "vqbsHorizLine")),
        border("VQBorder1", (276, 92, 57, 33), hint(H1), ("Alignment", "taRightJustify"),
               ("Caption", "'Status'"), ("BorderStyle", "vqbsStatus")),
        border("VQBorder2", (212, 72, 9, 53), hint("Vertical separator."),
               ("BorderStyle", "vqbsVertLine")),
        image("VQImage6", (360, 172, 51, 64),
              hint(["Transparent centered bitmap. Autmatically adapts",
                    "to the form's color."]),
              ("PictureControl", "VQImage4"), ("ParentColor", "False"), ("Style", "vqisCenter"),
              ("Transparent", "True")),
        image("HintIm", (12, 6, 24, 24), ("ParentColor", "False"), ("Picture.Data", bulb),
              ("Transparent", "True")),
        Obj("AnimateBt", "TButton", (348, 284, 63, 25),
            [("Hint", ["Press button to animate all the meters."]), ("Caption", "'&Animate'"),
             ("TabOrder", "0"), ("OnClick", "AnimateBtClick")]),
    ]
    header = """\
object Form2Fm: TForm2Fm
  Left = 200
  Top = 120
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Bevels, Images, and Meters'
  ClientHeight = 385
  ClientWidth = 432
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clBlack
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Position = poScreenCenter
  Scaled = False
  ShowHint = True
  PixelsPerInch = 96
  TextHeight = 13
"""
    return header + "\n".join(c.text() for c in children) + "\nend\n"


def main():
    target = generated.ROOT / "resources" / "forms" / "Form2.vqf"
    return generated.write_or_check(target, form2(), "make_form2.py")


if __name__ == "__main__":
    sys.exit(main())
