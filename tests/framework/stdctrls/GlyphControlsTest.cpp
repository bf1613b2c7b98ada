// Speed buttons, glyph buttons and multi-line hints: transparent glyph pixels, glyph placement,
// clicks, and what descriptions carry.
#include "framework/classes/ClassRegistry.h"
#include "framework/controls/Form.h"
#include "framework/graphics/Canvas.h"
#include "framework/stdctrls/StdCtrls.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

const char* const kForm = R"(object F: TForm
  Left = 0
  Top = 0
  ClientWidth = 300
  ClientHeight = 200
  ShowHint = True
  object Sb: TSpeedButton
    Left = 10
    Top = 10
    Width = 17
    Height = 17
    Hint = 'first line'#13#10'second line'
    Spacing = 0
  end
  object Bb: TBitBtn
    Left = 40
    Top = 10
    Width = 69
    Height = 61
    Caption = 'Drag Me!'
    Layout = blGlyphTop
    TabOrder = 0
  end
end)";

struct GlyphControls : ::testing::Test {
    void SetUp() override {
        RegisterStdCtrlsClasses();
        Form = std::make_unique<TForm>(nullptr);
        Form->ReadFromText(kForm, QStringLiteral("glyphs"));
        Sb = static_cast<TSpeedButton*>(Form->FindComponent(QStringLiteral("Sb")));
        Bb = static_cast<TBitBtn*>(Form->FindComponent(QStringLiteral("Bb")));
        ASSERT_TRUE(Sb && Bb);
        Form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
    }
    // A glyph: magenta background (its bottom-left pixel), a black square in the middle.
    static std::unique_ptr<TBitmap> Glyph(int w, int h, TColor back) {
        auto bmp = std::make_unique<TBitmap>(w, h);
        bmp->Canvas()->FillRectColor(TRect{0, 0, w, h}, back);
        bmp->Canvas()->FillRectColor(TRect{w / 4, h / 4, w - w / 4, h - h / 4}, clBlack);
        return bmp;
    }
    std::unique_ptr<TForm> Form;
    TSpeedButton* Sb = nullptr;
    TBitBtn* Bb = nullptr;
};

TEST_F(GlyphControls, SpeedButtonGlyphIsTransparentAndClicksOnRelease) {
    auto glyph = Glyph(11, 10, clFuchsia);
    Sb->SetGlyph(glyph.get());
    QImage shot = Sb->Widget()->grab().toImage();
    // Centred 11 x 10 in the 13 x 13 face of a 17 x 17 button: the corner shows the face, the
    // middle the glyph's black.
    EXPECT_EQ(shot.pixelColor(8, 8), QColor(Qt::black));
    for (QPoint p : {QPoint(4, 4), QPoint(12, 12), QPoint(3, 12)})
        EXPECT_NE(shot.pixelColor(p), QColor(255, 0, 255)) << p.x() << "," << p.y();

    // A monochrome glyph: white is transparent.
    auto mono = Glyph(11, 10, clWhite);
    mono->SetMonochrome(true);
    Sb->SetGlyph(mono.get());
    shot = Sb->Widget()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(8, 8), QColor(Qt::black));
    EXPECT_NE(shot.pixelColor(4, 4), QColor(Qt::white));

    int clicks = 0;
    Sb->OnClick = [&](TObject*) { ++clicks; };
    QTest::mouseClick(Sb->Widget(), Qt::LeftButton, {}, QPoint(8, 8));
    // Pressed, then released off the button: no click.
    QTest::mousePress(Sb->Widget(), Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_TRUE(Sb->Pressed());
    QTest::mouseRelease(Sb->Widget(), Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_FALSE(Sb->Pressed());
    EXPECT_EQ(clicks, 1);

    // Flat: no edge until the mouse is over it.
    Sb->SetFlat(true);
    shot = Sb->Widget()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(0, 0), shot.pixelColor(3, 3));
    Sb->SetFlat(false);
    shot = Sb->Widget()->grab().toImage();
    EXPECT_NE(shot.pixelColor(0, 0), shot.pixelColor(3, 3));
}

TEST_F(GlyphControls, BitBtnPutsTheGlyphAboveTheCaption) {
    auto glyph = Glyph(32, 32, clFuchsia);
    Bb->SetGlyph(glyph.get());
    const QImage shot = Bb->Widget()->grab().toImage();
    int glyphBottom = -1, textTop = -1;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            if (shot.pixelColor(x, y) != QColor(Qt::black)) continue;
            if (x >= 20 && x < 49 && y < 40) glyphBottom = y;
            if (y >= 40 && y < 58 && textTop < 0) textTop = y;
        }
    EXPECT_GT(glyphBottom, 0);
    EXPECT_GT(textTop, glyphBottom + 4);
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            ASSERT_NE(shot.pixelColor(x, y), QColor(255, 0, 255)) << x << "," << y;
}

TEST_F(GlyphControls, HintsKeepTheirLinesAndFollowTheForm) {
    EXPECT_EQ(Sb->Widget()->toolTip(), QStringLiteral("first line\nsecond line"));
    Form->SetShowHint(false);
    EXPECT_TRUE(Sb->Widget()->toolTip().isEmpty());
    Sb->SetShowHint(true); // no longer follows the form
    Form->SetShowHint(false);
    EXPECT_FALSE(Sb->ParentShowHint());
    EXPECT_EQ(Sb->Widget()->toolTip(), QStringLiteral("first line\nsecond line"));
}

} // namespace
