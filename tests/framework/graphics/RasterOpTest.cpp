// Block transfers, pattern fills and monochrome conversions on known pixels.
#include "GraphicsTestSupport.h"

#include "framework/graphics/WinGdi.h"

#include <memory>

namespace {

constexpr TColor kSrc = RGB(0xF0, 0x0F, 0x33);
constexpr TColor kDst = RGB(0xAA, 0x55, 0x0F);

uint32_t Rgb24(TColor c) {
    return uint32_t(c) & 0xFFFFFF;
}

TEST(RasterOpTest, EachSourceOperationCombinesTheBitsAsNamed) {
    const uint32_t s = Rgb24(kSrc), d = Rgb24(kDst);
    struct TCase {
        const char* Name;
        uint32_t Rop;
        uint32_t Expected;
    };
    const TCase cases[] = {
        {"SRCCOPY", SRCCOPY, s},
        {"SRCAND", SRCAND, s & d},
        {"SRCPAINT", SRCPAINT, s | d},
        {"SRCINVERT", SRCINVERT, s ^ d},
        {"SRCERASE", SRCERASE, s & ~d & 0xFFFFFF},
        {"NOTSRCCOPY", NOTSRCCOPY, ~s & 0xFFFFFF},
        {"NOTSRCERASE", NOTSRCERASE, ~(s | d) & 0xFFFFFF},
        {"MERGEPAINT", MERGEPAINT, (~s | d) & 0xFFFFFF},
        {"DSTINVERT", DSTINVERT, ~d & 0xFFFFFF},
        {"BLACKNESS", BLACKNESS, 0},
        {"WHITENESS", WHITENESS, 0xFFFFFF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        auto src = FilledBitmap(4, 4, kSrc);
        auto dst = FilledBitmap(6, 6, kDst);
        ASSERT_TRUE(BitBlt(dst->Canvas(), 1, 1, 4, 4, src->Canvas(), 0, 0, c.Rop));
        EXPECT_EQ(Rgb24(dst->Canvas()->Pixels(2, 2)), c.Expected);
        EXPECT_EQ(dst->Canvas()->Pixels(0, 0), kDst) << "outside the block";
        EXPECT_EQ(dst->Canvas()->Pixels(5, 5), kDst);
    }
}

TEST(RasterOpTest, PatternOperationsUseTheBrush) {
    const uint32_t p = 0x3C3C3C, d = Rgb24(kDst);
    struct TCase {
        const char* Name;
        uint32_t Rop;
        uint32_t Expected;
    };
    const TCase cases[] = {
        {"PATCOPY", PATCOPY, p},
        {"PATINVERT", PATINVERT, p ^ d},
        {"pattern XNOR destination", PATXNORDEST, ~(p ^ d) & 0xFFFFFF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        auto dst = FilledBitmap(6, 6, kDst);
        dst->Canvas()->Brush()->SetColor(MakeColor(p));
        ASSERT_TRUE(PatBlt(dst->Canvas(), 0, 0, 3, 3, c.Rop));
        EXPECT_EQ(Rgb24(dst->Canvas()->Pixels(1, 1)), c.Expected);
        EXPECT_EQ(dst->Canvas()->Pixels(3, 3), kDst);
    }
}

TEST(RasterOpTest, UnknownOperationDrawsNothing) {
    auto src = FilledBitmap(2, 2, kSrc);
    auto dst = FilledBitmap(2, 2, kDst);
    EXPECT_FALSE(BitBlt(dst->Canvas(), 0, 0, 2, 2, src->Canvas(), 0, 0, 0x00E20746));
    EXPECT_EQ(dst->Canvas()->Pixels(0, 0), kDst);
}

TEST(RasterOpTest, MonochromePatternXnorTwiceRestoresTheDestination) {
    static const uint8_t rows[16] = {0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0,
                                     0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0};
    std::unique_ptr<TBitmap> pattern(CreateBitmap(8, 8, 1, 1, rows, sizeof rows));
    ASSERT_TRUE(pattern);
    TBitmap dst(20, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            dst.Canvas()->SetPixels(x, y, RGB(x * 12, y * 25, 200));
    const QImage before = dst.Image().copy();
    TCanvas* c = dst.Canvas();
    c->Brush()->SetColor(clBtnFace);
    c->Brush()->SetBitmap(pattern.get());
    PatBlt(c, 3, 0, 4, 10, PATXNORDEST);
    EXPECT_NE(dst.Image(), before);
    PatBlt(c, 3, 0, 4, 10, PATXNORDEST);
    EXPECT_EQ(dst.Image(), before);
    c->Brush()->SetBitmap(nullptr);
}

TEST(RasterOpTest, MonochromePatternPaintsZeroBitsInTextColourOnesInBackground) {
    static const uint8_t rows[4] = {0x80, 0, 0x40, 0}; // (0,0) set, (1,1) set
    std::unique_ptr<TBitmap> pattern(CreateBitmap(2, 2, 1, 1, rows, sizeof rows));
    ASSERT_TRUE(pattern);
    auto dst = FilledBitmap(4, 4, kDst);
    TCanvas* c = dst->Canvas();
    c->Brush()->SetBitmap(pattern.get());
    c->SetTextColor(clRed);
    c->SetBkColor(clBlue);
    PatBlt(c, 0, 0, 4, 4, PATCOPY);
    EXPECT_EQ(c->Pixels(0, 0), clBlue);
    EXPECT_EQ(c->Pixels(1, 1), clBlue);
    EXPECT_EQ(c->Pixels(1, 0), clRed);
    EXPECT_EQ(c->Pixels(2, 2), clBlue) << "pattern repeats";
    c->Brush()->SetBitmap(nullptr);
}

TEST(RasterOpTest, ColourToMonochromeMakesTheBackgroundColourWhite) {
    TBitmap src(3, 1);
    src.Canvas()->SetPixels(0, 0, clGreen);
    src.Canvas()->SetPixels(1, 0, clRed);
    src.Canvas()->SetPixels(2, 0, RGB(0, 0x81, 0)); // close to green is still not green
    TBitmap mask(3, 1);
    mask.SetMonochrome(true);
    SetBkColor(src.Canvas(), MakeColor(uint32_t(clGreen) | PaletteRelativeFlag));
    BitBlt(mask.Canvas(), 0, 0, 3, 1, src.Canvas(), 0, 0, SRCCOPY);
    EXPECT_EQ(mask.Canvas()->Pixels(0, 0), clWhite);
    EXPECT_EQ(mask.Canvas()->Pixels(1, 0), clBlack);
    EXPECT_EQ(mask.Canvas()->Pixels(2, 0), clBlack);
}

TEST(RasterOpTest, MonochromeToColourTakesTheDestinationColours) {
    static const uint8_t rows[2] = {0x80, 0}; // white, black
    std::unique_ptr<TBitmap> mono(CreateBitmap(2, 1, 1, 1, rows, sizeof rows));
    auto dst = FilledBitmap(2, 1, kDst);
    SetBkColor(dst->Canvas(), clYellow);
    SetTextColor(dst->Canvas(), clNavy);
    BitBlt(dst->Canvas(), 0, 0, 2, 1, mono->Canvas(), 0, 0, SRCCOPY);
    EXPECT_EQ(dst->Canvas()->Pixels(0, 0), clYellow);
    EXPECT_EQ(dst->Canvas()->Pixels(1, 0), clNavy);
}

// The transparent-bitmap sequence the components draw with: mask, punch a hole, fill it.
TEST(RasterOpTest, MaskSequenceKeepsTheDestinationUnderTransparentPixels) {
    TBitmap image(2, 2);
    image.Canvas()->FillRectColor(Rect(0, 0, 2, 2), clFuchsia);
    image.Canvas()->SetPixels(1, 1, clBlue);
    auto dest = FilledBitmap(2, 2, clLime);
    TBitmap mask(2, 2);
    mask.SetMonochrome(true);

    SetBkColor(image.Canvas(), clFuchsia);
    BitBlt(mask.Canvas(), 0, 0, 2, 2, image.Canvas(), 0, 0, SRCCOPY);
    SetBkColor(dest->Canvas(), clWhite);
    SetTextColor(dest->Canvas(), clBlack);
    BitBlt(dest->Canvas(), 0, 0, 2, 2, mask.Canvas(), 0, 0, SRCAND);
    BitBlt(mask.Canvas(), 0, 0, 2, 2, image.Canvas(), 0, 0, NOTSRCCOPY);
    SetTextColor(image.Canvas(), clBlack);
    SetBkColor(image.Canvas(), clWhite);
    BitBlt(image.Canvas(), 0, 0, 2, 2, mask.Canvas(), 0, 0, SRCAND);
    BitBlt(dest->Canvas(), 0, 0, 2, 2, image.Canvas(), 0, 0, SRCPAINT);

    EXPECT_EQ(dest->Canvas()->Pixels(0, 0), clLime);
    EXPECT_EQ(dest->Canvas()->Pixels(1, 0), clLime);
    EXPECT_EQ(dest->Canvas()->Pixels(1, 1), clBlue);
}

TEST(RasterOpTest, StretchBltPicksNearestPixelsAndMirrors) {
    TBitmap src(2, 1);
    src.Canvas()->SetPixels(0, 0, clRed);
    src.Canvas()->SetPixels(1, 0, clBlue);
    auto dst = FilledBitmap(4, 2, clWhite);
    StretchBlt(dst->Canvas(), 0, 0, 4, 2, src.Canvas(), 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(dst->Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(dst->Canvas()->Pixels(1, 1), clRed);
    EXPECT_EQ(dst->Canvas()->Pixels(2, 0), clBlue);
    EXPECT_EQ(dst->Canvas()->Pixels(3, 1), clBlue);
    StretchBlt(dst->Canvas(), 3, 0, -4, 1, src.Canvas(), 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(dst->Canvas()->Pixels(0, 0), clBlue) << "negative width mirrors";
    EXPECT_EQ(dst->Canvas()->Pixels(3, 0), clRed);
}

TEST(RasterOpTest, BlitWithinOneBitmapReadsTheSourceFirst) {
    TBitmap bmp(3, 1);
    bmp.Canvas()->SetPixels(0, 0, clRed);
    bmp.Canvas()->SetPixels(1, 0, clLime);
    bmp.Canvas()->SetPixels(2, 0, clBlue);
    BitBlt(bmp.Canvas(), 1, 0, 2, 1, bmp.Canvas(), 0, 0, SRCCOPY);
    EXPECT_EQ(bmp.Canvas()->Pixels(1, 0), clRed);
    EXPECT_EQ(bmp.Canvas()->Pixels(2, 0), clLime);
}

TEST(CreateBitmapTest, RowsArePaddedToSixteenBits) {
    // 10 pixels wide: two bytes a row, the first pixel in the highest bit.
    static const uint8_t rows[4] = {0x80, 0x40, 0x00, 0x00};
    std::unique_ptr<TBitmap> bmp(CreateBitmap(10, 2, 1, 1, rows, sizeof rows));
    ASSERT_TRUE(bmp);
    EXPECT_TRUE(bmp->Monochrome());
    EXPECT_EQ(bmp->Canvas()->Pixels(0, 0), clWhite);
    EXPECT_EQ(bmp->Canvas()->Pixels(9, 0), clWhite);
    EXPECT_EQ(bmp->Canvas()->Pixels(8, 0), clBlack);
    EXPECT_EQ(bmp->Canvas()->Pixels(0, 1), clBlack);
}

TEST(CreateBitmapTest, RefusesWhatItCannotHold) {
    static const uint8_t rows[2] = {0, 0};
    EXPECT_EQ(CreateBitmap(8, 2, 1, 1, rows, sizeof rows), nullptr) << "too short";
    EXPECT_EQ(CreateBitmap(8, 1, 1, 8, rows, sizeof rows), nullptr) << "colour depth";
    EXPECT_EQ(CreateBitmap(8, 1, 2, 1, rows, sizeof rows), nullptr) << "planes";
}

} // namespace
