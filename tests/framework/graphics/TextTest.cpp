// Formatted text (DrawText), positioned text (ExtTextOut with text alignment), state text.
#include "GraphicsTestSupport.h"

#include "framework/graphics/WinGdi.h"

#include <QFontMetrics>

namespace {

// Bounding box of the pixels that differ from the background.
QRect InkBox(const TBitmap& bmp, TColor background) {
    QRect box;
    const QRgb bg = ColorToQRgb(background);
    const QImage& img = bmp.Image();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) != (bg & 0xFFFFFF)) box |= QRect(x, y, 1, 1);
    return box;
}

class DrawTextTest : public TFixedPaletteTest {
protected:
    void SetUp() override {
        TFixedPaletteTest::SetUp();
        FBmp = FilledBitmap(200, 80, clWhite);
        C()->Font()->SetColor(clBlack);
        C()->SetBkMode(TRANSPARENT);
    }
    TCanvas* C() { return FBmp->Canvas(); }
    int LineHeight() { return C()->TextHeight(QStringLiteral("Ag")); }

    std::unique_ptr<TBitmap> FBmp;
};

TEST_F(DrawTextTest, CalcRectMeasuresOneLineWithoutDrawing) {
    TRect r = Rect(10, 5, 200, 80);
    const int h = DrawText(C(), QStringLiteral("Action"), r, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(h, LineHeight());
    EXPECT_EQ(r, Rect(10, 5, 10 + C()->TextWidth(QStringLiteral("Action")), 5 + LineHeight()));
    EXPECT_TRUE(InkBox(*FBmp, clWhite).isEmpty());
}

TEST_F(DrawTextTest, PrefixCharactersAreNotMeasured) {
    struct TCase {
        const char* Text;
        unsigned Extra;
        const char* Shown;
    };
    const TCase cases[] = {
        {"&File", 0, "File"},   {"a&&b", 0, "a&b"},
        {"S&pell", 0, "Spell"}, {"&File", DT_NOPREFIX, "&File"},
        {"end&", 0, "end"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        TRect r = Rect(0, 0, 200, 80);
        DrawText(C(), QString::fromLatin1(c.Text), r, DT_CALCRECT | DT_SINGLELINE | c.Extra);
        EXPECT_EQ(r.Width(), C()->TextWidth(QString::fromLatin1(c.Shown)));
    }
}

TEST_F(DrawTextTest, PrefixUnderlinesTheNextCharacter) {
    const QFontMetrics fm(C()->QtFont());
    const int row = fm.ascent() + 1, w = fm.horizontalAdvance(u'M');
    TRect r = Rect(0, 0, 200, 80);
    DrawText(C(), QStringLiteral("&MM"), r, DT_SINGLELINE);
    for (int x = 0; x < w; ++x)
        EXPECT_EQ(C()->Pixels(x, row), clBlack) << x;
    EXPECT_EQ(C()->Pixels(w + 1, row), clWhite) << "only the prefixed character";

    auto plain = FilledBitmap(200, 80, clWhite);
    plain->Canvas()->Font()->SetColor(clBlack);
    plain->Canvas()->SetBkMode(TRANSPARENT);
    DrawText(plain->Canvas(), QStringLiteral("&MM"), r, DT_SINGLELINE | DT_NOPREFIX);
    int dark = 0;
    for (int x = 0; x < w; ++x)
        dark += plain->Canvas()->Pixels(x, row) == clBlack;
    EXPECT_LT(dark, w);
}

TEST_F(DrawTextTest, WordBreakWrapsAtSpacesAndReportsTheHeight) {
    const QString text = QStringLiteral("aaa bbb ccc");
    const int fits = C()->TextWidth(QStringLiteral("aaa bbb"));
    TRect r = Rect(0, 0, fits + 1, 10);
    const int h = DrawText(C(), text, r, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(h, 2 * LineHeight());
    EXPECT_EQ(r.Bottom, 2 * LineHeight());
    EXPECT_EQ(r.Right, fits + 1) << "width kept when every word fits";

    TRect narrow = Rect(0, 0, 5, 10);
    DrawText(C(), text, narrow, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(narrow.Bottom, 3 * LineHeight());
    EXPECT_EQ(narrow.Right, C()->TextWidth(QStringLiteral("aaa"))) << "grows to the widest word";
}

TEST_F(DrawTextTest, LineBreaksStartLinesUnlessSingleLine) {
    TRect r = Rect(0, 0, 200, 80);
    EXPECT_EQ(DrawText(C(), QStringLiteral("one\r\ntwo\nthree"), r, DT_CALCRECT), 3 * LineHeight());
    EXPECT_EQ(r.Right, C()->TextWidth(QStringLiteral("three")));
    TRect one = Rect(0, 0, 200, 80);
    EXPECT_EQ(DrawText(C(), QStringLiteral("one\ntwo"), one, DT_CALCRECT | DT_SINGLELINE),
              LineHeight());
}

TEST_F(DrawTextTest, VerticalCentreReturnsOffsetToTheTextBottom) {
    TRect r = Rect(0, 10, 100, 50);
    const int h = DrawText(C(), QStringLiteral("x"), r, DT_SINGLELINE | DT_VCENTER);
    EXPECT_EQ(h, (40 - LineHeight()) / 2 + LineHeight());
    const QRect ink = InkBox(*FBmp, clWhite);
    EXPECT_GE(ink.top(), 10 + (40 - LineHeight()) / 2);
    EXPECT_LE(ink.bottom(), 10 + h);
}

TEST_F(DrawTextTest, HorizontalAlignmentPlacesTheLine) {
    const int w = C()->TextWidth(QStringLiteral("MMM"));
    struct TCase {
        unsigned Format;
        int Left;
    };
    const TCase cases[] = {{DT_LEFT, 20}, {DT_CENTER, 20 + (160 - w) / 2}, {DT_RIGHT, 180 - w}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Format);
        auto bmp = FilledBitmap(200, 40, clWhite);
        bmp->Canvas()->SetBkColor(clRed); // opaque: the line's extent shows exactly
        bmp->Canvas()->SetBkMode(OPAQUE);
        TRect r = Rect(20, 0, 180, 40);
        DrawText(bmp->Canvas(), QStringLiteral("MMM"), r, DT_SINGLELINE | c.Format);
        const QRect ink = InkBox(*bmp, clWhite);
        EXPECT_EQ(ink.left(), c.Left);
        EXPECT_EQ(ink.width(), w);
    }
}

TEST_F(DrawTextTest, TextIsClippedToTheRectangleUnlessNoClip) {
    const QString wide = QStringLiteral("WWWWWWWWWWWW");
    TRect r = Rect(0, 0, 20, 40);
    DrawText(C(), wide, r, DT_SINGLELINE);
    EXPECT_LT(InkBox(*FBmp, clWhite).right(), 20);
    DrawText(C(), wide, r, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(InkBox(*FBmp, clWhite).right(), 20);
}

TEST_F(DrawTextTest, EndEllipsisShortensWhatDoesNotFit) {
    const QString text = QStringLiteral("A rather long caption");
    TRect r = Rect(0, 0, 40, 20);
    DrawText(C(), text, r, DT_CALCRECT | DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_LE(r.Width(), 40);
    EXPECT_GT(r.Width(), 0);
}

// --- ExtTextOut and text alignment -------------------------------------------------------------

class ExtTextOutTest : public DrawTextTest {};

TEST_F(ExtTextOutTest, AlignmentMovesTheTextCell) {
    const QString s = QStringLiteral("Hello");
    const QFontMetrics fm(C()->QtFont());
    const int w = fm.horizontalAdvance(s), h = fm.height();
    struct TCase {
        const char* Name;
        unsigned Align;
        int X, Y;
        QRect Cell;
    };
    const TCase cases[] = {
        {"left top", TA_LEFT | TA_TOP, 10, 10, QRect(10, 10, w, h)},
        {"centre top", TA_CENTER | TA_TOP, 100, 10, QRect(100 - w / 2, 10, w, h)},
        {"right bottom", TA_RIGHT | TA_BOTTOM, 150, 60, QRect(150 - w, 60 - h, w, h)},
        {"left baseline", TA_LEFT | TA_BASELINE, 10, 40, QRect(10, 40 - fm.ascent(), w, h)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        auto bmp = FilledBitmap(200, 80, clWhite);
        TCanvas* k = bmp->Canvas();
        k->SetBkColor(clRed);
        k->SetBkMode(OPAQUE);
        const unsigned old = SetTextAlign(k, c.Align);
        EXPECT_EQ(old, 0u);
        ExtTextOut(k, c.X, c.Y, 0, nullptr, s);
        EXPECT_EQ(InkBox(*bmp, clWhite), c.Cell);
    }
}

TEST_F(ExtTextOutTest, ClippedOpaqueFillsTheRectangleOnly) {
    C()->SetBkColor(clYellow);
    const TRect r = Rect(10, 10, 30, 30);
    ExtTextOut(C(), 12, 12, ETO_CLIPPED | ETO_OPAQUE, &r, QStringLiteral("WWWWWWWW"));
    EXPECT_EQ(InkBox(*FBmp, clWhite), QRect(10, 10, 20, 20));
    EXPECT_EQ(C()->Pixels(10, 10), clYellow);
}

TEST_F(ExtTextOutTest, CanvasTextRectFillsWithTheBrushAndClips) {
    TCanvas* k = C();
    k->Brush()->SetColor(clAqua);
    k->TextRect(Rect(5, 5, 25, 25), 6, 6, QStringLiteral("WWWWWWWWW"));
    EXPECT_EQ(InkBox(*FBmp, clWhite), QRect(5, 5, 20, 20));
    EXPECT_EQ(k->Pixels(24, 24), clAqua);
}

TEST_F(ExtTextOutTest, ClearBrushDrawsTextTransparently) {
    TCanvas* k = C();
    k->Brush()->SetStyle(bsClear);
    EXPECT_EQ(k->BkMode(), TRANSPARENT);
    k->TextOut(10, 10, QStringLiteral("i"));
    const QRect ink = InkBox(*FBmp, clWhite);
    EXPECT_LT(ink.width(), k->TextWidth(QStringLiteral("i")) + 1);
    EXPECT_LT(ink.height(), k->TextHeight(QStringLiteral("i")));
}

TEST_F(ExtTextOutTest, SetterCallsReturnThePreviousValue) {
    TCanvas* k = C();
    EXPECT_EQ(SetBkColor(k, clRed), clWhite);
    EXPECT_EQ(SetBkColor(k, clBlue), clRed);
    EXPECT_EQ(SetTextColor(k, clGreen), clBlack);
    EXPECT_EQ(SetBkMode(k, OPAQUE), TRANSPARENT);
    TSize size;
    ASSERT_TRUE(GetTextExtentPoint32(k, QStringLiteral("abc"), size));
    EXPECT_EQ(size, k->TextExtent(QStringLiteral("abc")));
}

// --- DrawState --------------------------------------------------------------------------------

TEST_F(DrawTextTest, DisabledStateTextIsEmbossed) {
    QPalette pal = FixedPalette();
    pal.setColor(QPalette::Light, QColor(0xEE, 0xEE, 0x10));
    QApplication::setPalette(pal);
    DrawState(C(), QStringLiteral("&Menu"), 10, 10, 0, 0, DST_PREFIXTEXT | DSS_DISABLED);
    int light = 0, shadow = 0, normal = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 200; ++x) {
            const TColor c = C()->Pixels(x, y);
            light += c == RGB(0xEE, 0xEE, 0x10);
            shadow += c == Rgb(clBtnShadow);
            normal += c == clBlack;
        }
    EXPECT_GT(light, 0);
    EXPECT_GT(shadow, 0);
    EXPECT_EQ(normal, 0) << "no pixel in the normal text colour";
    const QRect ink = InkBox(*FBmp, clWhite);
    EXPECT_GE(ink.left(), 10);
    EXPECT_GE(ink.top(), 10);
}

TEST_F(DrawTextTest, NormalStateTextUsesTheTextColourWithoutBackground) {
    C()->SetBkMode(OPAQUE);
    C()->SetBkColor(clRed);
    DrawState(C(), QStringLiteral("HI"), 10, 10, 0, 0, DST_TEXT);
    bool red = false, dark = false;
    const QImage& img = FBmp->Image();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            red |= C()->Pixels(x, y) == clRed;
            dark |= qGray(img.pixel(x, y)) < 64;
        }
    EXPECT_FALSE(red);
    EXPECT_TRUE(dark);
}

} // namespace
