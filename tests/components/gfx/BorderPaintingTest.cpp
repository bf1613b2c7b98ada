#include "components/gfx/VQGfxCmp.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Graphics.h"

#include <gtest/gtest.h>

namespace {

constexpr int kSize = 20;
constexpr int kMid = kSize / 2;
// A colour no system colour of the test palette has, so any drawn pixel shows.
constexpr TColor kPaper = RGB(1, 2, 3);

std::unique_ptr<TBitmap> Paper() {
    auto b = std::make_unique<TBitmap>(kSize, kSize);
    b->Canvas()->FillRectColor(Rect(0, 0, kSize, kSize), kPaper);
    return b;
}

TColor RgbOf(TColor c) {
    return ColorToRGB(c);
}

// How deep (0, 1 or 2 lines) a style draws on each side, and its inset there.
struct BorderCase {
    TVQBorderStyle Style;
    int Left, Top, Right, Bottom;
};

const BorderCase kCases[] = {
    {vqbsNone, 0, 0, 0, 0},      {vqbsSingle, 1, 1, 1, 1},   {vqbsRaised, 2, 2, 2, 2},
    {vqbsLowered, 2, 2, 2, 2},   {vqbsStatus, 1, 1, 1, 1},   {vqbsGroup, 2, 2, 2, 2},
    {vqbsHorizLine, 0, 2, 0, 0}, {vqbsVertLine, 2, 0, 0, 0}, {vqbsHorizEdge, 0, 2, 0, 2},
    {vqbsVertEdge, 2, 0, 2, 0},
};

TEST(BorderPaintingTest, EachStyleDrawsExactlyItsLinesAndInsetsByThem) {
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(EnumInfo<TVQBorderStyle>()->NameOf(c.Style)));
        auto paper = Paper();
        TCanvas* k = paper->Canvas();
        DrawVQBorder(k, Rect(0, 0, kSize, kSize), c.Style);

        // Walking in from each side's middle: `depth` drawn pixels, then untouched paper.
        const struct {
            int Depth;
            int X0, Y0, Dx, Dy;
        } sides[] = {{c.Left, 0, kMid, 1, 0},
                     {c.Top, kMid, 0, 0, 1},
                     {c.Right, kSize - 1, kMid, -1, 0},
                     {c.Bottom, kMid, kSize - 1, 0, -1}};
        for (const auto& s : sides) {
            for (int i = 0; i < s.Depth; ++i)
                EXPECT_NE(k->Pixels(s.X0 + i * s.Dx, s.Y0 + i * s.Dy), kPaper) << "line " << i;
            EXPECT_EQ(k->Pixels(s.X0 + s.Depth * s.Dx, s.Y0 + s.Depth * s.Dy), kPaper);
        }
        EXPECT_EQ(k->Pixels(kMid, kMid), kPaper); // interior never painted

        EXPECT_EQ(VQBorderInnerRect(Rect(0, 0, kSize, kSize), c.Style),
                  Rect(c.Left, c.Top, kSize - c.Right, kSize - c.Bottom));
    }
}

TEST(BorderPaintingTest, InsetsApplyToAnyRectangle) {
    EXPECT_EQ(VQBorderInnerRect(Rect(5, 7, 40, 30), vqbsNone), Rect(5, 7, 40, 30));
    EXPECT_EQ(VQBorderInnerRect(Rect(5, 7, 40, 30), vqbsVertEdge), Rect(7, 7, 38, 30));
}

TEST(BorderPaintingTest, LineColoursFollowTheEdgeKinds) {
    struct ColourCase {
        TVQBorderStyle Style;
        TPoint At;
        TColor Expected;
    };
    const ColourCase cases[] = {
        {vqbsSingle, {0, kMid}, clWindowFrame},
        {vqbsSingle, {kSize - 1, kMid}, clWindowFrame},
        {vqbsStatus, {kMid, 0}, clBtnShadow},            // sunken outer: dark top-left
        {vqbsStatus, {kMid, kSize - 1}, clBtnHighlight}, // light bottom-right
        {vqbsRaised, {kMid, 0}, cl3DLight}, // raised: 3D light outside, highlight inside
        {vqbsRaised, {kMid, 1}, clBtnHighlight},
        {vqbsRaised, {kMid, kSize - 1}, cl3DDkShadow},
        {vqbsLowered, {kMid, 0}, clBtnShadow},
        {vqbsLowered, {kMid, 1}, cl3DDkShadow},
        {vqbsHorizLine, {kMid, 0}, clBtnShadow}, // etched: shadow over highlight
        {vqbsHorizLine, {kMid, 1}, clBtnHighlight},
        {vqbsVertEdge, {kSize - 1, kMid}, clBtnHighlight},
        {vqbsVertEdge, {kSize - 2, kMid}, clBtnShadow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(EnumInfo<TVQBorderStyle>()->NameOf(c.Style)) + " at " +
                     std::to_string(c.At.X) + "," + std::to_string(c.At.Y));
        auto paper = Paper();
        DrawVQBorder(paper->Canvas(), Rect(0, 0, kSize, kSize), c.Style);
        EXPECT_EQ(paper->Canvas()->Pixels(c.At.X, c.At.Y), RgbOf(c.Expected));
    }
}

TEST(BorderPaintingTest, DrawsIntoTheGivenRectangleOnly) {
    auto paper = Paper();
    DrawVQBorder(paper->Canvas(), Rect(4, 4, 12, 12), vqbsLowered);
    EXPECT_EQ(paper->Canvas()->Pixels(3, 8), kPaper);
    EXPECT_NE(paper->Canvas()->Pixels(4, 8), kPaper);
    EXPECT_NE(paper->Canvas()->Pixels(11, 8), kPaper);
    EXPECT_EQ(paper->Canvas()->Pixels(12, 8), kPaper);
}

TEST(BorderPaintingTest, PaneSubrangeStopsBeforeTheEdgeStyles) {
    const TEnumInfo* pane = VQPaneBorderStyleInfo();
    EXPECT_EQ(pane->ValueOf("vqbsVertLine"), std::optional<int>(vqbsVertLine));
    EXPECT_EQ(pane->ValueOf("vqbsHorizEdge"), std::nullopt);
    EXPECT_EQ(pane->MinValue(), 0);
    EXPECT_EQ(pane->MaxValue(), 7);
    EXPECT_TRUE(IsPaneBorderStyle(vqbsVertLine));
    EXPECT_FALSE(IsPaneBorderStyle(vqbsVertEdge));
    static_assert(sizeof(TVQBorderStyle) == 1 && sizeof(TVQOrientation) == 1);
    static_assert(vqbsVertEdge == 9 && vqoVertical == 1);
}

// ---------------------------------------------------------------------------------------------

TEST(PushButtonFrameTest, OutlineTakesOnePixelMoreOnEverySide) {
    for (bool pushed : {false, true}) {
        SCOPED_TRACE(pushed ? "pushed" : "up");
        auto plain = Paper();
        auto outlined = Paper();
        const TRect r = Rect(0, 0, kSize, kSize);
        const TRect inner = DrawPushButtonFrame(plain->Canvas(), r, false, pushed);
        const TRect innerOutlined = DrawPushButtonFrame(outlined->Canvas(), r, true, pushed);
        EXPECT_EQ(inner, Rect(3, 3, kSize - 3, kSize - 3)); // face two in, content one more
        EXPECT_EQ(innerOutlined, Rect(4, 4, kSize - 4, kSize - 4));

        EXPECT_EQ(outlined->Canvas()->Pixels(0, kMid), RgbOf(clWindowFrame));
        EXPECT_EQ(outlined->Canvas()->Pixels(kSize - 1, 0), RgbOf(clWindowFrame));
        EXPECT_EQ(plain->Canvas()->Pixels(kMid, kMid), RgbOf(clBtnFace));
        EXPECT_EQ(plain->Canvas()->Pixels(2, 2), RgbOf(clBtnFace)); // the face is filled
    }
}

TEST(PushButtonFrameTest, PushedIsTheFlatLookNotThePlatformsPushedOne) {
    auto up = Paper();
    auto down = Paper();
    DrawPushButtonFrame(up->Canvas(), Rect(0, 0, kSize, kSize), false, false);
    DrawPushButtonFrame(down->Canvas(), Rect(0, 0, kSize, kSize), false, true);
    EXPECT_EQ(up->Canvas()->Pixels(kMid, 0), RgbOf(clBtnHighlight)); // raised
    EXPECT_EQ(down->Canvas()->Pixels(kMid, 0), RgbOf(clBtnShadow));  // flat: shadow all round
    EXPECT_EQ(down->Canvas()->Pixels(kMid, kSize - 1), RgbOf(clBtnShadow));
}

} // namespace
