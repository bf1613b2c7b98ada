#include "components/gfx/VQDrawing.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/WinGdi.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor kKey = RGB(255, 0, 255);

// A bitmap from rows of colours.
std::unique_ptr<TBitmap> Pic(std::initializer_list<std::initializer_list<TColor>> rows) {
    const int h = int(rows.size());
    const int w = int(rows.begin()->size());
    auto b = std::make_unique<TBitmap>(w, h);
    int y = 0;
    for (const auto& row : rows) {
        int x = 0;
        for (TColor c : row)
            b->Canvas()->SetPixels(x++, y, c);
        ++y;
    }
    return b;
}

// A destination whose every pixel differs from its neighbours, so any change shows.
std::unique_ptr<TBitmap> Backdrop(int w, int h) {
    auto b = std::make_unique<TBitmap>(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b->Canvas()->SetPixels(x, y, RGB(10 + x * 7, 20 + y * 9, 77));
    return b;
}

TColor BackdropAt(int x, int y) {
    return RGB(10 + x * 7, 20 + y * 9, 77);
}

TEST(DrawTransparentBitmapTest, OnlyTheTransparentColourShowsTheDestination) {
    const TColor a = RGB(200, 30, 40), b = clBlack, c = clWhite;
    auto pic = Pic({{a, kKey, b}, {kKey, c, kKey}});
    auto dest = Backdrop(8, 6);
    DrawTransparentBitmap(dest->Canvas(), Rect(2, 1, 5, 3), pic.get(), kKey);
    TCanvas* k = dest->Canvas();
    EXPECT_EQ(k->Pixels(2, 1), a);
    EXPECT_EQ(k->Pixels(3, 1), BackdropAt(3, 1));
    EXPECT_EQ(k->Pixels(4, 1), b); // black and white are ordinary colours
    EXPECT_EQ(k->Pixels(2, 2), BackdropAt(2, 2));
    EXPECT_EQ(k->Pixels(3, 2), c);
    EXPECT_EQ(k->Pixels(4, 2), BackdropAt(4, 2));
    // Nothing outside the destination rectangle moves.
    for (TPoint p : {Point(1, 1), Point(5, 1), Point(2, 0), Point(2, 3)})
        EXPECT_EQ(k->Pixels(p.X, p.Y), BackdropAt(p.X, p.Y)) << p.X << "," << p.Y;
}

TEST(DrawTransparentBitmapTest, AllTransparentLeavesTheDestination) {
    auto pic = Pic({{kKey, kKey}, {kKey, kKey}});
    auto dest = Backdrop(6, 6);
    const QImage before = dest->Image();
    DrawTransparentBitmap(dest->Canvas(), Rect(0, 0, 6, 6), pic.get(), kKey);
    EXPECT_EQ(dest->Image(), before);
}

TEST(DrawTransparentBitmapTest, WithoutTheColourTheBitmapIsDrawnOpaque) {
    const TColor x = RGB(1, 2, 3), y = RGB(254, 0, 255); // y is one step off the key
    auto pic = Pic({{x, y}, {y, x}});
    auto dest = Backdrop(2, 2);
    DrawTransparentBitmap(dest->Canvas(), Rect(0, 0, 2, 2), pic.get(), kKey);
    EXPECT_EQ(dest->Image(), pic->Image());
}

TEST(DrawTransparentBitmapTest, TransparencyIsJudgedOnTheStretchedImage) {
    const TColor a = RGB(0, 128, 0);
    auto pic = Pic({{a, kKey}});
    auto dest = Backdrop(4, 2);
    DrawTransparentBitmap(dest->Canvas(), Rect(0, 0, 4, 2), pic.get(), kKey);
    for (int yy = 0; yy < 2; ++yy) {
        EXPECT_EQ(dest->Canvas()->Pixels(0, yy), a);
        EXPECT_EQ(dest->Canvas()->Pixels(1, yy), a);
        EXPECT_EQ(dest->Canvas()->Pixels(2, yy), BackdropAt(2, yy));
        EXPECT_EQ(dest->Canvas()->Pixels(3, yy), BackdropAt(3, yy));
    }

    // Shrinking: the key pixels the stretch keeps decide, not the source as a whole.
    auto wide = Pic({{kKey, a, a, kKey}});
    auto small = Backdrop(2, 1);
    DrawTransparentBitmap(small->Canvas(), Rect(0, 0, 2, 1), wide.get(), kKey);
    TBitmap stretched(2, 1);
    StretchBlt(stretched.Canvas(), 0, 0, 2, 1, wide->Canvas(), 0, 0, 4, 1, SRCCOPY);
    // Whichever pixels the stretch samples, one of each kind survives.
    ASSERT_NE(stretched.Canvas()->Pixels(0, 0), stretched.Canvas()->Pixels(1, 0));
    for (int xx = 0; xx < 2; ++xx) {
        const TColor seen = stretched.Canvas()->Pixels(xx, 0);
        EXPECT_EQ(small->Canvas()->Pixels(xx, 0), seen == kKey ? BackdropAt(xx, 0) : seen) << xx;
    }
}

TEST(DrawTransparentBitmapTest, SystemColourKeyComparesAgainstItsCurrentRgb) {
    const TColor face = ColorToRGB(clBtnFace);
    const TColor other = face == clBlack ? clWhite : clBlack;
    auto pic = Pic({{face, other}});
    auto dest = Backdrop(2, 1);
    DrawTransparentBitmap(dest->Canvas(), Rect(0, 0, 2, 1), pic.get(), clBtnFace);
    EXPECT_EQ(dest->Canvas()->Pixels(0, 0), BackdropAt(0, 0));
    EXPECT_EQ(dest->Canvas()->Pixels(1, 0), other);
}

TEST(DrawTransparentBitmapTest, BitmapTransparentColourWithPaletteFlagWorks) {
    const TColor a = RGB(9, 9, 9);
    auto pic = Pic({{a, kKey}, {kKey, kKey}}); // bottom-left pixel: the automatic colour
    auto dest = Backdrop(2, 2);
    DrawTransparentBitmap(dest->Canvas(), Rect(0, 0, 2, 2), pic.get(), pic->TransparentColor());
    EXPECT_EQ(dest->Canvas()->Pixels(0, 0), a);
    EXPECT_EQ(dest->Canvas()->Pixels(1, 0), BackdropAt(1, 0));
}

TEST(DrawTransparentBitmapTest, EmptyDestinationOrBitmapDrawsNothing) {
    auto pic = Pic({{RGB(1, 1, 1)}});
    auto dest = Backdrop(4, 4);
    const QImage before = dest->Image();
    DrawTransparentBitmap(dest->Canvas(), Rect(2, 2, 2, 4), pic.get(), kKey);
    DrawTransparentBitmap(dest->Canvas(), Rect(3, 3, 1, 1), pic.get(), kKey);
    TBitmap empty;
    DrawTransparentBitmap(dest->Canvas(), Rect(0, 0, 4, 4), &empty, kKey);
    EXPECT_EQ(dest->Image(), before);
}

TEST(DrawTransparentBitmapTest, LeavesTheDestinationColoursAsTheyWere) {
    auto pic = Pic({{RGB(5, 5, 5), kKey}});
    auto dest = Backdrop(2, 1);
    dest->Canvas()->SetBkColor(RGB(1, 2, 3));
    dest->Canvas()->SetTextColor(RGB(4, 5, 6));
    DrawTransparentBitmap(dest->Canvas(), Rect(0, 0, 2, 1), pic.get(), kKey);
    EXPECT_EQ(dest->Canvas()->BkColor(), RGB(1, 2, 3));
    EXPECT_EQ(dest->Canvas()->TextColor(), RGB(4, 5, 6));
}

} // namespace
