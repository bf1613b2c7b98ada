#include "framework/system/MathUtils.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr int IntMax = std::numeric_limits<int>::max();
constexpr int IntMin = std::numeric_limits<int>::min();

TEST(MulDiv, RoundsHalvesAwayFromZero) {
    const struct {
        int A, B, C, Expected;
    } rows[] = {
        {5, 1, 2, 3},         {-5, 1, 2, -3},  {5, -1, 2, -3},       {5, 1, -2, -3},
        {-5, -1, 2, 3},       {-5, 1, -2, 3},  {3, 1, 2, 2},         {-3, 1, 2, -2},
        {7, 1, 2, 4},         {1, 1, 3, 0},    {2, 1, 3, 1},         {-1, 1, 3, 0},
        {-2, 1, 3, -1},       {0, 5, 3, 0},    {-11, 130, 100, -14}, {-13, 130, 100, -17},
        {-15, 130, 100, -20}, // -19.5
        {10, 15, 100, 2},     // 1.5
        {-10, 15, 100, -2},   // -1.5
        {1, 49, 100, 0},      {1, 50, 100, 1}, {-1, 50, 100, -1},
    };
    for (const auto& r : rows)
        EXPECT_EQ(MulDiv(r.A, r.B, r.C), r.Expected) << r.A << "*" << r.B << "/" << r.C;
}

TEST(MulDiv, ProductBeyond32BitsDoesNotOverflow) {
    EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000);
    EXPECT_EQ(MulDiv(IntMax, IntMax, IntMax), IntMax);
    EXPECT_EQ(MulDiv(IntMin, IntMin, IntMin), IntMin);
    EXPECT_EQ(MulDiv(IntMax, 3, 6), 1073741824); // 1073741823.5 rounds up
    EXPECT_EQ(MulDiv(1 << 20, 1 << 20, 1 << 12), 1 << 28);
}

TEST(MulDiv, ZeroDivisorOrUnrepresentableResultGivesMinusOne) {
    EXPECT_EQ(MulDiv(7, 3, 0), -1);
    EXPECT_EQ(MulDiv(0, 0, 0), -1);
    EXPECT_EQ(MulDiv(IntMax, 2, 1), -1);
    EXPECT_EQ(MulDiv(IntMin, 1, -1), -1);
    EXPECT_EQ(MulDiv(IntMin, -1, 1), -1);
}

TEST(RectHelpers, PointsOnTheRightAndBottomEdgesLieOutside) {
    const TRect r = Rect(10, 20, 30, 40);
    const struct {
        TPoint P;
        bool Inside;
    } rows[] = {{{10, 20}, true}, {{29, 39}, true},  {{30, 25}, false}, {{15, 40}, false},
                {{9, 25}, false}, {{15, 19}, false}, {{20, 30}, true}};
    for (const auto& row : rows)
        EXPECT_EQ(PtInRect(r, row.P), row.Inside) << row.P.X << "," << row.P.Y;
    EXPECT_FALSE(PtInRect(Rect(5, 5, 5, 10), Point(5, 6))); // no width, no points
}

TEST(RectHelpers, Intersection) {
    const struct {
        TRect A, B;
        bool NonEmpty;
        TRect Expected;
    } rows[] = {
        {Rect(0, 0, 10, 10), Rect(5, 5, 20, 20), true, Rect(5, 5, 10, 10)},
        {Rect(0, 0, 10, 10), Rect(2, 3, 4, 5), true, Rect(2, 3, 4, 5)},
        {Rect(0, 0, 10, 10), Rect(10, 0, 20, 10), false, TRect{}}, // touching edges share nothing
        {Rect(0, 0, 10, 10), Rect(20, 20, 30, 30), false, TRect{}},
        {Rect(0, 0, 10, 10), Rect(3, 3, 3, 8), false, TRect{}}, // empty operand
        {Rect(-5, -5, 5, 5), Rect(0, -10, 20, 0), true, Rect(0, -5, 5, 0)},
    };
    for (const auto& r : rows) {
        TRect dst = Rect(1, 2, 3, 4);
        EXPECT_EQ(IntersectRect(dst, r.A, r.B), r.NonEmpty);
        EXPECT_TRUE(EqualRect(dst, r.Expected))
            << dst.Left << "," << dst.Top << "," << dst.Right << "," << dst.Bottom;
    }
    TRect a = Rect(0, 0, 10, 10); // the destination may be an operand
    EXPECT_TRUE(IntersectRect(a, a, Rect(4, -2, 12, 6)));
    EXPECT_EQ(a, Rect(4, 0, 10, 6));
}

TEST(RectHelpers, InflateOffsetAndEmptiness) {
    TRect r = Bounds(10, 10, 20, 8);
    InflateRect(r, -10, -4);
    EXPECT_EQ(r, Rect(20, 14, 20, 14));
    EXPECT_TRUE(IsRectEmpty(r));
    InflateRect(r, 2, 1);
    EXPECT_FALSE(IsRectEmpty(r));
    EXPECT_EQ(r.Width(), 4);
    EXPECT_EQ(r.Height(), 2);
    OffsetRect(r, -30, 5);
    EXPECT_EQ(r, Rect(-12, 18, -8, 20));
    EXPECT_TRUE(IsRectEmpty(Rect(10, 0, 5, 10))); // inverted
    EXPECT_TRUE(IsRectEmpty(Rect(0, 10, 10, 10)));
}

TEST(RectHelpers, QtConversionsKeepTheExclusiveEdges) {
    const QRect q = ToQRect(Rect(1, 2, 11, 22));
    EXPECT_EQ(q, QRect(1, 2, 10, 20));
    EXPECT_EQ(q.right(), 10); // Qt's inclusive right edge
    EXPECT_EQ(ToRect(QRect(QPoint(3, 4), QPoint(5, 6))), Rect(3, 4, 6, 7));
    EXPECT_EQ(ToRect(QRect()), Rect(0, 0, 0, 0));
    EXPECT_EQ(ToPoint(ToQPoint(Point(-3, 7))), Point(-3, 7));
}

} // namespace
