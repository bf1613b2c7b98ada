// Labels: sizing to the text, word wrap, and painting.
#include "framework/stdctrls/Label.h"
#include "framework/controls/Form.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Graphics.h"

#include <QFontMetrics>
#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
int TextWidth(const TFont* font, const String& text) {
    TBitmap b(1, 1);
    b.Canvas()->Font()->Assign(font);
    return b.Canvas()->TextWidth(text);
}
int LineHeight(const TFont* font) {
    TBitmap b(1, 1);
    b.Canvas()->Font()->Assign(font);
    return b.Canvas()->TextHeight(QStringLiteral("Wg"));
}
} // namespace

TEST(LabelAutoSize, TakesTheSizeOfItsText) {
    TLabel label(nullptr);
    label.SetCaption(QStringLiteral("Hello world"));
    EXPECT_EQ(label.Width(), TextWidth(label.Font(), QStringLiteral("Hello world")));
    EXPECT_EQ(label.Height(), LineHeight(label.Font()));
    const int oneLine = label.Height();
    label.SetCaption(QStringLiteral("two\nlines"));
    EXPECT_EQ(label.Height(), 2 * oneLine);
    // An empty caption keeps the height of a line.
    label.SetCaption(String());
    EXPECT_EQ(label.Height(), oneLine);
}

TEST(LabelAutoSize, AcceleratorMarkTakesNoRoom) {
    TLabel a(nullptr), b(nullptr);
    a.SetCaption(QStringLiteral("&Name"));
    b.SetCaption(QStringLiteral("Name"));
    EXPECT_EQ(a.Width(), b.Width());
    a.SetShowAccelChar(false);
    EXPECT_GT(a.Width(), b.Width());
}

TEST(LabelAutoSize, RightJustifiedKeepsItsRightEdge) {
    TLabel label(nullptr);
    label.SetAutoSize(false);
    label.SetAlignment(taRightJustify);
    label.SetBounds(100, 10, 200, 30);
    label.SetCaption(QStringLiteral("Right"));
    label.SetAutoSize(true);
    EXPECT_EQ(label.Left() + label.Width(), 300);
    EXPECT_EQ(label.Width(), TextWidth(label.Font(), QStringLiteral("Right")));
}

TEST(LabelAutoSize, WordWrapBreaksWithinTheWidth) {
    TLabel label(nullptr);
    label.SetAutoSize(false);
    const int wordWidth = TextWidth(label.Font(), QStringLiteral("alpha beta"));
    label.SetBounds(0, 0, wordWidth + 2, 10);
    label.SetCaption(QStringLiteral("alpha beta alpha beta"));
    label.SetWordWrap(true);
    label.SetAutoSize(true);
    EXPECT_EQ(label.Height(), 2 * LineHeight(label.Font()));
    EXPECT_LE(label.Width(), wordWidth + 2);
    // Without wrapping the text is one long line.
    label.SetWordWrap(false);
    EXPECT_EQ(label.Height(), LineHeight(label.Font()));
    EXPECT_EQ(label.Width(), TextWidth(label.Font(), QStringLiteral("alpha beta alpha beta")));
}

TEST(LabelAutoSize, FontChangeResizes) {
    TLabel label(nullptr);
    label.SetCaption(QStringLiteral("Size"));
    const int small = label.Height();
    label.Font()->SetHeight(-24);
    EXPECT_GT(label.Height(), small);
}

TEST(LabelPaint, OpaqueFillsItsColourTransparentShowsTheParent) {
    TForm form(nullptr);
    form.SetColor(clRed);
    form.SetBounds(0, 0, 100, 60);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 40, 20);
    label->SetColor(clLime);
    form.Show();
    QImage shot = form.Widget()->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(48, 28)), QColor(0, 255, 0));
    label->SetTransparent(true);
    shot = form.Widget()->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(48, 28)), QColor(255, 0, 0));
}
