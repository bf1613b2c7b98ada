// resources/forms/Form2.vqf, the graphics demo window "Bevels, Images, and Meters": borders,
// images and meters in their typical settings, each with its hint, and the Animate button.

#include "tools/formgen/FormGen.h"

std::string Form2Description() {
    TFormBuilder f("TForm2Fm", "Form2Fm");
    TComponent* root = f.Root()
                           .Set("Left", 200)
                           .Set("Top", 120)
                           .Set("BorderIcons", Id("[biSystemMenu]"))
                           .Set("BorderStyle", Id("bsDialog"))
                           .Set("Caption", "Bevels, Images, and Meters")
                           .Set("ClientHeight", 385)
                           .Set("ClientWidth", 432)
                           .Set("Font.Color", Id("clBlack"))
                           .Set("Font.Height", -11)
                           .Set("Font.Name", "MS Sans Serif")
                           .Set("Position", Id("poScreenCenter"))
                           .Set("Scaled", false)
                           .Set("ShowHint", true)
                           .Set("PixelsPerInch", 96)
                           .Set("TextHeight", 13);
    const auto make = [&](const char* cls, const char* name, int left, int top, int width = -1,
                          int height = -1) {
        return f.Make(root, cls, name).Bounds(left, top, width, height);
    };
    const auto border = [&](const char* name, int l, int t, int w, int h) {
        return make("TVQBorder", name, l, t, w, h);
    };
    const auto image = [&](const char* name, int l, int t, int w, int h) {
        return make("TVQImage", name, l, t, w, h);
    };
    const auto meter = [&](const char* name, int l, int t, int w = -1, int h = -1) {
        return make("TVQMeter", name, l, t, w, h);
    };
    const QString statusHint = Crlf({"Status border with text. Alignment can be adjusted.",
                                     "This provides an easy, low resource status bar."});

    border("VQBevel5", 12, 44, 409, 93)
        .Set("Caption", "Borders:")
        .Set("BorderStyle", Id("vqbsGroup"));
    border("VQBevel1", 84, 64, 57, 61).Set("Hint", "Lowered border.");
    border("VQBevel2", 20, 64, 57, 61)
        .Set("Hint", "Raised border.")
        .Set("BorderStyle", Id("vqbsRaised"));
    border("VQBevel3", 276, 64, 57, 21)
        .Set("Hint", statusHint)
        .Set("Caption", "Status")
        .Set("BorderStyle", Id("vqbsStatus"));
    border("VQBevel4", 148, 64, 57, 61)
        .Set("Hint", "Lowered border with alternate workspace color.")
        .Set("Color", 15269887)
        .Set("ParentColor", false);
    border("VQBevel6", 340, 64, 57, 61)
        .Set("Hint",
             Crlf({"Group border. Uses a lot less resources than", "standard TGroup control."}))
        .Set("Caption", "Group")
        .Set("BorderStyle", Id("vqbsGroup"));
    border("VQBevel7", 12, 152, 409, 97)
        .Set("Caption", "Images (feature rich alternatives to TImage):")
        .Set("BorderStyle", Id("vqbsGroup"));
    image("VQImage1", 20, 172, 64, 65)
        .Set("Hint",
             Crlf({"Centered icon with a status border. All images can",
                   "reference other image's pictures, thereby requiring",
                   "only one stored bitmap. This really cuts down the", "size of the .EXE!"}))
        .Set("BorderStyle", Id("vqbsStatus"))
        .Set("ParentColor", false)
        .Picture("Picture", "resources/pictures/Landscape.ico")
        .Set("Style", Id("vqisCenter"));
    image("VQImage2", 92, 172, 64, 64)
        .Set("Hint", Crlf({"Same icon with a different border and a background color.",
                           "Background colors allow you to use a centered, bordered",
                           "image in places where the actual dimensions vary, yet still",
                           "maintain a consistant look."}))
        .Set("BorderStyle", Id("vqbsLowered"))
        .Set("Color", Id("clAppWorkSpace"))
        .Ref("PictureControl", "VQImage1")
        .Set("ParentColor", false)
        .Set("Style", Id("vqisCenter"));
    image("VQImage3", 164, 172, 64, 64)
        .Set("Hint", "Same icon with tiling.")
        .Ref("PictureControl", "VQImage1")
        .Set("ParentColor", false)
        .Set("Style", Id("vqisTile"));
    image("VQImage4", 240, 172, 51, 64)
        .Set("Hint",
             Crlf({"Non-transparent centered bitmap. This is how a plain image",
                   "control shows a bitmap: not very nice compared with the", "next two bitmaps."}))
        .Set("ParentColor", false)
        .Picture("Picture", "resources/pictures/House.bmp")
        .Set("Style", Id("vqisCenter"));
    image("VQImage5", 300, 172, 51, 64)
        .Set("Hint", Crlf({"Centered bitmap with auto color filling. Auto color allows",
                           "you to expand a centered bitmap to the edges. Perfect",
                           "for varying size bitmaps used in \"wizards\"."}))
        .Set("AutoColor", true)
        .Set("BorderStyle", Id("vqbsLowered"))
        .Set("Color", 33587200)
        .Ref("PictureControl", "VQImage4")
        .Set("ParentColor", false)
        .Set("Style", Id("vqisCenter"))
        .Set("Transparent", true);
    border("VQBevel8", 12, 264, 409, 109)
        .Set("Caption", "Meters/Gauges/Leds:")
        .Set("BorderStyle", Id("vqbsGroup"));
    meter("VQMeter1", 20, 284)
        .Set("Hint",
             Crlf({"Meter bar with lowered border, white interior,", "and inversing text."}))
        .Set("BorderSpace", 0)
        .Set("MeterStyle", Id("vqmsBar"))
        .Set("MinValue", 0)
        .Set("Orientation", Id("vqoHorizontal"))
        .Set("UseFontColor", false)
        .Set("Value", 25);
    meter("VQMeter2", 20, 312)
        .Set("Hint", Crlf({"Windows 95 progress bar with extra spacing,",
                           "a status border, and a custom color."}))
        .Set("ParentColor", true)
        .Set("BorderSpace", 2)
        .Set("BorderStyle", Id("vqbsStatus"))
        .Set("MeterColor", Id("clGreen"))
        .Set("MeterStyle", Id("vqmsLED"))
        .Set("MinValue", 0)
        .Set("Orientation", Id("vqoHorizontal"))
        .Set("ShowText", false)
        .Set("UseFontColor", false)
        .Set("Value", 50);
    meter("VQMeter5", 128, 312)
        .Set("Hint", "Meter bar with raised border and custom colored font.")
        .Set("Font.Color", Id("clFuchsia"))
        .Set("Font.Height", -11)
        .Set("Font.Name", "MS Sans Serif")
        .Set("Font.Style", Id("[fsBold]"))
        .Set("ParentColor", true)
        .Set("ParentFont", false)
        .Set("BorderSpace", 1)
        .Set("BorderStyle", Id("vqbsRaised"))
        .Set("MeterColor", Id("clPurple"))
        .Set("MeterStyle", Id("vqmsBar"))
        .Set("MinValue", 0)
        .Set("Orientation", Id("vqoHorizontal"))
        .Set("UseFontColor", true)
        .Set("Value", 50);
    meter("VQMeter8", 272, 284, 25, 77)
        .Set("Hint", "Vertical LED with raised border and variable color.")
        .Set("ParentColor", true)
        .Set("BorderSpace", 2)
        .Set("BorderStyle", Id("vqbsRaised"))
        .Set("MeterColor", Id("clRed"))
        .Set("MeterStyle", Id("vqmsLED"))
        .Set("MinValue", 0)
        .Set("Orientation", Id("vqoVertical"))
        .Set("UseFontColor", false)
        .Set("Value", 50)
        .On("OnSelectColor", "VQMeter8SelectColor");
    meter("VQMeter7", 236, 284, 29, 77)
        .Set("Hint", Crlf({"Vertical meter bar with lowered border, white interior,",
                           "and inversing text."}))
        .Set("BorderSpace", 0)
        .Set("MeterStyle", Id("vqmsBar"))
        .Set("MinValue", 0)
        .Set("Orientation", Id("vqoVertical"))
        .Set("UseFontColor", false)
        .Set("Value", 25);
    meter("VQMeter9", 308, 284, 29, 77)
        .Set("Hint", "Vertical LED with recessed border and owner drawn interior.")
        .Set("ParentColor", true)
        .Set("BorderSpace", 0)
        .Set("BorderStyle", Id("vqbsGroup"))
        .Set("MeterStyle", Id("vqmsOwnerDraw"))
        .Set("MinValue", 0)
        .Set("Orientation", Id("vqoVertical"))
        .Set("UseFontColor", false)
        .Set("Value", 0)
        .On("OnDrawMeter", "VQMeter9DrawMeter");
    meter("VQMeter4", 128, 284)
        .Set("Hint", Crlf({"Meter bar with lowered border, white interior, no text,",
                           "and extra spacing."}))
        .Set("BorderSpace", 1)
        .Set("MeterColor", 8421440)
        .Set("MeterStyle", Id("vqmsBar"))
        .Set("MinValue", 0)
        .Set("Orientation", Id("vqoHorizontal"))
        .Set("ShowText", false)
        .Set("UseFontColor", false)
        .Set("Value", 25);
    meter("VQMeter3", 20, 340, 207)
        .Set("Hint", "Windows 95 progress bar replicate.")
        .Set("ParentColor", true)
        .Set("BorderSpace", 0)
        .Set("BorderStyle", Id("vqbsStatus"))
        .Set("MeterStyle", Id("vqmsLED"))
        .Set("MinValue", 0)
        .Set("Orientation", Id("vqoHorizontal"))
        .Set("UseFontColor", false)
        .Set("Value", 75);
    make("TLabel", "Label1", 44, 12, 248, 13)
        .Set("Caption", "Move pointer over controls to see popup information.")
        .Set("Font.Color", Id("clNavy"))
        .Set("Font.Height", -11)
        .Set("Font.Name", "MS Sans Serif")
        .Set("ParentFont", false)
        .Set("WordWrap", true);
    border("VQBevel9", 212, 64, 57, 9)
        .Set("Hint", "Horizontal separator.")
        .Set("BorderStyle", Id("vqbsHorizLine"));
    border("VQBorder1", 276, 92, 57, 33)
        .Set("Hint", statusHint)
        .Set("Alignment", Id("taRightJustify"))
        .Set("Caption", "Status")
        .Set("BorderStyle", Id("vqbsStatus"));
    border("VQBorder2", 212, 72, 9, 53)
        .Set("Hint", "Vertical separator.")
        .Set("BorderStyle", Id("vqbsVertLine"));
    image("VQImage6", 360, 172, 51, 64)
        .Set("Hint",
             Crlf({"Transparent centered bitmap. Autmatically adapts", "to the form's color."}))
        .Ref("PictureControl", "VQImage4")
        .Set("ParentColor", false)
        .Set("Style", Id("vqisCenter"))
        .Set("Transparent", true);
    image("HintIm", 12, 6, 24, 24)
        .Set("ParentColor", false)
        .Picture("Picture", "resources/pictures/LightBulb.bmp")
        .Set("Transparent", true);
    make("TButton", "AnimateBt", 348, 284, 63, 25)
        .Set("Hint", "Press button to animate all the meters.")
        .Set("Caption", "&Animate")
        .Set("TabOrder", 0)
        .On("OnClick", "AnimateBtClick");
    return f.Write();
}
