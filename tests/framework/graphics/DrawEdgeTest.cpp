// Edges, frame controls and the focus rectangle, checked pixel by pixel on a bitmap.
#include "GraphicsTestSupport.h"

#include "framework/graphics/WinGdi.h"

#include <vector>

namespace {

constexpr TColor kPaper = RGB(0x12, 0x34, 0x56); // never a palette colour

struct TPixel {
    int X, Y;
    TColor Expected;
};

struct TEdgeCase {
    const char* Name;
    unsigned Edge;
    unsigned Flags;
    std::vector<TPixel> Pixels;
    TRect Adjusted; // rectangle after BF_ADJUST on (0, 0, 10, 10)
};

class DrawEdgeTest : public TFixedPaletteTest {};

TEST_F(DrawEdgeTest, EdgeKindsAndSidesPaintTheClassicColours) {
    const std::vector<TEdgeCase> cases = {
        {"raised",
         EDGE_RAISED,
         BF_RECT,
         {{0, 0, cl3DLight},
          {5, 0, cl3DLight},
          {0, 5, cl3DLight},
          {9, 0, cl3DDkShadow},
          {0, 9, cl3DDkShadow},
          {9, 9, cl3DDkShadow},
          {1, 1, clBtnHighlight},
          {5, 1, clBtnHighlight},
          {8, 1, clBtnShadow},
          {1, 8, clBtnShadow},
          {8, 8, clBtnShadow},
          {2, 2, kPaper}},
         Rect(2, 2, 8, 8)},
        {"sunken",
         EDGE_SUNKEN,
         BF_RECT,
         {{0, 0, clBtnShadow},
          {9, 0, clBtnHighlight},
          {0, 9, clBtnHighlight},
          {9, 9, clBtnHighlight},
          {1, 1, cl3DDkShadow},
          {8, 1, cl3DLight},
          {1, 8, cl3DLight},
          {5, 5, kPaper}},
         Rect(2, 2, 8, 8)},
        {"etched",
         EDGE_ETCHED,
         BF_RECT,
         {{0, 0, clBtnShadow},
          {9, 9, clBtnHighlight},
          {1, 1, clBtnHighlight},
          {8, 8, clBtnShadow},
          {8, 1, clBtnShadow}},
         Rect(2, 2, 8, 8)},
        {"bump",
         EDGE_BUMP,
         BF_RECT,
         {{0, 0, cl3DLight}, {9, 9, cl3DDkShadow}, {1, 1, cl3DDkShadow}, {8, 8, cl3DLight}},
         Rect(2, 2, 8, 8)},
        {"sunken outer only",
         BDR_SUNKENOUTER,
         BF_RECT,
         {{0, 0, clBtnShadow}, {9, 9, clBtnHighlight}, {1, 1, kPaper}, {8, 8, kPaper}},
         Rect(1, 1, 9, 9)},
        {"raised inner only",
         BDR_RAISEDINNER,
         BF_RECT,
         {{0, 0, clBtnHighlight}, {9, 9, clBtnShadow}, {1, 1, kPaper}},
         Rect(1, 1, 9, 9)},
        {"etched top line",
         EDGE_ETCHED,
         BF_TOP,
         {{0, 0, clBtnShadow},
          {9, 0, clBtnShadow},
          {0, 1, clBtnHighlight},
          {9, 1, clBtnHighlight},
          {0, 2, kPaper},
          {0, 9, kPaper},
          {9, 9, kPaper}},
         Rect(0, 2, 10, 10)},
        {"etched left line",
         EDGE_ETCHED,
         BF_LEFT,
         {{0, 0, clBtnShadow}, {0, 9, clBtnShadow}, {1, 9, clBtnHighlight}, {2, 0, kPaper}},
         Rect(2, 0, 10, 10)},
        {"etched top and bottom",
         EDGE_ETCHED,
         BF_TOP | BF_BOTTOM,
         {{0, 0, clBtnShadow},
          {0, 1, clBtnHighlight},
          {0, 9, clBtnHighlight},
          {0, 8, clBtnShadow},
          {0, 5, kPaper}},
         Rect(0, 2, 10, 8)},
        {"etched left and right",
         EDGE_ETCHED,
         BF_LEFT | BF_RIGHT,
         {{0, 5, clBtnShadow}, {1, 5, clBtnHighlight}, {9, 5, clBtnHighlight}, {8, 5, clBtnShadow}},
         Rect(2, 0, 8, 10)},
        {"raised bottom-right",
         EDGE_RAISED,
         BF_BOTTOMRIGHT,
         {{0, 0, kPaper}, {9, 0, cl3DDkShadow}, {0, 9, cl3DDkShadow}, {8, 0, clBtnShadow}},
         Rect(0, 0, 8, 8)},
        {"raised with middle",
         EDGE_RAISED,
         BF_RECT | BF_MIDDLE,
         {{5, 5, clBtnFace}, {2, 2, clBtnFace}, {7, 7, clBtnFace}},
         Rect(2, 2, 8, 8)},
        {"flat",
         EDGE_RAISED,
         BF_RECT | BF_FLAT,
         {{0, 0, clBtnShadow}, {9, 9, clBtnShadow}, {1, 1, clBtnFace}, {8, 8, clBtnFace}},
         Rect(2, 2, 8, 8)},
        {"soft raised",
         EDGE_RAISED,
         BF_RECT | BF_SOFT,
         {{0, 0, clBtnHighlight}, {1, 1, cl3DLight}, {9, 9, cl3DDkShadow}},
         Rect(2, 2, 8, 8)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        auto bmp = FilledBitmap(10, 10, kPaper);
        TRect r = Rect(0, 0, 10, 10);
        ASSERT_TRUE(DrawEdge(bmp->Canvas(), r, c.Edge, c.Flags));
        EXPECT_EQ(r, Rect(0, 0, 10, 10)) << "moved without BF_ADJUST";
        for (const TPixel& px : c.Pixels) {
            SCOPED_TRACE(testing::Message() << "pixel " << px.X << "," << px.Y);
            EXPECT_EQ(bmp->Canvas()->Pixels(px.X, px.Y), Rgb(px.Expected));
        }
        TRect adjusted = Rect(0, 0, 10, 10);
        DrawEdge(bmp->Canvas(), adjusted, c.Edge, c.Flags | BF_ADJUST);
        EXPECT_EQ(adjusted, c.Adjusted);
    }
}

// Every edge combination, normal and soft, against the classic call's published colour tables:
// top-left and bottom-right of the outer line (pixels 0,5 and 9,5) and of the inner line (1,5
// and 8,5). A lone inner edge is drawn where the outer line goes; a line given both its bits is
// not drawn.
TEST_F(DrawEdgeTest, EveryEdgeCombinationNormalAndSoftMatchesTheColourTables) {
    constexpr TColor no = kPaper;
    struct TRow {
        unsigned Edge;
        TColor OuterTL, InnerTL, OuterBR, InnerBR, SoftOuterTL, SoftInnerTL;
    };
    const TRow rows[] = {
        {0, no, no, no, no, no, no},
        {BDR_RAISEDOUTER, cl3DLight, no, cl3DDkShadow, no, clBtnHighlight, no},
        {BDR_SUNKENOUTER, clBtnShadow, no, clBtnHighlight, no, cl3DDkShadow, no},
        {BDR_OUTER, no, no, no, no, no, no},
        {BDR_RAISEDINNER, clBtnHighlight, no, clBtnShadow, no, cl3DLight, no},
        {EDGE_RAISED, cl3DLight, clBtnHighlight, cl3DDkShadow, clBtnShadow, clBtnHighlight,
         cl3DLight},
        {EDGE_ETCHED, clBtnShadow, clBtnHighlight, clBtnHighlight, clBtnShadow, cl3DDkShadow,
         cl3DLight},
        {BDR_OUTER | BDR_RAISEDINNER, no, no, no, no, no, no},
        {BDR_SUNKENINNER, cl3DDkShadow, no, cl3DLight, no, clBtnShadow, no},
        {EDGE_BUMP, cl3DLight, cl3DDkShadow, cl3DDkShadow, cl3DLight, clBtnHighlight, clBtnShadow},
        {EDGE_SUNKEN, clBtnShadow, cl3DDkShadow, clBtnHighlight, cl3DLight, cl3DDkShadow,
         clBtnShadow},
        {BDR_OUTER | BDR_SUNKENINNER, no, no, no, no, no, no},
        {BDR_INNER, no, no, no, no, no, no},
        {BDR_RAISEDOUTER | BDR_INNER, cl3DLight, no, cl3DDkShadow, no, clBtnHighlight, no},
        {BDR_SUNKENOUTER | BDR_INNER, clBtnShadow, no, clBtnHighlight, no, cl3DDkShadow, no},
        {BDR_OUTER | BDR_INNER, no, no, no, no, no, no},
    };
    for (const TRow& row : rows) {
        for (const bool soft : {false, true}) {
            SCOPED_TRACE(testing::Message() << "edge " << row.Edge << (soft ? " soft" : ""));
            auto bmp = FilledBitmap(10, 10, kPaper);
            TRect r = Rect(0, 0, 10, 10);
            DrawEdge(bmp->Canvas(), r, row.Edge, BF_RECT | (soft ? BF_SOFT : 0u));
            const auto at = [&](int x) { return bmp->Canvas()->Pixels(x, 5); };
            EXPECT_EQ(at(0), Rgb(soft ? row.SoftOuterTL : row.OuterTL)) << "outer top-left";
            EXPECT_EQ(at(1), Rgb(soft ? row.SoftInnerTL : row.InnerTL)) << "inner top-left";
            EXPECT_EQ(at(9), Rgb(row.OuterBR)) << "outer bottom-right";
            EXPECT_EQ(at(8), Rgb(row.InnerBR)) << "inner bottom-right";
            EXPECT_EQ(at(5), kPaper);
        }
    }
}

TEST_F(DrawEdgeTest, EdgeFollowsThePaletteAtDrawingTime) {
    auto bmp = FilledBitmap(6, 6, kPaper);
    QPalette pal = FixedPalette();
    pal.setColor(QPalette::Midlight, QColor(0x11, 0x22, 0x33));
    QApplication::setPalette(pal);
    TRect r = Rect(0, 0, 6, 6);
    DrawEdge(bmp->Canvas(), r, EDGE_RAISED, BF_RECT);
    EXPECT_EQ(bmp->Canvas()->Pixels(0, 0), RGB(0x11, 0x22, 0x33));
}

TEST_F(DrawEdgeTest, DegenerateRectangleDrawsNothingOutsideIt) {
    auto bmp = FilledBitmap(6, 6, kPaper);
    TRect r = Rect(2, 2, 2, 5); // no width
    DrawEdge(bmp->Canvas(), r, EDGE_SUNKEN, BF_RECT | BF_MIDDLE);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            if (x != 2) {
                EXPECT_EQ(bmp->Canvas()->Pixels(x, y), kPaper) << x << "," << y;
            }
}

// --- Frame controls ---------------------------------------------------------------------------

class FrameControlTest : public TFixedPaletteTest {};

TEST_F(FrameControlTest, PushButtonStatesAndAdjustedFace) {
    struct TCase {
        const char* Name;
        unsigned State;
        TColor Outer, Inner;
    };
    const TCase cases[] = {
        {"normal", DFCS_BUTTONPUSH, clBtnHighlight, cl3DLight},
        {"flat", DFCS_BUTTONPUSH | DFCS_FLAT, clBtnShadow, clBtnFace},
        {"pushed", DFCS_BUTTONPUSH | DFCS_PUSHED, clBtnShadow, cl3DDkShadow},
        {"inactive", DFCS_BUTTONPUSH | DFCS_INACTIVE, clBtnHighlight, cl3DLight},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        auto bmp = FilledBitmap(20, 12, kPaper);
        TRect r = Rect(0, 0, 20, 12);
        ASSERT_TRUE(DrawFrameControl(bmp->Canvas(), r, DFC_BUTTON, c.State | DFCS_ADJUSTRECT));
        EXPECT_EQ(r, Rect(2, 2, 18, 10));
        EXPECT_EQ(bmp->Canvas()->Pixels(0, 0), Rgb(c.Outer));
        EXPECT_EQ(bmp->Canvas()->Pixels(1, 1), Rgb(c.Inner));
        EXPECT_EQ(bmp->Canvas()->Pixels(10, 6), Rgb(clBtnFace)) << "face filled";
        TRect same = Rect(0, 0, 20, 12);
        DrawFrameControl(bmp->Canvas(), same, DFC_BUTTON, c.State);
        EXPECT_EQ(same, Rect(0, 0, 20, 12)) << "unchanged without DFCS_ADJUSTRECT";
    }
}

TEST_F(FrameControlTest, CheckBoxShowsTickOnlyWhenChecked) {
    auto off = FilledBitmap(13, 13, kPaper), on = FilledBitmap(13, 13, kPaper);
    TRect r = Rect(0, 0, 13, 13);
    DrawFrameControl(off->Canvas(), r, DFC_BUTTON, DFCS_BUTTONCHECK);
    DrawFrameControl(on->Canvas(), r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
    int ticks = 0;
    for (int y = 2; y < 11; ++y)
        for (int x = 2; x < 11; ++x) {
            EXPECT_EQ(off->Canvas()->Pixels(x, y), Rgb(clWindow));
            if (on->Canvas()->Pixels(x, y) == Rgb(clWindowText)) ++ticks;
        }
    EXPECT_EQ(ticks, 21); // seven columns of three pixels
    EXPECT_EQ(on->Canvas()->Pixels(0, 0), Rgb(clBtnShadow));
}

TEST_F(FrameControlTest, UnknownTypesAreRefused) {
    auto bmp = FilledBitmap(8, 8, kPaper);
    TRect r = Rect(0, 0, 8, 8);
    EXPECT_FALSE(DrawFrameControl(bmp->Canvas(), r, DFC_SCROLL, 0));
    EXPECT_FALSE(DrawFrameControl(nullptr, r, DFC_BUTTON, DFCS_BUTTONPUSH));
    EXPECT_EQ(bmp->Canvas()->Pixels(0, 0), kPaper);
}

// --- Focus rectangle --------------------------------------------------------------------------

TEST(FocusRectTest, DrawnTwiceRestoresEveryPixel) {
    TBitmap bmp(17, 9);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 17; ++x)
            bmp.Canvas()->SetPixels(x, y, RGB(x * 15, y * 28, 77));
    const QImage before = bmp.Image().copy();
    const TRect r = Rect(1, 1, 16, 8);
    ASSERT_TRUE(DrawFocusRect(bmp.Canvas(), r));
    EXPECT_NE(bmp.Image(), before);
    DrawFocusRect(bmp.Canvas(), r);
    EXPECT_EQ(bmp.Image(), before);
}

TEST(FocusRectTest, DotsAlternateAndInvert) {
    auto bmp = FilledBitmap(8, 6, clWhite);
    DrawFocusRect(bmp->Canvas(), Rect(0, 0, 8, 6));
    EXPECT_EQ(bmp->Canvas()->Pixels(0, 0), clBlack);
    EXPECT_EQ(bmp->Canvas()->Pixels(1, 0), clWhite);
    EXPECT_EQ(bmp->Canvas()->Pixels(2, 0), clBlack);
    EXPECT_EQ(bmp->Canvas()->Pixels(0, 2), clBlack);
    EXPECT_EQ(bmp->Canvas()->Pixels(7, 4), clWhite); // (x + y) odd
    EXPECT_EQ(bmp->Canvas()->Pixels(7, 5), clBlack);
    EXPECT_EQ(bmp->Canvas()->Pixels(7, 1), clBlack);
    EXPECT_EQ(bmp->Canvas()->Pixels(3, 3), clWhite) << "inside untouched";
}

} // namespace
