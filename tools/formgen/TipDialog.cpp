// The tip dialog's description, components/dialogs/VQTipDlg/resources/forms/VQTipDialogFm.vqf,
// with the unit's own light bulb picture.

#include "tools/formgen/FormGen.h"

std::string TipDialogDescription() {
    TFormBuilder f("TVQTipDialogFm", "VQTipDialogFm");
    TComponent* root = f.Root()
                           .Set("Left", 200)
                           .Set("Top", 120)
                           .Ref("ActiveControl", "CloseBt")
                           .Set("BorderIcons", Id("[biSystemMenu]"))
                           .Set("BorderStyle", Id("bsDialog"))
                           .Set("Caption", "Tip of the Day")
                           .Set("ClientHeight", 196)
                           .Set("ClientWidth", 412)
                           .Set("Font.Color", Id("clWindowText"))
                           .Set("Font.Height", -11)
                           .Set("Font.Name", "MS Sans Serif")
                           .Set("Position", Id("poScreenCenter"))
                           .Set("Scaled", false)
                           .Set("PixelsPerInch", 96)
                           .Set("TextHeight", 13);
    const auto button = [&](const char* name, int top, const char* caption, int tabOrder) {
        return f.Make(root, "TButton", name)
            .Bounds(312, top, 89, 25)
            .Set("Caption", caption)
            .Set("TabOrder", tabOrder);
    };
    button("CloseBt", 8, "&Close", 0)
        .Set("Cancel", true)
        .Set("Default", true)
        .Set("ModalResult", 1);
    f.Make(root, "TCheckBox", "ShowTipsCb")
        .Bounds(8, 172, 149, 17)
        .Set("Caption", "&Show Tips at Startup")
        .Set("TabOrder", 4);
    button("NextTipBt", 40, "&Next Tip", 1);
    button("MoreTipsBt", 80, "&More Tips...", 2).On("OnClick", "HelpContextClick");
    button("HelpBt", 112, "&Help", 3).On("OnClick", "HelpContextClick");
    TComponent* panel = f.Make(root, "TPanel", "Panel1")
                            .Bounds(8, 8, 289, 157)
                            .Set("BevelOuter", Id("bvLowered"))
                            .Set("Color", Id("clWindow"))
                            .Set("ParentColor", false)
                            .Set("TabOrder", 5);
    f.Make(panel, "TLabel", "TipLb")
        .Bounds(56, 56, 225, 89)
        .Set("AutoSize", false)
        .Set("Font.Color", Id("clWindowText"))
        .Set("Font.Height", -11)
        .Set("Font.Name", "MS Sans Serif")
        .Set("ParentFont", false)
        .Set("ShowAccelChar", false);
    f.Make(panel, "TLabel", "TipTitleLb")
        .Bounds(56, 22, 95, 13)
        .Set("Caption", "Did you know...")
        .Set("Font.Color", Id("clWindowText"))
        .Set("Font.Height", -11)
        .Set("Font.Name", "MS Sans Serif")
        .Set("Font.Style", Id("[fsBold]"))
        .Set("ParentFont", false);
    f.Make(panel, "TVQImage", "LightBulbIm")
        .Bounds(12, 12, 32, 40)
        .Picture("Picture", "components/dialogs/VQTipDlg/resources/pictures/LightBulb.bmp")
        .Set("Transparent", true);
    return f.Write();
}
