#pragma once
// Integer helpers with the platform's rounding and rectangle conventions.

#include "framework/system/Types.h"

#include <cstdint>
#include <limits>

// a * b / c through a 64-bit intermediate, rounded to nearest with halves away from zero.
// Gives -1 when c is 0 or the result does not fit in 32 bits, as the platform call does.
constexpr int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const int64_t p = int64_t(a) * int64_t(b);
    int64_t q = p / c;
    const int64_t r = p % c;
    const int64_t absR = r < 0 ? -r : r;
    const int64_t absC = c < 0 ? -int64_t(c) : int64_t(c);
    if (2 * absR >= absC) q += ((p < 0) != (c < 0)) ? -1 : 1;
    if (q < std::numeric_limits<int32_t>::min() || q > std::numeric_limits<int32_t>::max())
        return -1;
    return int(q);
}

constexpr int Min(int a, int b) {
    return a < b ? a : b;
}
constexpr int Max(int a, int b) {
    return a > b ? a : b;
}

// Empty when it has no area: a zero or negative width or height.
constexpr bool IsRectEmpty(const TRect& r) {
    return r.Right <= r.Left || r.Bottom <= r.Top;
}

constexpr bool EqualRect(const TRect& a, const TRect& b) {
    return a == b;
}

// Right and bottom are exclusive, so a point on them lies outside.
constexpr bool PtInRect(const TRect& r, TPoint p) {
    return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

// Grows (negative values shrink) the rectangle by dx on the left and right, dy on top and bottom.
constexpr bool InflateRect(TRect& r, int dx, int dy) {
    r.Left -= dx;
    r.Right += dx;
    r.Top -= dy;
    r.Bottom += dy;
    return true;
}

constexpr bool OffsetRect(TRect& r, int dx, int dy) {
    r.Left += dx;
    r.Right += dx;
    r.Top += dy;
    r.Bottom += dy;
    return true;
}

// The common area of a and b in dst; an empty intersection gives the all-zero rectangle and false,
// so callers can test the result alone. dst may be a or b.
constexpr bool IntersectRect(TRect& dst, const TRect& a, const TRect& b) {
    const TRect r{Max(a.Left, b.Left), Max(a.Top, b.Top), Min(a.Right, b.Right),
                  Min(a.Bottom, b.Bottom)};
    if (IsRectEmpty(r)) {
        dst = TRect{};
        return false;
    }
    dst = r;
    return true;
}
