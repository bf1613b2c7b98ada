#!/usr/bin/env python3
"""Writes the tip dialog's description, components/dialogs/VQTipDlg/resources/forms/
VQTipDialogFm.vqf, with the light bulb of resources/pictures/LightBulb.bmp beside it as the
image's picture. --check only compares."""

import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import generated  # noqa: E402

HEAD = """object VQTipDialogFm: TVQTipDialogFm
  Left = 200
  Top = 120
  ActiveControl = CloseBt
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Tip of the Day'
  ClientHeight = 196
  ClientWidth = 412
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Position = poScreenCenter
  Scaled = False
  PixelsPerInch = 96
  TextHeight = 13
  object CloseBt: TButton
    Left = 312
    Top = 8
    Width = 89
    Height = 25
    Cancel = True
    Caption = '&Close'
    Default = True
    ModalResult = 1
    TabOrder = 0
  end
  object ShowTipsCb: TCheckBox
    Left = 8
    Top = 172
    Width = 149
    Height = 17
    Caption = '&Show Tips at Startup'
    TabOrder = 4
  end
  object NextTipBt: TButton
    Left = 312
    Top = 40
    Width = 89
    Height = 25
    Caption = '&Next Tip'
    TabOrder = 1
  end
  object MoreTipsBt: TButton
    Left = 312
    Top = 80
    Width = 89
    Height = 25
    Caption = '&More Tips...'
    TabOrder = 2
    OnClick = HelpContextClick
  end
  object HelpBt: TButton
    Left = 312
    Top = 112
    Width = 89
    Height = 25
    Caption = '&Help'
    TabOrder = 3
    OnClick = HelpContextClick
  end
  object Panel1: TPanel
    Left = 8
    Top = 8
    Width = 289
    Height = 157
    BevelOuter = bvLowered
    Color = clWindow
    ParentColor = False
    TabOrder = 5
    object TipLb: TLabel
      Left = 56
      Top = 56
      Width = 225
      Height = 89
      AutoSize = False
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = []
      ParentFont = False
      ShowAccelChar = False
    end
    object TipTitleLb: TLabel
      Left = 56
      Top = 22
      Width = 95
      Height = 13
      Caption = 'Did you know...'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object LightBulbIm: TVQImage
      Left = 12
      Top = 12
      Width = 32
      Height = 40
      Picture.Data = %s
      Transparent = True
    end
  end
end
"""


def main():
    unit = "components/dialogs/VQTipDlg/resources/"
    bulb = generated.picture_data("TBitmap", generated.picture(unit + "pictures/LightBulb.bmp"))
    text = HEAD % generated.vqf_binary(bulb, 8)
    target = generated.ROOT / unit / "forms/VQTipDialogFm.vqf"
    return generated.write_or_check(target, text, "make_tipdialog.py")


if __name__ == "__main__":
    sys.exit(main())
