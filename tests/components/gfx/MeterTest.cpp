#include "GfxControlTestSupport.h"

#include "framework/controls/Form.h"
#include "framework/graphics/Canvas.h"

#include <QCoreApplication>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

namespace {

// --- Value and Percent ------------------------------------------------------------------------

struct ValueCase {
    int Min, Max, Set, Value, Percent;
};

const ValueCase kValues[] = {
    {0, 100, 25, 25, 25},  {0, 100, 150, 100, 100}, {0, 100, -5, 0, 0}, {10, 0, 5, 10, 0},
    {10, 0, 50, 10, 0},    {5, 5, 7, 5, 0},         {0, 3, 1, 1, 33},   {0, 3, 2, 2, 67},
    {-100, 100, 0, 0, 50}, {0, 200, 1, 1, 1},       {0, 200, 3, 3, 2}, // 1.5 rounds away from zero
};

TEST(MeterValueTest, ValueIsLimitedToMaxThenRaisedToMinAndPercentRounds) {
    for (const auto& c : kValues) {
        SCOPED_TRACE(testing::Message() << c.Min << ".." << c.Max << " set " << c.Set);
        TVQMeter meter(nullptr);
        meter.SetMaxValue(c.Max);
        meter.SetMinValue(c.Min);
        meter.SetValue(c.Set);
        EXPECT_EQ(meter.Value(), c.Value);
        EXPECT_EQ(meter.Percent(), c.Percent);
    }
}

struct PercentCase {
    int Min, Max, Percent, Value;
};

const PercentCase kPercents[] = {
    {0, 200, 33, 66}, {0, 3, 50, 2}, {0, 3, 49, 1}, {10, 20, 50, 15}, {0, 100, 150, 100},
};

TEST(MeterValueTest, WritingPercentSetsTheRoundedValue) {
    for (const auto& c : kPercents) {
        SCOPED_TRACE(testing::Message() << c.Min << ".." << c.Max << " percent " << c.Percent);
        TVQMeter meter(nullptr);
        meter.SetMaxValue(c.Max);
        meter.SetMinValue(c.Min);
        meter.SetPercent(c.Percent);
        EXPECT_EQ(meter.Value(), c.Value);
    }
}

TEST(MeterValueTest, ChangingTheBoundsDoesNotReclampValue) {
    TVQMeter meter(nullptr);
    meter.SetValue(150);
    EXPECT_EQ(meter.Value(), 100);
    meter.SetMaxValue(200);
    EXPECT_EQ(meter.Value(), 100);
    EXPECT_EQ(meter.Percent(), 50);
    meter.SetMaxValue(50);
    EXPECT_EQ(meter.Value(), 100);
    EXPECT_EQ(meter.Percent(), 200); // not clamped either
}

// --- Bar --------------------------------------------------------------------------------------

TEST(MeterBarTest, QuarterFillsTwentyFourOfNinetySixPixels) {
    TVQMeter meter(nullptr); // 100 by 21, lowered: inner (2, 2, 98, 19)
    meter.SetShowText(false);
    meter.SetValue(25);
    const QImage img = PaintControl(&meter);
    EXPECT_EQ(PixelAt(img, 2, 10), Rgb(clNavy));
    EXPECT_EQ(PixelAt(img, 25, 10), Rgb(clNavy));
    EXPECT_EQ(PixelAt(img, 26, 10), Rgb(clWhite));
    EXPECT_EQ(PixelAt(img, 97, 10), Rgb(clWhite));
    EXPECT_EQ(PixelAt(img, 25, 2), Rgb(clNavy));
    EXPECT_EQ(PixelAt(img, 25, 18), Rgb(clNavy));
}

// Whether any pixel of the column range, over the meter's middle rows, has the colour.
bool Contains(const QImage& img, int x0, int x1, TColor color) {
    for (int x = x0; x < x1; ++x)
        for (int y = 4; y < img.height() - 4; ++y)
            if (PixelAt(img, x, y) == Rgb(color)) return true;
    return false;
}

// The pixel of the column range (middle rows) farthest from the plain colour: the text's
// strongest pixel there, smoothed edges and all. Equal to the colour when nothing is drawn.
QRgb Strongest(const QImage& img, int x0, int x1, TColor plain) {
    const QColor base = ColorToQColor(plain);
    QRgb best = base.rgb();
    int bestDistance = 0;
    for (int x = x0; x < x1; ++x)
        for (int y = 4; y < img.height() - 4; ++y) {
            const QRgb px = img.pixel(x, y);
            const int d = std::abs(qRed(px) - base.red()) + std::abs(qGreen(px) - base.green()) +
                          std::abs(qBlue(px) - base.blue());
            if (d > bestDistance) bestDistance = d, best = px;
        }
    return best;
}

TEST(MeterBarTest, TextInvertsItsColoursAtTheBarsEdge) {
    TVQMeter meter(nullptr);
    meter.SetValue(50); // edge at x = 50, the text centred at x = 50
    const QImage withText = PaintControl(&meter);
    // Over the bar the text is light (Color, white); over the rest dark blue (the bar's colour).
    const QRgb overBar = Strongest(withText, 30, 50, clNavy);
    EXPECT_GT(qRed(overBar), 128);
    const QRgb overRest = Strongest(withText, 50, 70, clWhite);
    EXPECT_LT(qRed(overRest), 128);
    EXPECT_GT(qBlue(overRest), qRed(overRest) + 40);

    meter.SetShowText(false);
    const QImage plain = PaintControl(&meter);
    EXPECT_EQ(Strongest(plain, 2, 50, clNavy), ColorToQRgb(clNavy));
    EXPECT_EQ(Strongest(plain, 50, 98, clWhite), ColorToQRgb(clWhite));
}

TEST(MeterBarTest, UseFontColorDrawsTheTextInTheFontColourOnBothParts) {
    TVQMeter meter(nullptr);
    meter.SetValue(50);
    meter.Font()->SetColor(clRed);
    meter.SetUseFontColor(true);
    const QImage img = PaintControl(&meter);
    const QRgb overBar = Strongest(img, 30, 50, clNavy);
    EXPECT_GT(qRed(overBar), qBlue(overBar));
    const QRgb overRest = Strongest(img, 50, 70, clWhite);
    EXPECT_GT(qRed(overRest), qBlue(overRest) + 40);
}

TEST(MeterBarTest, VerticalBarFillsFromTheBottom) {
    TVQMeter meter(nullptr);
    meter.SetBounds(0, 0, 29, 77); // inner (2, 2, 27, 75): 73 high
    meter.SetOrientation(vqoVertical);
    meter.SetShowText(false);
    meter.SetValue(25); // 18.25 -> 18 pixels
    const QImage img = PaintControl(&meter);
    EXPECT_EQ(PixelAt(img, 14, 74), Rgb(clNavy));
    EXPECT_EQ(PixelAt(img, 14, 57), Rgb(clNavy));
    EXPECT_EQ(PixelAt(img, 14, 56), Rgb(clWhite));
    EXPECT_EQ(PixelAt(img, 14, 2), Rgb(clWhite));
}

TEST(MeterBarTest, SelectColorColoursTheWholeBarByPercent) {
    TVQMeter meter(nullptr);
    meter.SetShowText(false);
    meter.SetValue(60);
    std::vector<uint32_t> asked;
    meter.OnSelectColor = [&](TObject* sender, uint32_t percent, TColor& color) {
        EXPECT_EQ(sender, &meter);
        EXPECT_EQ(color, clNavy);
        asked.push_back(percent);
        color = clGreen;
    };
    const QImage img = PaintControl(&meter);
    EXPECT_EQ(asked, std::vector<uint32_t>{60});
    EXPECT_EQ(PixelAt(img, 3, 10), Rgb(clGreen));
    EXPECT_EQ(PixelAt(img, 58, 10), Rgb(clGreen));
}

// --- LED --------------------------------------------------------------------------------------

TEST(MeterLedTest, WorkedExampleLightsFourBlocksOfNineAtHalf) {
    TVQMeter meter(nullptr);
    meter.SetMeterStyle(vqmsLED);
    meter.SetValue(50);
    std::vector<uint32_t> asked;
    meter.OnSelectColor = [&](TObject*, uint32_t percent, TColor&) { asked.push_back(percent); };
    const QImage img = PaintControl(&meter);
    EXPECT_EQ(asked, (std::vector<uint32_t>{50, 0, 11, 22, 33}));
    for (int left : {3, 14, 25, 36}) {
        SCOPED_TRACE(left);
        EXPECT_EQ(PixelAt(img, left, 3), Rgb(clNavy));
        EXPECT_EQ(PixelAt(img, left + 8, 17), Rgb(clNavy));
        EXPECT_EQ(PixelAt(img, left + 9, 10), Rgb(clWhite)); // the 2-pixel gap
        EXPECT_EQ(PixelAt(img, left + 10, 10), Rgb(clWhite));
    }
    EXPECT_EQ(PixelAt(img, 10, 2), Rgb(clWhite)); // the 1-pixel inset
    EXPECT_EQ(PixelAt(img, 10, 18), Rgb(clWhite));
    EXPECT_EQ(PixelAt(img, 47, 10), Rgb(clWhite)); // fifth block unlit
}

// Blocks lit, counted by the colour requests after the first (which is for Percent).
int LitBlocks(TVQMeter& meter) {
    int calls = 0;
    meter.OnSelectColor = [&](TObject*, uint32_t, TColor&) { ++calls; };
    PaintControl(&meter);
    meter.OnSelectColor = nullptr;
    return calls - 1;
}

TEST(MeterLedTest, BlockCountFormulasDifferBetweenOrientations) {
    // Usable length 100 and pitch 10 both ways: N = 11 upright, 10 lying.
    TVQMeter meter(nullptr);
    meter.SetBorderStyle(vqbsNone);
    meter.SetMeterStyle(vqmsLED);
    meter.SetValue(95);
    meter.SetOrientation(vqoVertical);
    meter.SetBounds(0, 0, 15, 102);
    EXPECT_EQ(LitBlocks(meter), 10);
    meter.SetOrientation(vqoHorizontal);
    meter.SetBounds(0, 0, 102, 15);
    EXPECT_EQ(LitBlocks(meter), 9);
}

TEST(MeterLedTest, VerticalLedColoursEachBlockByItsOwnPosition) {
    // The demo window's VQMeter8: inner (4, 4, 21, 73), pitch 11, 7 blocks.
    TVQMeter meter(nullptr);
    meter.SetBounds(0, 0, 25, 77);
    meter.SetMeterStyle(vqmsLED);
    meter.SetBorderStyle(vqbsRaised);
    meter.SetBorderSpace(2);
    meter.SetOrientation(vqoVertical);
    meter.SetMeterColor(clRed);
    meter.SetColor(clBtnFace);
    meter.OnSelectColor = [](TObject*, uint32_t percent, TColor& color) {
        color = percent <= 20 ? clRed : percent <= 50 ? clYellow : percent <= 75 ? clLime : clAqua;
    };
    meter.SetValue(50);
    const QImage img = PaintControl(&meter);
    EXPECT_EQ(PixelAt(img, 12, 70), Rgb(clRed));     // block 0: rows 63..71
    EXPECT_EQ(PixelAt(img, 12, 62), Rgb(clBtnFace)); // gap
    EXPECT_EQ(PixelAt(img, 12, 55), Rgb(clRed));     // block 1 at percent 14
    EXPECT_EQ(PixelAt(img, 12, 45), Rgb(clYellow));  // block 2 at percent 28
    EXPECT_EQ(PixelAt(img, 12, 35), Rgb(clBtnFace)); // block 3 unlit
    EXPECT_EQ(PixelAt(img, 5, 70), Rgb(clRed));
    EXPECT_EQ(PixelAt(img, 4, 70), Rgb(clBtnFace));

    meter.SetValue(100);
    const QImage full = PaintControl(&meter);
    EXPECT_EQ(PixelAt(full, 12, 8), Rgb(clLime));    // block 5 (percent 71): rows 8..16
    EXPECT_EQ(PixelAt(full, 12, 6), Rgb(clBtnFace)); // the seventh block is cut to nothing
    EXPECT_FALSE(Contains(full, 5, 20, clAqua));
}

TEST(MeterLedTest, ThinLedMetersPaintWithoutFailing) {
    for (int height = 4; height <= 10; ++height) {
        SCOPED_TRACE(height);
        TVQMeter meter(nullptr);
        meter.SetMeterStyle(vqmsLED);
        meter.SetValue(100);
        meter.SetBounds(0, 0, 100, height);
        EXPECT_NO_THROW(PaintControl(&meter));
        meter.SetOrientation(vqoVertical);
        meter.SetBounds(0, 0, height, 100);
        EXPECT_NO_THROW(PaintControl(&meter));
    }
}

TEST(MeterLedTest, EqualBoundsLightNothing) {
    TVQMeter meter(nullptr);
    meter.SetMeterStyle(vqmsLED);
    meter.SetMaxValue(0);
    EXPECT_EQ(LitBlocks(meter), 0);
}

// --- Owner draw -------------------------------------------------------------------------------

TEST(MeterOwnerDrawTest, WithoutHandlerShowsOnlyBackgroundAndBorder) {
    TVQMeter meter(nullptr);
    meter.SetMeterStyle(vqmsOwnerDraw);
    meter.SetValue(80);
    const QImage img = PaintControl(&meter);
    EXPECT_EQ(PixelAt(img, 10, 10), Rgb(clWhite));
    EXPECT_EQ(PixelAt(img, 90, 10), Rgb(clWhite));
}

TEST(MeterOwnerDrawTest, HandlerGetsTheInnerRectangleAndTheSelectedBrush) {
    TVQMeter meter(nullptr);
    meter.SetMeterStyle(vqmsOwnerDraw);
    meter.SetBorderSpace(1);
    meter.SetMeterColor(clPurple);
    TRect seen;
    meter.OnDrawMeter = [&](TObject* sender, TCanvas* canvas, const TRect& r) {
        EXPECT_EQ(sender, &meter);
        EXPECT_EQ(canvas->Brush()->Color(), clPurple);
        seen = r;
        canvas->FillRect(Rect(0, 0, 100, 21)); // clipped to r
    };
    const QImage img = PaintControl(&meter);
    EXPECT_EQ(seen, Rect(3, 3, 97, 18));
    EXPECT_EQ(PixelAt(img, 3, 3), Rgb(clPurple));
    EXPECT_EQ(PixelAt(img, 2, 3), Rgb(clWhite));
}

// --- Immediate repaint ------------------------------------------------------------------------

TEST(MeterRepaintTest, ChangesRepaintAtOnceWithoutTheEventLoop) {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 200, 100);
    auto* meter = new TVQMeter(form.get());
    meter->SetParent(form.get());
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form->Widget()));
    QCoreApplication::processEvents();

    int paints = 0;
    meter->OnSelectColor = [&](TObject*, uint32_t, TColor&) { ++paints; };
    meter->SetValue(40);
    EXPECT_EQ(paints, 1);
    meter->SetValue(40);
    EXPECT_EQ(paints, 1); // unchanged: nothing
    meter->SetPercent(70);
    meter->SetMeterColor(clRed);
    meter->SetShowText(false);
    meter->Font()->SetColor(clRed);
    EXPECT_EQ(paints, 5);

    meter->Hide();
    meter->SetValue(10);
    EXPECT_EQ(paints, 5); // an invisible meter is not painted
}

} // namespace
