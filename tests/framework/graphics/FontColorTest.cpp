// Colour resolution, font mapping and the change notifications of the drawing tools.
#include "GraphicsTestSupport.h"

#include "framework/graphics/Font.h"

#include <QFontInfo>
#include <QFontMetrics>

namespace {

class ColorToRGBTest : public TFixedPaletteTest {};

TEST_F(ColorToRGBTest, SystemColoursFollowTheirPaletteRoles) {
    struct TCase {
        TColor System;
        QColor Expected;
    };
    const QPalette pal = FixedPalette();
    const TCase cases[] = {
        {clWindow, pal.color(QPalette::Base)},
        {clWindowText, pal.color(QPalette::Text)},
        {clBtnFace, pal.color(QPalette::Button)},
        {clBtnText, pal.color(QPalette::ButtonText)},
        {clHighlight, pal.color(QPalette::Highlight)},
        {clHighlightText, pal.color(QPalette::HighlightedText)},
        {clBtnShadow, pal.color(QPalette::Dark)},
        {clBtnHighlight, pal.color(QPalette::Light)},
        {cl3DDkShadow, pal.color(QPalette::Shadow)},
        {cl3DLight, pal.color(QPalette::Midlight)},
        {clGrayText, pal.color(QPalette::Disabled, QPalette::Text)},
        {clInfoBk, pal.color(QPalette::ToolTipBase)},
        {clInfoText, pal.color(QPalette::ToolTipText)},
        {clWindowFrame, pal.color(QPalette::WindowText)},
        {clAppWorkSpace, pal.color(QPalette::Mid)},
        {clMenu, pal.color(QPalette::Window)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << uint32_t(c.System));
        EXPECT_EQ(ColorToRGB(c.System), QColorToColor(c.Expected));
        EXPECT_EQ(ColorToQColor(c.System), c.Expected);
    }
}

TEST_F(ColorToRGBTest, OtherValuesPassThrough) {
    EXPECT_EQ(ColorToRGB(clRed), clRed);
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(ColorToRGB(clDefault), clDefault);
    const TColor relative = MakeColor(0x02008000);
    EXPECT_EQ(ColorToRGB(relative), relative);
    EXPECT_EQ(ColorToQColor(relative), QColor(0, 0x80, 0)) << "flag byte dropped when painting";
    EXPECT_EQ(ColorToQColor(clNone).alpha(), 0);
    EXPECT_EQ(QColorToColor(QColor(1, 2, 3, 4)), RGB(1, 2, 3));
}

// --- Fonts ------------------------------------------------------------------------------------

TEST(FontTest, ClassicFamiliesMapToInstalledOnes) {
    struct TCase {
        const char* Classic;
        const char* Installed;
    };
    const TCase cases[] = {
        {"MS Sans Serif", "Liberation Sans"},    {"Arial", "Liberation Sans"},
        {"tahoma", "Liberation Sans"},           {"Verdana", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"}, {"MS Serif", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},      {"Courier", "Liberation Mono"},
        {"DejaVu Sans", "DejaVu Sans"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Classic);
        TFont f;
        f.SetName(QString::fromLatin1(c.Classic));
        EXPECT_EQ(f.Handle().family(), QString::fromLatin1(c.Installed));
        EXPECT_EQ(f.Name(), QString::fromLatin1(c.Classic)) << "the name stays as written";
    }
}

TEST(FontTest, HeightAndSizeConvertAtNinetySixPixelsPerInch) {
    TFont f;
    EXPECT_EQ(f.Height(), -11);
    EXPECT_EQ(f.Size(), 8);
    EXPECT_EQ(f.Handle().pixelSize(), 11);
    f.SetSize(10);
    EXPECT_EQ(f.Height(), -13);
    f.SetSize(12);
    EXPECT_EQ(f.Height(), -16);
    f.SetHeight(-24);
    EXPECT_EQ(f.Size(), 18);
    EXPECT_EQ(f.Handle().pixelSize(), 24);
}

TEST(FontTest, PositiveHeightIsTheCellHeight) {
    TFont f;
    f.SetName(QStringLiteral("Arial"));
    f.SetHeight(20);
    EXPECT_NEAR(QFontMetrics(f.Handle()).height(), 20, 1);
    EXPECT_LT(f.Handle().pixelSize(), 20);
}

TEST(FontTest, StyleReachesTheQtFont) {
    TFont f;
    f.SetStyle({fsBold, fsItalic});
    EXPECT_TRUE(f.Handle().bold());
    EXPECT_TRUE(f.Handle().italic());
    EXPECT_FALSE(f.Handle().underline());
    f.SetStyle({fsUnderline, fsStrikeOut});
    EXPECT_FALSE(f.Handle().bold());
    EXPECT_TRUE(f.Handle().underline());
    EXPECT_TRUE(f.Handle().strikeOut());
}

TEST(FontTest, EveryChangeNotifiesOnceAndEqualValuesDoNot) {
    TFont f;
    int changes = 0;
    f.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &f);
        ++changes;
    };
    f.SetHeight(-11);
    f.SetName(QStringLiteral("MS Sans Serif"));
    f.SetColor(clWindowText);
    EXPECT_EQ(changes, 0);
    f.SetHeight(-13);
    f.SetColor(clRed);
    f.SetStyle({fsBold});
    f.SetName(QStringLiteral("Arial"));
    f.SetCharset(0);
    f.SetPitch(fpFixed);
    EXPECT_EQ(changes, 6);

    TFont other;
    other.SetHeight(-20);
    other.SetColor(clBlue);
    changes = 0;
    f.Assign(&other);
    EXPECT_EQ(changes, 1) << "Assign reports once";
    EXPECT_EQ(f.Handle().pixelSize(), 20) << "the cached Qt font was dropped";
    EXPECT_EQ(f.Color(), clBlue);
}

TEST(FontTest, SizeIsNotStoredInDescriptions) {
    const TPropInfo* size = TFont::StaticClassType()->FindProperty("Size");
    ASSERT_NE(size, nullptr);
    TFont f;
    EXPECT_FALSE(size->IsStored(&f));
    const TPropInfo* charset = TFont::StaticClassType()->FindProperty("Charset");
    ASSERT_NE(charset, nullptr);
    ASSERT_NE(charset->Idents, nullptr);
    bool named = false;
    for (const auto& e : *charset->Idents)
        named |= e.Value == DEFAULT_CHARSET && std::string_view(e.Name) == "DEFAULT_CHARSET";
    EXPECT_TRUE(named);
}

// --- Canvas state follows its tools -------------------------------------------------------------

TEST(CanvasToolsTest, FontColourBecomesTheTextColour) {
    TCanvas c;
    c.Font()->SetColor(clRed);
    EXPECT_EQ(c.TextColor(), clRed);
    TFont f;
    f.SetColor(clNavy);
    c.SetFont(&f);
    EXPECT_EQ(c.TextColor(), clNavy);
}

TEST(CanvasToolsTest, BrushSetsTheBackgroundColourAndMode) {
    TCanvas c;
    c.Brush()->SetColor(clBtnFace);
    EXPECT_EQ(c.BkColor(), clBtnFace);
    EXPECT_EQ(c.BkMode(), OPAQUE);
    c.Brush()->SetStyle(bsClear);
    EXPECT_EQ(c.BkMode(), TRANSPARENT);
    c.Brush()->SetColor(clRed);
    EXPECT_EQ(c.Brush()->Style(), bsSolid) << "a colour makes a clear brush solid";
    EXPECT_EQ(c.BkMode(), OPAQUE);
    c.Brush()->SetColor(clNone);
    EXPECT_EQ(c.Brush()->Style(), bsClear);
}

TEST(CanvasToolsTest, DetachedCanvasDrawsNothingAndReadsNoPixels) {
    TCanvas c;
    EXPECT_FALSE(c.HandleAllocated());
    c.FillRect(Rect(0, 0, 10, 10));
    c.LineTo(5, 5);
    EXPECT_EQ(c.Pixels(0, 0), clNone);
    EXPECT_EQ(c.PenPos(), Point(5, 5));
}

} // namespace
