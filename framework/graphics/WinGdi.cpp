#include "framework/graphics/WinGdi.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Font.h"
#include "framework/system/MathUtils.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

QRect Q(const TRect& r) {
    return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
}

QRegion FrameRegion(const TRect& r) {
    QRegion frame(Q(r));
    return frame - QRegion(QRect(r.Left + 1, r.Top + 1, r.Width() - 2, r.Height() - 2));
}

int RegionKind(const TCanvas* canvas) {
    if (!canvas->HasClipRegion()) return SIMPLEREGION;
    const QRegion& rgn = canvas->ClipRegion();
    if (rgn.isEmpty()) return NULLREGION;
    return rgn.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

// Nearest-pixel scaling of srcRect (which may be mirrored through negative sizes) to |dw| x |dh|
// pixels, mirrored again when dw or dh is negative; pixels outside src read as black.
QImage Stretch(const QImage& src, const QRect& srcRect, int dw, int dh) {
    const int w = std::abs(dw), h = std::abs(dh);
    QImage out(w, h, QImage::Format_RGB32);
    if (out.isNull()) return out;
    const int sw = std::abs(srcRect.width()), sh = std::abs(srcRect.height());
    const int sx0 = std::min(srcRect.left(), srcRect.left() + srcRect.width());
    const int sy0 = std::min(srcRect.top(), srcRect.top() + srcRect.height());
    const bool mirrorX = (srcRect.width() < 0) != (dw < 0);
    const bool mirrorY = (srcRect.height() < 0) != (dh < 0);
    const QImage s = src.format() == QImage::Format_RGB32 || src.format() == QImage::Format_ARGB32
                         ? src
                         : src.convertToFormat(QImage::Format_RGB32);
    std::vector<int> xs(size_t(w), -1);
    for (int i = 0; i < w; ++i) {
        const int t = mirrorX ? w - 1 - i : i;
        const int x = sx0 + int((int64_t(2 * t + 1) * sw) / (2 * int64_t(w)));
        xs[size_t(i)] = x >= 0 && x < s.width() && sw > 0 ? x : -1;
    }
    for (int j = 0; j < h; ++j) {
        const int t = mirrorY ? h - 1 - j : j;
        const int y = sy0 + int((int64_t(2 * t + 1) * sh) / (2 * int64_t(h)));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(j));
        if (y < 0 || y >= s.height() || sh == 0) {
            std::fill(line, line + w, qRgb(0, 0, 0));
            continue;
        }
        const auto* from = reinterpret_cast<const QRgb*>(s.constScanLine(y));
        for (int i = 0; i < w; ++i)
            line[i] = xs[size_t(i)] < 0 ? qRgb(0, 0, 0) : from[xs[size_t(i)]] | 0xFF000000u;
    }
    return out;
}

// A negative width or height mirrors about the origin pixel, which stays inside: (x, w) with
// w < 0 covers x + w + 1 .. x.
QPoint MirroredOrigin(const QRect& r) {
    return QPoint(r.width() < 0 ? r.left() + r.width() + 1 : r.left(),
                  r.height() < 0 ? r.top() + r.height() + 1 : r.top());
}

std::optional<QPainter::CompositionMode> SourceRop(uint32_t rop) {
    using C = QPainter;
    switch (rop) {
    case SRCCOPY:
        return C::CompositionMode_Source;
    case SRCPAINT:
        return C::RasterOp_SourceOrDestination;
    case SRCAND:
        return C::RasterOp_SourceAndDestination;
    case SRCINVERT:
        return C::RasterOp_SourceXorDestination;
    case SRCERASE:
        return C::RasterOp_SourceAndNotDestination;
    case NOTSRCCOPY:
        return C::RasterOp_NotSource;
    case NOTSRCERASE:
        return C::RasterOp_NotSourceAndNotDestination;
    case MERGEPAINT:
        return C::RasterOp_NotSourceOrDestination;
    default:
        return std::nullopt;
    }
}

bool UsesSource(uint32_t rop) {
    // A ternary raster operation ignores the source when its result does not change with it.
    const unsigned code = (rop >> 16) & 0xFF;
    return ((code >> 2) & 0x33) != (code & 0x33);
}

// Splits text with '&' prefixes into the characters shown and the indexes to underline.
QString StripPrefixes(const QString& text, std::vector<int>* underline) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != u'&' && underline) underline->push_back(int(out.size()));
        } else if (text[i] == u'&') {
            continue; // a trailing '&' shows nothing
        }
        out += text[i];
    }
    return out;
}

struct TTextLine {
    QString Text;
    std::vector<int> Underline;
};

// Width of a line, tabs expanded to stops of eight average characters when asked.
int LineWidth(const QFontMetrics& fm, const QString& s, bool tabs) {
    if (!tabs || !s.contains(u'\t')) return fm.horizontalAdvance(s);
    const int stop = std::max(1, 8 * fm.averageCharWidth());
    int x = 0;
    const QStringList parts = s.split(u'\t');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        x += fm.horizontalAdvance(parts[i]);
        if (i + 1 < parts.size()) x = (x / stop + 1) * stop;
    }
    return x;
}

int PrefixWidth(const QFontMetrics& fm, const QString& s, int count, bool tabs) {
    return LineWidth(fm, s.left(count), tabs);
}

void DrawLine(QPainter& p, const QFontMetrics& fm, int x, int y, const TTextLine& line,
              const QColor& color, bool tabs, bool underline) {
    p.setPen(color);
    if (tabs && line.Text.contains(u'\t')) {
        const int stop = std::max(1, 8 * fm.averageCharWidth());
        int dx = 0;
        const QStringList parts = line.Text.split(u'\t');
        for (qsizetype i = 0; i < parts.size(); ++i) {
            p.drawText(QPoint(x + dx, y + fm.ascent()), parts[i]);
            dx += fm.horizontalAdvance(parts[i]);
            if (i + 1 < parts.size()) dx = (dx / stop + 1) * stop;
        }
    } else {
        p.drawText(QPoint(x, y + fm.ascent()), line.Text);
    }
    if (!underline) return;
    for (int idx : line.Underline) {
        if (idx < 0 || idx >= line.Text.size()) continue;
        const int ux = x + PrefixWidth(fm, line.Text, idx, tabs);
        const int uw = fm.horizontalAdvance(line.Text[idx]);
        p.fillRect(QRect(ux, y + fm.ascent() + 1, uw, 1), color);
    }
}

// Breaks one paragraph into lines no wider than width, at spaces; a word wider than the width
// keeps a line of its own.
void WrapParagraph(const QFontMetrics& fm, const TTextLine& para, int width, bool tabs,
                   std::vector<TTextLine>& out) {
    const QString& s = para.Text;
    qsizetype start = 0;
    while (true) {
        if (LineWidth(fm, s.mid(start), tabs) <= width) break;
        qsizetype brk = -1;
        for (qsizetype i = start; i < s.size(); ++i) {
            if (s[i] != u' ') continue;
            if (LineWidth(fm, s.mid(start, i - start), tabs) > width) break;
            brk = i;
        }
        if (brk < 0) {
            // No space fits: the first word alone.
            brk = s.indexOf(u' ', start);
            if (brk < 0) break;
        }
        qsizetype end = brk;
        while (end > start && s[end - 1] == u' ')
            --end;
        TTextLine line{s.mid(start, end - start), {}};
        for (int u : para.Underline)
            if (u >= start && u < end) line.Underline.push_back(int(u - start));
        out.push_back(line);
        start = brk;
        while (start < s.size() && s[start] == u' ')
            ++start;
        if (start >= s.size()) return;
    }
    TTextLine line{s.mid(start), {}};
    for (int u : para.Underline)
        if (u >= start) line.Underline.push_back(int(u - start));
    out.push_back(line);
}

void DrawPrefixText(TCanvas* canvas, QPainter& p, const QString& text, int x, int y, bool prefix,
                    const QColor& color) {
    const QFontMetrics fm = TFont::Metrics(canvas->QtFont());
    TTextLine line;
    line.Text = prefix ? StripPrefixes(text, &line.Underline) : text;
    p.setFont(canvas->QtFont());
    DrawLine(p, fm, x, y, line, color, false, prefix);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Edges and frame controls

namespace {

// The classic edge colours, indexed by the edge's four bits (outer in bits 0-1, inner in bits
// 2-3): top-left and bottom-right of the outer line and of the inner line; clNone draws no
// line. A lone inner edge takes the outer line's place, so its colours are in the outer tables,
// and a line with both its bits set is not drawn. BF_SOFT has top-left tables of its own.
constexpr TColor NoLine = clNone;
// clang-format off
constexpr TColor TopLeftOuter[16] = {
    NoLine,         cl3DLight, clBtnShadow, NoLine,
    clBtnHighlight, cl3DLight, clBtnShadow, NoLine,
    cl3DDkShadow,   cl3DLight, clBtnShadow, NoLine,
    NoLine,         cl3DLight, clBtnShadow, NoLine};
constexpr TColor TopLeftInner[16] = {
    NoLine, NoLine,         NoLine,         NoLine,
    NoLine, clBtnHighlight, clBtnHighlight, NoLine,
    NoLine, cl3DDkShadow,   cl3DDkShadow,   NoLine,
    NoLine, NoLine,         NoLine,         NoLine};
constexpr TColor BottomRightOuter[16] = {
    NoLine,      cl3DDkShadow, clBtnHighlight, NoLine,
    clBtnShadow, cl3DDkShadow, clBtnHighlight, NoLine,
    cl3DLight,   cl3DDkShadow, clBtnHighlight, NoLine,
    NoLine,      cl3DDkShadow, clBtnHighlight, NoLine};
constexpr TColor BottomRightInner[16] = {
    NoLine, NoLine,      NoLine,      NoLine,
    NoLine, clBtnShadow, clBtnShadow, NoLine,
    NoLine, cl3DLight,   cl3DLight,   NoLine,
    NoLine, NoLine,      NoLine,      NoLine};
constexpr TColor SoftTopLeftOuter[16] = {
    NoLine,      clBtnHighlight, cl3DDkShadow, NoLine,
    cl3DLight,   clBtnHighlight, cl3DDkShadow, NoLine,
    clBtnShadow, clBtnHighlight, cl3DDkShadow, NoLine,
    NoLine,      clBtnHighlight, cl3DDkShadow, NoLine};
constexpr TColor SoftTopLeftInner[16] = {
    NoLine, NoLine,      NoLine,      NoLine,
    NoLine, cl3DLight,   cl3DLight,   NoLine,
    NoLine, clBtnShadow, clBtnShadow, NoLine,
    NoLine, NoLine,      NoLine,      NoLine};
// clang-format on

} // namespace

bool DrawEdge(TCanvas* canvas, TRect& rc, unsigned edge, unsigned flags) {
    if (!canvas) return false;
    struct TLine {
        TColor TopLeft, BottomRight;
    };
    std::optional<TLine> outer, inner;
    const unsigned o = edge & BDR_OUTER, in = edge & BDR_INNER;
    if (flags & BF_MONO) {
        if (o) outer = TLine{clWindowFrame, clWindowFrame};
        if (in) inner = TLine{clWindow, clWindow};
    } else if (flags & BF_FLAT) {
        if (o) outer = TLine{clBtnShadow, clBtnShadow};
        if (in) inner = TLine{clBtnFace, clBtnFace};
    } else {
        const unsigned i = edge & (BDR_OUTER | BDR_INNER);
        const bool soft = flags & BF_SOFT;
        const TLine o4{soft ? SoftTopLeftOuter[i] : TopLeftOuter[i], BottomRightOuter[i]};
        const TLine i4{soft ? SoftTopLeftInner[i] : TopLeftInner[i], BottomRightInner[i]};
        if (o4.TopLeft != NoLine) outer = o4;
        if (i4.TopLeft != NoLine) inner = i4;
    }
    const bool left = flags & BF_LEFT, top = flags & BF_TOP, right = flags & BF_RIGHT,
               bottom = flags & BF_BOTTOM;
    TRect r = rc;
    canvas->Paint([&](QPainter& p) {
        auto fill = [&p](int x, int y, int w, int h, TColor c) {
            if (w > 0 && h > 0) p.fillRect(QRect(x, y, w, h), ColorToQColor(c));
        };
        for (const auto& line : {outer, inner}) {
            // A rectangle used up by the lines drawn so far takes no more.
            if (!line || r.Width() <= 0 || r.Height() <= 0) continue;
            if (top) fill(r.Left, r.Top, r.Width() - (right ? 1 : 0), 1, line->TopLeft);
            if (left) fill(r.Left, r.Top, 1, r.Height() - (bottom ? 1 : 0), line->TopLeft);
            if (bottom) fill(r.Left, r.Bottom - 1, r.Width(), 1, line->BottomRight);
            if (right) fill(r.Right - 1, r.Top, 1, r.Height(), line->BottomRight);
            if (left) ++r.Left;
            if (top) ++r.Top;
            if (right) --r.Right;
            if (bottom) --r.Bottom;
        }
        if (flags & BF_MIDDLE)
            fill(r.Left, r.Top, r.Width(), r.Height(), (flags & BF_MONO) ? clWindow : clBtnFace);
    });
    if (flags & BF_ADJUST) rc = r;
    return true;
}

namespace {

void DrawCheckBox(TCanvas* canvas, const TRect& rc, unsigned state) {
    const int size = std::min(rc.Width(), rc.Height());
    if (size <= 0) return;
    TRect box =
        Bounds(rc.Left + (rc.Width() - size) / 2, rc.Top + (rc.Height() - size) / 2, size, size);
    unsigned flags = BF_RECT | BF_ADJUST;
    if (state & DFCS_MONO)
        flags |= BF_MONO;
    else if (state & DFCS_FLAT)
        flags |= BF_FLAT;
    DrawEdge(canvas, box, EDGE_SUNKEN, flags);
    const TColor face = (state & (DFCS_PUSHED | DFCS_INACTIVE)) ? clBtnFace : clWindow;
    canvas->FillRectColor(box, face);
    if (!(state & DFCS_CHECKED)) return;
    const TColor mark = (state & DFCS_INACTIVE) ? clGrayText : clWindowText;
    // The classic tick: seven columns three pixels high, down then up.
    static const int kTop[7] = {2, 3, 4, 3, 2, 1, 0};
    const int x0 = box.Left + (box.Width() - 7) / 2, y0 = box.Top + (box.Height() - 7) / 2;
    canvas->Paint([&](QPainter& p) {
        for (int i = 0; i < 7; ++i)
            p.fillRect(QRect(x0 + i, y0 + kTop[i], 1, 3), ColorToQColor(mark));
    });
}

void DrawRadioButton(TCanvas* canvas, const TRect& rc, unsigned state) {
    const int size = std::min(rc.Width(), rc.Height());
    if (size <= 0) return;
    const QRect box(rc.Left + (rc.Width() - size) / 2, rc.Top + (rc.Height() - size) / 2, size,
                    size);
    const bool flat = state & (DFCS_FLAT | DFCS_MONO);
    const TColor face = (state & (DFCS_PUSHED | DFCS_INACTIVE)) ? clBtnFace : clWindow;
    canvas->Paint([&](QPainter& p) {
        auto arc = [&p](const QRect& r, int start, TColor c) {
            p.setPen(QPen(ColorToQColor(c), 1));
            p.drawArc(r, start * 16, 180 * 16);
        };
        const QRect outerRect = box.adjusted(0, 0, -1, -1), innerRect = box.adjusted(1, 1, -2, -2);
        p.setPen(Qt::NoPen);
        p.setBrush(ColorToQColor(face));
        p.drawEllipse(innerRect);
        if (flat) {
            p.setPen(QPen(ColorToQColor(clBtnShadow), 1));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(outerRect);
        } else {
            arc(outerRect, 45, clBtnShadow);
            arc(outerRect, 225, clBtnHighlight);
            arc(innerRect, 45, cl3DDkShadow);
            arc(innerRect, 225, cl3DLight);
        }
        if (state & DFCS_CHECKED) {
            const int d = std::max(2, size / 3);
            p.setPen(Qt::NoPen);
            p.setBrush(ColorToQColor((state & DFCS_INACTIVE) ? clGrayText : clWindowText));
            p.drawEllipse(QRect(box.center().x() - d / 2 + (size % 2 ? 0 : 1) - 0,
                                box.center().y() - d / 2 + (size % 2 ? 0 : 1) - 0, d, d));
        }
    });
}

} // namespace

bool DrawFrameControl(TCanvas* canvas, TRect& rc, unsigned type, unsigned state) {
    if (!canvas || type != DFC_BUTTON) return false;
    if (state & DFCS_BUTTONPUSH) {
        TRect r = rc;
        if (state & DFCS_FLAT)
            DrawEdge(canvas, r, EDGE_RAISED, BF_RECT | BF_FLAT | BF_MIDDLE | BF_ADJUST);
        else if (state & DFCS_PUSHED)
            DrawEdge(canvas, r, EDGE_SUNKEN, BF_RECT | BF_MIDDLE | BF_ADJUST);
        else
            DrawEdge(canvas, r, EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE | BF_ADJUST);
        if (state & DFCS_ADJUSTRECT) rc = r;
        return true;
    }
    if (state & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE))
        DrawRadioButton(canvas, rc, state);
    else if ((state & 0x1F) == DFCS_BUTTONCHECK || (state & DFCS_BUTTON3STATE))
        DrawCheckBox(canvas, rc, state);
    else
        return false;
    return true;
}

// ---------------------------------------------------------------------------------------------
// Rectangles

int FrameRect(TCanvas* canvas, const TRect& rc, TColor color) {
    if (!canvas || color == clNone) return 0;
    if (IsRectEmpty(rc)) return 1;
    canvas->Paint([&](QPainter& p) {
        for (const QRect& r : FrameRegion(rc))
            p.fillRect(r, ColorToQColor(color));
    });
    return 1;
}

int FrameRect(TCanvas* canvas, const TRect& rc) {
    if (!canvas) return 0;
    canvas->FrameRect(rc);
    return 1;
}

int FillRect(TCanvas* canvas, const TRect& rc, TColor color) {
    if (!canvas) return 0;
    canvas->FillRectColor(rc, color);
    return 1;
}

int FillRect(TCanvas* canvas, const TRect& rc) {
    if (!canvas) return 0;
    canvas->FillRect(rc);
    return 1;
}

bool DrawFocusRect(TCanvas* canvas, const TRect& rc) {
    if (!canvas || IsRectEmpty(rc)) return false;
    std::vector<QPoint> dots;
    auto dot = [&dots](int x, int y) {
        if (((x + y) & 1) == 0) dots.emplace_back(x, y);
    };
    for (int x = rc.Left; x < rc.Right; ++x) {
        dot(x, rc.Top);
        if (rc.Bottom - 1 > rc.Top) dot(x, rc.Bottom - 1);
    }
    for (int y = rc.Top + 1; y < rc.Bottom - 1; ++y) {
        dot(rc.Left, y);
        if (rc.Right - 1 > rc.Left) dot(rc.Right - 1, y);
    }
    canvas->Paint([&](QPainter& p) {
        p.setCompositionMode(QPainter::RasterOp_NotDestination);
        for (const QPoint& d : dots)
            p.fillRect(QRect(d, QSize(1, 1)), Qt::white);
    });
    return true;
}

bool DrawFocusOutline(TCanvas* canvas, const TRect& rc, const TBitmap* shape) {
    if (!canvas || !shape || shape->Empty() || IsRectEmpty(rc)) return false;
    const QImage& image = shape->Image();
    const int w = std::min(image.width(), rc.Width());
    const int h = std::min(image.height(), rc.Height());
    const QRgb key = image.pixel(0, image.height() - 1);
    const auto inside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < image.width() && y < image.height() &&
               image.pixel(x, y) != key;
    };
    std::vector<QPoint> dots;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (inside(x, y) &&
                (!inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1) ||
                 !inside(x - 2, y) || !inside(x + 2, y) || !inside(x, y - 2) || !inside(x, y + 2)))
                dots.emplace_back(rc.Left + x, rc.Top + y);
    canvas->Paint([&](QPainter& p) {
        p.setCompositionMode(QPainter::RasterOp_NotDestination);
        for (const QPoint& d : dots)
            p.fillRect(QRect(d, QSize(1, 1)), Qt::white);
    });
    return true;
}

// ---------------------------------------------------------------------------------------------
// Text

int DrawText(TCanvas* canvas, const String& text, TRect& rc, unsigned format) {
    return DrawText(canvas, text, -1, rc, format);
}

int DrawText(TCanvas* canvas, const String& text, int count, TRect& rc, unsigned format) {
    if (!canvas) return 0;
    const QString s = count < 0 ? text : text.left(count);
    const QFontMetrics fm = TFont::Metrics(canvas->QtFont());
    const int lineH = fm.height();
    const bool single = format & DT_SINGLELINE;
    const bool tabs = format & DT_EXPANDTABS;
    const bool prefix = !(format & DT_NOPREFIX);

    std::vector<TTextLine> paragraphs;
    if (single) {
        QString one = s;
        one.remove(u'\r');
        one.replace(u'\n', u' ');
        paragraphs.push_back({one, {}});
    } else {
        QString norm = s;
        norm.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        norm.replace(u'\r', u'\n');
        for (const QString& p : norm.split(u'\n'))
            paragraphs.push_back({p, {}});
    }
    for (auto& para : paragraphs)
        if (prefix) para.Text = StripPrefixes(para.Text, &para.Underline);

    std::vector<TTextLine> lines;
    const bool wrap = (format & DT_WORDBREAK) && !single;
    for (const auto& para : paragraphs) {
        if (wrap)
            WrapParagraph(fm, para, rc.Width(), tabs, lines);
        else
            lines.push_back(para);
    }
    if (format & DT_END_ELLIPSIS) {
        for (auto& line : lines) {
            if (LineWidth(fm, line.Text, tabs) <= rc.Width()) continue;
            line.Text = fm.elidedText(line.Text, Qt::ElideRight, std::max(0, rc.Width()));
            const int kept = int(line.Text.size()) - 1; // the ellipsis character
            std::erase_if(line.Underline, [kept](int u) { return u >= kept; });
        }
    }
    int maxW = 0;
    for (const auto& line : lines)
        maxW = std::max(maxW, LineWidth(fm, line.Text, tabs));
    const int totalH = lineH * int(lines.size());

    if (format & DT_CALCRECT) {
        if (wrap)
            rc.Right = std::max(rc.Right, rc.Left + maxW);
        else
            rc.Right = rc.Left + maxW;
        rc.Bottom = rc.Top + totalH;
        return totalH;
    }

    int y = rc.Top;
    if (single) {
        if (format & DT_VCENTER)
            y = rc.Top + (rc.Height() - lineH) / 2;
        else if (format & DT_BOTTOM)
            y = rc.Bottom - lineH;
    }
    const int y0 = y;
    const QColor textColor = ColorToQColor(canvas->TextColor());
    const bool opaque = canvas->BkMode() == OPAQUE;
    const QColor bk = ColorToQColor(canvas->BkColor());
    const bool underline = !(format & DT_HIDEPREFIX);
    const TRect box = rc;
    canvas->Paint([&](QPainter& p) {
        if (!(format & DT_NOCLIP)) p.setClipRect(Q(box), Qt::IntersectClip);
        p.setFont(canvas->QtFont());
        int ly = y;
        for (const auto& line : lines) {
            const int w = LineWidth(fm, line.Text, tabs);
            int x = box.Left;
            if (format & DT_CENTER)
                x = box.Left + (box.Width() - w) / 2;
            else if (format & DT_RIGHT)
                x = box.Right - w;
            if (opaque) p.fillRect(QRect(x, ly, w, lineH), bk);
            DrawLine(p, fm, x, ly, line, textColor, tabs, underline);
            ly += lineH;
        }
    });
    if (single && (format & (DT_VCENTER | DT_BOTTOM))) return y0 - rc.Top + lineH;
    return totalH;
}

bool ExtTextOut(TCanvas* canvas, int x, int y, unsigned options, const TRect* rc,
                const String& text) {
    if (!canvas) return false;
    const QFontMetrics fm = TFont::Metrics(canvas->QtFont());
    const int w = fm.horizontalAdvance(text), h = fm.height();
    const unsigned align = canvas->TextAlign();
    if (align & TA_UPDATECP) {
        x = canvas->PenPos().X;
        y = canvas->PenPos().Y;
    }
    int left = x;
    if ((align & TA_CENTER) == TA_CENTER)
        left = x - w / 2;
    else if ((align & TA_CENTER) == TA_RIGHT)
        left = x - w;
    int top = y;
    if ((align & TA_BASELINE) == TA_BASELINE)
        top = y - fm.ascent();
    else if ((align & TA_BASELINE) == TA_BOTTOM)
        top = y - h;
    const QColor bk = ColorToQColor(canvas->BkColor());
    const QColor fg = ColorToQColor(canvas->TextColor());
    const bool opaque = canvas->BkMode() == OPAQUE;
    canvas->Paint([&](QPainter& p) {
        if (rc && (options & ETO_OPAQUE)) p.fillRect(Q(*rc), bk);
        if (rc && (options & ETO_CLIPPED)) p.setClipRect(Q(*rc), Qt::IntersectClip);
        if (opaque) p.fillRect(QRect(left, top, w, h), bk);
        p.setFont(canvas->QtFont());
        p.setPen(fg);
        p.drawText(QPoint(left, top + fm.ascent()), text);
    });
    if (align & TA_UPDATECP) {
        if ((align & TA_CENTER) == TA_RIGHT)
            canvas->SetPenPos({x - w, y});
        else if ((align & TA_CENTER) != TA_CENTER)
            canvas->SetPenPos({x + w, y});
    }
    return true;
}

bool TextOut(TCanvas* canvas, int x, int y, const String& text) {
    return ExtTextOut(canvas, x, y, 0, nullptr, text);
}

bool GetTextExtentPoint32(TCanvas* canvas, const String& text, TSize& size) {
    if (!canvas) return false;
    size = canvas->TextExtent(text);
    return true;
}

bool DrawState(TCanvas* canvas, const String& text, int x, int y, int cx, int cy, unsigned flags) {
    if (!canvas) return false;
    const unsigned kind = flags & 0x0F;
    if (kind != DST_TEXT && kind != DST_PREFIXTEXT) return false;
    const bool prefix = kind == DST_PREFIXTEXT && !(flags & DSS_HIDEPREFIX);
    canvas->Paint([&](QPainter& p) {
        if (cx > 0 && cy > 0) p.setClipRect(QRect(x, y, cx, cy), Qt::IntersectClip);
        QString shown = text;
        if (kind == DST_PREFIXTEXT && (flags & DSS_HIDEPREFIX))
            shown = StripPrefixes(text, nullptr);
        if (flags & DSS_DISABLED) {
            DrawPrefixText(canvas, p, shown, x + 1, y + 1, prefix, ColorToQColor(clBtnHighlight));
            DrawPrefixText(canvas, p, shown, x, y, prefix, ColorToQColor(clBtnShadow));
        } else {
            DrawPrefixText(canvas, p, shown, x, y, prefix, ColorToQColor(canvas->TextColor()));
        }
    });
    return true;
}

bool DrawState(TCanvas* canvas, const TBitmap* bitmap, int x, int y, int cx, int cy,
               unsigned flags) {
    if (!canvas || !bitmap || bitmap->Empty() || (flags & 0x0F) != DST_BITMAP) return false;
    const QImage& img = bitmap->Image();
    const int w = cx > 0 ? cx : img.width(), h = cy > 0 ? cy : img.height();
    const QRect part(0, 0, std::min(w, img.width()), std::min(h, img.height()));
    if (!(flags & DSS_DISABLED)) {
        canvas->Paint([&](QPainter& p) { p.drawImage(QPoint(x, y), img, part); });
        return true;
    }
    // The shape is every pixel that is not white; it is painted twice in flat colours.
    auto shape = [&](TColor color) {
        QImage s(part.size(), QImage::Format_ARGB32);
        const QRgb c = ColorToQRgb(color);
        for (int j = 0; j < s.height(); ++j)
            for (int i = 0; i < s.width(); ++i)
                s.setPixel(i, j, (img.pixel(i, j) & 0xFFFFFF) == 0xFFFFFF ? 0u : c);
        return s;
    };
    const QImage light = shape(clBtnHighlight), dark = shape(clBtnShadow);
    canvas->Paint([&](QPainter& p) {
        p.drawImage(QPoint(x + 1, y + 1), light);
        p.drawImage(QPoint(x, y), dark);
    });
    return true;
}

// ---------------------------------------------------------------------------------------------
// State

TColor SetBkColor(TCanvas* canvas, TColor color) {
    return canvas ? canvas->SetBkColor(color) : clNone;
}
TColor SetTextColor(TCanvas* canvas, TColor color) {
    return canvas ? canvas->SetTextColor(color) : clNone;
}
int SetBkMode(TCanvas* canvas, int mode) {
    return canvas ? canvas->SetBkMode(mode) : 0;
}
unsigned SetTextAlign(TCanvas* canvas, unsigned align) {
    return canvas ? canvas->SetTextAlign(align) : 0;
}
TColor GetBkColor(TCanvas* canvas) {
    return canvas ? canvas->BkColor() : clNone;
}
TColor GetTextColor(TCanvas* canvas) {
    return canvas ? canvas->TextColor() : clNone;
}

int IntersectClipRect(TCanvas* canvas, int left, int top, int right, int bottom) {
    if (!canvas) return ERROR;
    canvas->IntersectClipRect(Rect(left, top, right, bottom));
    return RegionKind(canvas);
}

int ExcludeClipRect(TCanvas* canvas, int left, int top, int right, int bottom) {
    if (!canvas) return ERROR;
    canvas->ExcludeClipRect(Rect(left, top, right, bottom));
    return RegionKind(canvas);
}

int SelectClipRect(TCanvas* canvas, const TRect* rc) {
    if (!canvas) return ERROR;
    if (!rc) {
        canvas->ResetClipRegion();
        return SIMPLEREGION;
    }
    canvas->SetClipRegion(QRegion(Q(*rc).normalized()));
    return RegionKind(canvas);
}

// ---------------------------------------------------------------------------------------------
// Raster operations

bool PatBlt(TCanvas* canvas, int x, int y, int w, int h, uint32_t rop) {
    if (!canvas) return false;
    const QRect r(MirroredOrigin(QRect(x, y, w, h)), QSize(std::abs(w), std::abs(h)));
    std::optional<QPainter::CompositionMode> mode;
    QBrush brush;
    switch (rop) {
    case BLACKNESS:
        mode = QPainter::CompositionMode_Source, brush = QBrush(Qt::black);
        break;
    case WHITENESS:
        mode = QPainter::CompositionMode_Source, brush = QBrush(Qt::white);
        break;
    case DSTINVERT:
        mode = QPainter::RasterOp_NotDestination, brush = QBrush(Qt::white);
        break;
    case PATCOPY:
        mode = QPainter::CompositionMode_Source;
        break;
    case PATINVERT:
        mode = QPainter::RasterOp_SourceXorDestination;
        break;
    case PATXNORDEST:
        mode = QPainter::RasterOp_NotSourceXorDestination;
        break;
    default:
        return false;
    }
    if (brush.style() == Qt::NoBrush) brush = canvas->QtBrush();
    if (brush.style() == Qt::NoBrush) return true; // a clear brush paints nothing
    canvas->Paint([&](QPainter& p) {
        p.setCompositionMode(*mode);
        p.setBrushOrigin(0, 0);
        p.fillRect(r, brush);
    });
    return true;
}

bool StretchBltImage(TCanvas* dest, const QRect& dst, const QImage& src, const QRect& srcRect,
                     bool srcMonochrome, TColor srcBkColor, uint32_t rop) {
    if (!dest) return false;
    const auto mode = SourceRop(rop);
    if (!mode) {
        if (UsesSource(rop)) return false;
        return PatBlt(dest, dst.x(), dst.y(), dst.width(), dst.height(), rop);
    }
    if (dst.width() == 0 || dst.height() == 0) return true;
    QImage img = Stretch(src, srcRect, dst.width(), dst.height());
    if (img.isNull()) return false;
    const bool destMono = dest->IsMonochrome();
    if (srcMonochrome && !destMono) {
        // 1 bits take the destination's background colour, 0 bits its text colour.
        const QRgb one = ColorToQRgb(dest->BkColor()), zero = ColorToQRgb(dest->TextColor());
        for (int j = 0; j < img.height(); ++j) {
            auto* line = reinterpret_cast<QRgb*>(img.scanLine(j));
            for (int i = 0; i < img.width(); ++i)
                line[i] = TBitmap::IsWhiteBit(line[i]) ? one : zero;
        }
    } else if (!srcMonochrome && destMono) {
        // Pixels of the source's background colour become 1 (white), all others 0.
        const QRgb bk = ColorToQRgb(srcBkColor) & 0xFFFFFF;
        for (int j = 0; j < img.height(); ++j) {
            auto* line = reinterpret_cast<QRgb*>(img.scanLine(j));
            for (int i = 0; i < img.width(); ++i)
                line[i] = (line[i] & 0xFFFFFF) == bk ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
        }
    }
    const QPoint at = MirroredOrigin(dst);
    dest->Paint([&](QPainter& p) {
        p.setCompositionMode(*mode);
        p.drawImage(at, img);
    });
    return true;
}

bool StretchBltImageTransparent(TCanvas* dest, const QRect& dst, const QImage& src,
                                const QRect& srcRect, TColor transparentColor) {
    if (!dest) return false;
    if (dst.width() == 0 || dst.height() == 0) return true;
    QImage img = Stretch(src, srcRect, dst.width(), dst.height());
    const QRgb key = ColorToQRgb(transparentColor) & 0xFFFFFF;
    img = img.convertToFormat(QImage::Format_ARGB32);
    for (int j = 0; j < img.height(); ++j) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(j));
        for (int i = 0; i < img.width(); ++i)
            if ((line[i] & 0xFFFFFF) == key) line[i] = 0;
    }
    const QPoint at = MirroredOrigin(dst);
    dest->Paint([&](QPainter& p) { p.drawImage(at, img); });
    return true;
}

bool StretchBlt(TCanvas* dest, int x, int y, int w, int h, TCanvas* src, int xSrc, int ySrc,
                int wSrc, int hSrc, uint32_t rop) {
    if (!dest) return false;
    if (!UsesSource(rop)) return PatBlt(dest, x, y, w, h, rop);
    if (!src) return false;
    const QPoint origin = MirroredOrigin(QRect(xSrc, ySrc, wSrc, hSrc));
    const QRect area(origin, QSize(std::abs(wSrc), std::abs(hSrc)));
    const QImage pixels = src->GrabImage(ToRect(area));
    // The grabbed pixels start at the source rectangle's normalised corner.
    const QRect rel(wSrc < 0 ? area.width() : 0, hSrc < 0 ? area.height() : 0, wSrc, hSrc);
    return StretchBltImage(dest, QRect(x, y, w, h), pixels, rel, src->IsMonochrome(),
                           src->BkColor(), rop);
}

bool BitBlt(TCanvas* dest, int x, int y, int w, int h, TCanvas* src, int xSrc, int ySrc,
            uint32_t rop) {
    return StretchBlt(dest, x, y, w, h, src, xSrc, ySrc, w, h, rop);
}

int SetStretchBltMode(TCanvas* canvas, int mode) {
    (void)mode;
    return canvas ? COLORONCOLOR : 0;
}

TBitmap* CreateBitmap(int width, int height, int planes, int bitsPerPixel, const void* bits,
                      size_t size) {
    if (planes != 1 || bitsPerPixel != 1 || width <= 0 || height <= 0) return nullptr;
    const size_t stride = size_t((width + 15) / 16) * 2;
    if (bits && size < stride * size_t(height)) return nullptr;
    QImage img(width, height, QImage::Format_RGB32);
    img.fill(Qt::black);
    const auto* data = static_cast<const uint8_t*>(bits);
    for (int y = 0; data && y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (data[size_t(y) * stride + size_t(x / 8)] & (0x80 >> (x % 8)))
                img.setPixel(x, y, qRgb(255, 255, 255));
    auto* bmp = new TBitmap;
    bmp->SetImage(img);
    bmp->SetMonochrome(true);
    return bmp;
}
