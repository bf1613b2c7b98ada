#include "GfxControlTestSupport.h"

#include "framework/graphics/Canvas.h"

#include <gtest/gtest.h>

namespace {

// A meter publishes BorderSpace, so it serves for the base's inner-rectangle rules.
struct InnerCase {
    TVQBorderStyle Style;
    uint32_t Space;
    TRect Expected;
};

const InnerCase kInner[] = {
    {vqbsNone, 0, {0, 0, 50, 50}},      {vqbsSingle, 0, {1, 1, 49, 49}},
    {vqbsStatus, 0, {1, 1, 49, 49}},    {vqbsRaised, 0, {2, 2, 48, 48}},
    {vqbsLowered, 0, {2, 2, 48, 48}},   {vqbsGroup, 0, {2, 2, 48, 48}},
    {vqbsHorizLine, 0, {0, 2, 50, 50}}, {vqbsVertLine, 0, {2, 0, 50, 50}},
    {vqbsHorizEdge, 0, {0, 2, 50, 48}}, {vqbsVertEdge, 0, {2, 0, 48, 50}},
    {vqbsLowered, 3, {5, 5, 45, 45}},   {vqbsNone, 4, {4, 4, 46, 46}},
    {vqbsHorizLine, 1, {1, 3, 49, 49}},
};

TEST(GraphicControlTest, InnerRectangleTakesBorderSpaceThenTheBorderInset) {
    TVQMeter meter(nullptr);
    meter.SetBounds(0, 0, 50, 50);
    for (const auto& c : kInner) {
        SCOPED_TRACE(std::string(EnumInfo<TVQBorderStyle>()->NameOf(c.Style)) + " space " +
                     std::to_string(c.Space));
        meter.SetBorderStyle(c.Style);
        meter.SetBorderSpace(c.Space);
        EXPECT_EQ(meter.GetInnerRect(), c.Expected);
    }
}

TEST(GraphicControlTest, BorderStaysAtTheEdgeWhateverTheBorderSpace) {
    TVQMeter meter(nullptr);
    meter.SetBounds(0, 0, 40, 30);
    meter.SetBorderSpace(3);
    meter.SetValue(0);
    const QImage img = PaintControl(&meter);
    // Sunken outer line at the very edge, then the gap of Color up to the content.
    EXPECT_EQ(PixelAt(img, 0, 15), Rgb(clBtnShadow));
    EXPECT_EQ(PixelAt(img, 1, 15), Rgb(cl3DDkShadow));
    EXPECT_EQ(PixelAt(img, 2, 15), Rgb(clWhite));
}

// Counts the notifications and paints of the base.
class TProbe : public TVQMeter {
public:
    using TVQMeter::TVQMeter;
    int BorderChanges = 0;
    int Paints = 0;
    bool FillAll = false;

protected:
    void BorderChanged() override {
        ++BorderChanges;
        TVQMeter::BorderChanged();
    }
    void Paint() override {
        ++Paints;
        // Paints everywhere it can: only the inner rectangle may take it.
        if (FillAll) Canvas()->FillRectColor(Rect(0, 0, Width(), Height()), clRed);
    }
};

TEST(GraphicControlTest, BorderChangedRunsOnlyForRealChanges) {
    TProbe probe(nullptr);
    probe.SetBorderStyle(vqbsLowered);
    probe.SetBorderSpace(0);
    EXPECT_EQ(probe.BorderChanges, 0);
    probe.SetBorderStyle(vqbsRaised);
    probe.SetBorderSpace(2);
    EXPECT_EQ(probe.BorderChanges, 2);
}

TEST(GraphicControlTest, PaintRequestWithoutDeviceContextPaintsNothing) {
    TProbe probe(nullptr);
    probe.PaintRequest(nullptr);
    EXPECT_EQ(probe.Paints, 0);
    PaintControl(&probe);
    EXPECT_EQ(probe.Paints, 1);
}

TEST(GraphicControlTest, ContentIsClippedToTheInnerRectangleButTheBorderIsNot) {
    TProbe probe(nullptr);
    probe.FillAll = true;
    probe.SetBounds(0, 0, 30, 30);
    probe.SetBorderSpace(1);
    const QImage img = PaintControl(&probe);
    EXPECT_EQ(PixelAt(img, 0, 10), Rgb(clBtnShadow)); // border
    EXPECT_EQ(PixelAt(img, 2, 10), Rgb(clWhite));     // border space: background
    EXPECT_EQ(PixelAt(img, 3, 10), Rgb(clRed));       // inner rectangle starts at 1 + 2
    EXPECT_EQ(PixelAt(img, 26, 10), Rgb(clRed));
    EXPECT_EQ(PixelAt(img, 27, 10), Rgb(clWhite));
}

TEST(BorderTest, LoweredBorderDrawsSunkenEdgeAndFillsWithColor) {
    TVQBorder border(nullptr);
    EXPECT_EQ(border.Width(), 50);
    EXPECT_EQ(border.Height(), 50);
    EXPECT_EQ(border.GetInnerRect(), Rect(2, 2, 48, 48));
    border.SetColor(clYellow);
    const QImage img = PaintControl(&border);
    EXPECT_EQ(PixelAt(img, 0, 25), Rgb(clBtnShadow));
    EXPECT_EQ(PixelAt(img, 1, 25), Rgb(cl3DDkShadow));
    EXPECT_EQ(PixelAt(img, 49, 25), Rgb(clBtnHighlight));
    EXPECT_EQ(PixelAt(img, 48, 25), Rgb(cl3DLight));
    EXPECT_EQ(PixelAt(img, 25, 25), Rgb(clYellow));
    EXPECT_EQ(PixelAt(img, 2, 2), Rgb(clYellow));
}

TEST(BorderTest, NewBorderTakesNoCaptionFromItsName) {
    TVQBorder border(nullptr);
    border.SetName(QStringLiteral("VQBevel1"));
    EXPECT_TRUE(border.Caption().isEmpty());
}

TEST(BorderTest, GroupCaptionInterruptsTheFrameLineHalfATextLineDown) {
    TVQBorder border(nullptr);
    border.SetBounds(0, 0, 120, 60);
    border.SetBorderStyle(vqbsGroup);
    border.SetColor(clYellow);
    // Blanks: a caption box of known width with no glyph pixels in it.
    border.SetCaption(QStringLiteral("      "));
    TCanvas* probe = border.Canvas();
    probe->SetFont(border.Font());
    const int h = probe->TextHeight(QStringLiteral("0"));
    const int w = probe->TextWidth(border.Caption());
    ASSERT_GT(w, 4);
    const int line = h / 2 - 1;

    const QImage img = PaintControl(&border);
    EXPECT_EQ(PixelAt(img, 7, line), Rgb(clBtnShadow)); // the etched line left of the caption
    for (int x = 8; x < 8 + w; ++x)
        EXPECT_EQ(PixelAt(img, x, line), Rgb(clYellow)) << x;
    EXPECT_EQ(PixelAt(img, 8 + w, line), Rgb(clBtnShadow));
    EXPECT_EQ(PixelAt(img, 0, line + 5), Rgb(clBtnShadow)); // the left side of the frame
    EXPECT_EQ(PixelAt(img, 60, 0), Rgb(clYellow));          // above the frame line: Color
}

TEST(BorderTest, GroupWithoutCaptionFramesTheWholeRectangle) {
    TVQBorder border(nullptr);
    border.SetBounds(0, 0, 60, 40);
    border.SetBorderStyle(vqbsGroup);
    const QImage img = PaintControl(&border);
    EXPECT_EQ(PixelAt(img, 30, 0), Rgb(clBtnShadow));
    EXPECT_EQ(PixelAt(img, 30, 1), Rgb(clBtnHighlight));
}

// Columns holding text-coloured pixels in a status border's caption.
std::pair<int, int> TextColumns(TVQBorder& border) {
    border.SetBorderStyle(vqbsStatus);
    border.SetColor(clWhite);
    border.Font()->SetColor(clBlack);
    const QImage img = PaintControl(&border);
    int first = -1, last = -1;
    for (int x = 1; x < border.Width() - 1; ++x)
        for (int y = 1; y < border.Height() - 1; ++y)
            if (qGray(img.pixel(x, y)) < 128) {
                if (first < 0) first = x;
                last = x;
            }
    return {first, last};
}

TEST(BorderTest, StatusCaptionShowsAnAmpersandAsItIs) {
    TVQBorder border(nullptr);
    border.SetBounds(0, 0, 60, 21);
    border.SetCaption(QStringLiteral("&"));
    EXPECT_GE(TextColumns(border).first, 0);
}

TEST(BorderTest, StatusCaptionFollowsAlignmentWithinItsMargins) {
    TVQBorder border(nullptr);
    border.SetBounds(0, 0, 120, 21);
    border.SetCaption(QStringLiteral("Status"));
    const int m = [&] {
        border.Canvas()->SetFont(border.Font());
        return border.Canvas()->TextWidth(QStringLiteral("M"));
    }();

    const auto left = TextColumns(border);
    EXPECT_GE(left.first, m / 2);
    EXPECT_LT(left.second, 60);

    border.SetAlignment(taRightJustify);
    const auto right = TextColumns(border);
    EXPECT_GT(right.first, 60);
    EXPECT_LT(right.second, 120 - 5);

    border.SetAlignment(taCenter);
    const auto centre = TextColumns(border);
    EXPECT_GT(centre.first, left.first);
    EXPECT_LT(centre.second, right.second);
}

TEST(BorderTest, LongCaptionIsClippedNotWrapped) {
    TVQBorder border(nullptr);
    border.SetBounds(0, 0, 40, 21);
    border.SetCaption(QStringLiteral("A caption far wider than the box"));
    const auto cols = TextColumns(border);
    EXPECT_LT(cols.second, 40 - 5);
}

} // namespace
