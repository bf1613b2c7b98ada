#include "framework/graphics/Canvas.h"

#include "framework/classes/Component.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Graphic.h"
#include "framework/graphics/WinGdi.h"
#include "framework/system/UpdateScope.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

VQ_PUBLISH(TCanvas) {
    P.Inherit();
}

namespace {

QPainter::CompositionMode PenComposition(TPenMode mode, bool& skip, QColor& color) {
    using C = QPainter;
    skip = false;
    switch (mode) {
    case pmBlack:
        color = Qt::black;
        return C::CompositionMode_SourceOver;
    case pmWhite:
        color = Qt::white;
        return C::CompositionMode_SourceOver;
    case pmNop:
        skip = true;
        return C::CompositionMode_SourceOver;
    case pmNot:
        return C::RasterOp_NotDestination;
    case pmCopy:
        return C::CompositionMode_SourceOver;
    case pmNotCopy:
        return C::RasterOp_NotSource;
    case pmMergePenNot:
        return C::RasterOp_SourceOrNotDestination;
    case pmMaskPenNot:
        return C::RasterOp_SourceAndNotDestination;
    case pmMergeNotPen:
        return C::RasterOp_NotSourceOrDestination;
    case pmMaskNotPen:
        return C::RasterOp_NotSourceAndDestination;
    case pmMerge:
        return C::RasterOp_SourceOrDestination;
    case pmNotMerge:
        return C::RasterOp_NotSourceAndNotDestination;
    case pmMask:
        return C::RasterOp_SourceAndDestination;
    case pmNotMask:
        return C::RasterOp_NotSourceOrNotDestination;
    case pmXor:
        return C::RasterOp_SourceXorDestination;
    case pmNotXor:
        return C::RasterOp_NotSourceXorDestination;
    }
    return C::CompositionMode_SourceOver;
}

// An 8 by 8 hatch in the brush colour over the background (transparent when bg is invalid).
QImage HatchImage(TBrushStyle style, QColor fg, QColor bg) {
    QImage img(8, 8, QImage::Format_ARGB32);
    img.fill(bg.isValid() ? bg.rgba() : qRgba(0, 0, 0, 0));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            bool on = false;
            switch (style) {
            case bsHorizontal:
                on = y == 7;
                break;
            case bsVertical:
                on = x == 7;
                break;
            case bsFDiagonal:
                on = x == y;
                break;
            case bsBDiagonal:
                on = x + y == 7;
                break;
            case bsCross:
                on = x == 7 || y == 7;
                break;
            case bsDiagCross:
                on = x == y || x + y == 7;
                break;
            default:
                break;
            }
            if (on) img.setPixel(x, y, fg.rgba());
        }
    return img;
}

QRect R(const TRect& r) {
    return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
}

} // namespace

TCanvas::TCanvas() : FFont(new TFont), FPen(new TPen), FBrush(new TBrush) {
    FFont->OnChange = [this](TObject* s) { FontChanged(s); };
    FBrush->OnChange = [this](TObject* s) { BrushChanged(s); };
    FTextColor = FFont->Color();
}

TCanvas::~TCanvas() {
    delete FFont;
    delete FPen;
    delete FBrush;
}

void TCanvas::SetPainter(QPainter* painter) {
    FPainter = painter;
    ResetClipRegion();
}

bool TCanvas::HandleAllocated() const {
    if (FPainter) return FPainter->isActive();
    const QImage* img = OwnImage();
    return img && !img->isNull();
}

void TCanvas::FontChanged(TObject*) {
    FTextColor = FFont->Color();
}

void TCanvas::BrushChanged(TObject*) {
    // Solid and pattern brushes paint text backgrounds in their colour; hatched and clear ones
    // leave the background alone.
    if (FBrush->Style() == bsSolid || FBrush->Bitmap()) {
        FBkColor = FBrush->Color();
        FBkMode = OPAQUE;
    } else {
        FBkColor = MakeColor(~uint32_t(ColorToRGB(FBrush->Color())) & 0xFFFFFF);
        FBkMode = TRANSPARENT;
    }
}

TColor TCanvas::SetBkColor(TColor value) {
    const TColor old = FBkColor;
    FBkColor = value;
    return old;
}

TColor TCanvas::SetTextColor(TColor value) {
    const TColor old = FTextColor;
    FTextColor = value;
    return old;
}

int TCanvas::SetBkMode(int value) {
    const int old = FBkMode;
    if (value == TRANSPARENT || value == OPAQUE) FBkMode = value;
    return old;
}

unsigned TCanvas::SetTextAlign(unsigned value) {
    const unsigned old = FTextAlign;
    FTextAlign = value;
    return old;
}

// ---------------------------------------------------------------------------------------------
// Clipping

void TCanvas::SetClipRegion(const QRegion& region) {
    FClip = region;
    FHasClip = true;
}

void TCanvas::ResetClipRegion() {
    FClip = QRegion();
    FHasClip = false;
}

TRect TCanvas::ClipRect() const {
    if (FHasClip) return ToRect(FClip.boundingRect());
    QRect dev;
    if (FPainter && FPainter->device()) {
        dev = QRect(0, 0, FPainter->device()->width(), FPainter->device()->height());
        dev = FPainter->transform().inverted().mapRect(dev);
        if (FPainter->hasClipping()) dev &= FPainter->clipBoundingRect().toAlignedRect();
    } else if (const QImage* img = OwnImage()) {
        dev = img->rect();
    }
    return ToRect(dev);
}

void TCanvas::IntersectClipRect(const TRect& r) {
    const QRegion rr(R(r).normalized());
    SetClipRegion(FHasClip ? FClip.intersected(rr) : rr);
}

void TCanvas::ExcludeClipRect(const TRect& r) {
    const QRegion base = FHasClip ? FClip : QRegion(ToQRect(ClipRect()));
    SetClipRegion(base.subtracted(QRegion(R(r).normalized())));
}

// ---------------------------------------------------------------------------------------------
// Device access

void TCanvas::Changing() {
    Fire(OnChanging, this);
}

void TCanvas::Changed() {
    Fire(OnChange, this);
}

void TCanvas::Paint(const std::function<void(QPainter&)>& fn) {
    if (FPainter) {
        if (!FPainter->isActive()) return;
        Changing();
        {
            TUpdateScope state([this] { FPainter->save(); }, [this] { FPainter->restore(); });
            if (FHasClip) FPainter->setClipRegion(FClip, Qt::IntersectClip);
            FPainter->setRenderHint(QPainter::Antialiasing, false);
            FPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
            fn(*FPainter);
        }
        Changed();
        return;
    }
    QImage* img = OwnImage();
    if (!img || img->isNull()) return;
    Changing();
    {
        QPainter p(img);
        if (FHasClip) p.setClipRegion(FClip);
        fn(p);
    }
    ImageModified();
    Changed();
}

QImage* TCanvas::DeviceImage(QTransform* toImage) const {
    if (FPainter) {
        QPaintEngine* engine = FPainter->isActive() ? FPainter->paintEngine() : nullptr;
        QPaintDevice* dev = engine ? engine->paintDevice() : nullptr;
        if (!dev || dev->devType() != QInternal::Image) return nullptr;
        if (toImage) *toImage = FPainter->deviceTransform();
        return static_cast<QImage*>(dev);
    }
    QImage* img = OwnImage();
    if (!img || img->isNull()) return nullptr;
    if (toImage) *toImage = QTransform::fromScale(img->devicePixelRatio(), img->devicePixelRatio());
    return img;
}

QImage TCanvas::GrabImage(const TRect& r) const {
    QImage out(std::max(0, r.Width()), std::max(0, r.Height()), QImage::Format_RGB32);
    out.fill(Qt::black);
    QTransform t;
    const QImage* img = DeviceImage(&t);
    if (!img || out.isNull()) return out;
    const QPoint o = t.map(QPoint(r.Left, r.Top));
    const QRect src = QRect(o, out.size()).intersected(img->rect());
    if (src.isEmpty()) return out;
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(src.topLeft() - o, *img, src);
    return out;
}

TColor TCanvas::Pixels(int x, int y) const {
    QTransform t;
    const QImage* img = DeviceImage(&t);
    if (!img) return clNone;
    const QPoint p = t.map(QPoint(x, y));
    if (!img->valid(p)) return clNone;
    const QRgb px = img->pixel(p);
    if (IsMonochrome()) return TBitmap::IsWhiteBit(px) ? clWhite : clBlack;
    return RGB(qRed(px), qGreen(px), qBlue(px));
}

void TCanvas::SetPixels(int x, int y, TColor color) {
    Paint([&](QPainter& p) { p.fillRect(QRect(x, y, 1, 1), ColorToQColor(color)); });
}

QBrush TCanvas::QtBrush() const {
    if (const TBitmap* bmp = FBrush->Bitmap(); bmp && !bmp->Empty()) {
        QImage pattern = bmp->Image().convertToFormat(QImage::Format_RGB32);
        if (bmp->Monochrome()) {
            const QRgb one = ColorToQRgb(FBkColor), zero = ColorToQRgb(FTextColor);
            for (int y = 0; y < pattern.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(pattern.scanLine(y));
                for (int x = 0; x < pattern.width(); ++x)
                    line[x] = TBitmap::IsWhiteBit(line[x]) ? one : zero;
            }
        }
        return QBrush(pattern);
    }
    switch (FBrush->Style()) {
    case bsClear:
        return QBrush(Qt::NoBrush);
    case bsSolid:
        return QBrush(ColorToQColor(FBrush->Color()));
    default:
        return QBrush(HatchImage(FBrush->Style(), ColorToQColor(FBrush->Color()),
                                 FBkMode == OPAQUE ? ColorToQColor(FBkColor) : QColor()));
    }
}

// ---------------------------------------------------------------------------------------------
// Lines and shapes

void TCanvas::StrokeLine(QPainter& p, int x1, int y1, int x2, int y2) {
    bool skip = false;
    QColor color = ColorToQColor(FPen->Color());
    const QPainter::CompositionMode mode = PenComposition(FPen->Mode(), skip, color);
    if (skip || FPen->Style() == psClear || (x1 == x2 && y1 == y2)) return;
    p.setCompositionMode(mode);
    const int w = std::max(1, FPen->Width());
    const bool solid = FPen->Style() == psSolid || FPen->Style() == psInsideFrame;
    if (solid && w == 1 && (x1 == x2 || y1 == y2)) {
        // Exact pixels, the end point left out.
        const QRect r = x1 == x2 ? QRect(x1, std::min(y1, y2 + 1), 1, std::abs(y2 - y1))
                                 : QRect(std::min(x1, x2 + 1), y1, std::abs(x2 - x1), 1);
        p.fillRect(r, color);
        return;
    }
    if (w == 1) {
        // Bresenham, end point excluded; dashes follow the platform's 1-pixel patterns.
        static const int kDash[] = {18, 6}, kDot[] = {3, 3}, kDashDot[] = {9, 6, 3, 6},
                         kDashDotDot[] = {9, 3, 3, 3, 3, 3};
        const int* pattern = nullptr;
        int count = 0;
        switch (FPen->Style()) {
        case psDash:
            pattern = kDash, count = 2;
            break;
        case psDot:
            pattern = kDot, count = 2;
            break;
        case psDashDot:
            pattern = kDashDot, count = 4;
            break;
        case psDashDotDot:
            pattern = kDashDotDot, count = 6;
            break;
        default:
            break;
        }
        int period = 0;
        for (int i = 0; i < count; ++i)
            period += pattern[i];
        std::vector<QPoint> pts;
        const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
        const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
        int err = dx + dy, x = x1, y = y1, step = 0;
        while (x != x2 || y != y2) {
            bool on = true;
            if (pattern) {
                int pos = step % period, i = 0;
                while (pos >= pattern[i])
                    pos -= pattern[i++];
                on = (i % 2) == 0;
            }
            if (on) pts.emplace_back(x, y);
            ++step;
            const int e2 = 2 * err;
            if (e2 >= dy) err += dy, x += sx;
            if (e2 <= dx) err += dx, y += sy;
        }
        p.setPen(QPen(color, 1));
        if (!pts.empty()) p.drawPoints(pts.data(), int(pts.size()));
        return;
    }
    QPen pen(color, w, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    p.setPen(pen);
    p.drawLine(QPointF(x1 + 0.5, y1 + 0.5), QPointF(x2 + 0.5, y2 + 0.5));
}

void TCanvas::MoveTo(int x, int y) {
    FPenPos = {x, y};
}

void TCanvas::LineTo(int x, int y) {
    const TPoint from = FPenPos;
    Paint([&](QPainter& p) { StrokeLine(p, from.X, from.Y, x, y); });
    FPenPos = {x, y};
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
    if (points.size() < 2) return;
    Paint([&](QPainter& p) {
        for (size_t i = 1; i < points.size(); ++i)
            StrokeLine(p, points[i - 1].X, points[i - 1].Y, points[i].X, points[i].Y);
    });
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    Paint([&](QPainter& p) {
        const bool outline = FPen->Style() != psClear && FPen->Mode() != pmNop;
        const int w = outline ? std::max(1, FPen->Width()) : 0;
        // Without an outline the fill stops one pixel short on the right and bottom.
        const QRect inner = outline ? QRect(x1 + w, y1 + w, x2 - x1 - 2 * w, y2 - y1 - 2 * w)
                                    : QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
        const QBrush brush = QtBrush();
        if (brush.style() != Qt::NoBrush && inner.isValid()) p.fillRect(inner, brush);
        if (!outline) return;
        const bool solid = FPen->Style() == psSolid || FPen->Style() == psInsideFrame || w > 1;
        if (solid) {
            bool skip = false;
            QColor color = ColorToQColor(FPen->Color());
            p.setCompositionMode(PenComposition(FPen->Mode(), skip, color));
            QRegion frame(QRect(x1, y1, x2 - x1, y2 - y1));
            frame -= QRegion(QRect(x1 + w, y1 + w, x2 - x1 - 2 * w, y2 - y1 - 2 * w));
            for (const QRect& r : frame)
                p.fillRect(r, color);
        } else {
            StrokeLine(p, x1, y1, x2 - 1, y1);
            StrokeLine(p, x2 - 1, y1, x2 - 1, y2 - 1);
            StrokeLine(p, x2 - 1, y2 - 1, x1, y2 - 1);
            StrokeLine(p, x1, y2 - 1, x1, y1);
        }
    });
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    Paint([&](QPainter& p) {
        bool skip = false;
        QColor color = ColorToQColor(FPen->Color());
        const auto mode = PenComposition(FPen->Mode(), skip, color);
        if (FPen->Style() == psClear || skip)
            p.setPen(Qt::NoPen);
        else
            p.setPen(QPen(color, std::max(1, FPen->Width())));
        p.setCompositionMode(mode);
        p.setBrush(QtBrush());
        p.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
    });
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
    if (points.size() < 2) return;
    QPolygon poly;
    for (const TPoint& pt : points)
        poly << QPoint(pt.X, pt.Y);
    Paint([&](QPainter& p) {
        bool skip = false;
        QColor color = ColorToQColor(FPen->Color());
        const auto mode = PenComposition(FPen->Mode(), skip, color);
        if (FPen->Style() == psClear || skip)
            p.setPen(Qt::NoPen);
        else
            p.setPen(
                QPen(color, std::max(1, FPen->Width()), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setCompositionMode(mode);
        p.setBrush(QtBrush());
        p.drawPolygon(poly);
    });
}

void TCanvas::FillRect(const TRect& r) {
    const QBrush brush = QtBrush();
    if (brush.style() == Qt::NoBrush) return;
    Paint([&](QPainter& p) { p.fillRect(R(r), brush); });
}

void TCanvas::FillRectColor(const TRect& r, TColor color) {
    if (color == clNone) return;
    Paint([&](QPainter& p) { p.fillRect(R(r), ColorToQColor(color)); });
}

void TCanvas::FrameRect(const TRect& r) {
    if (r.Right <= r.Left || r.Bottom <= r.Top) return;
    const QBrush brush = QtBrush();
    if (brush.style() == Qt::NoBrush) return;
    Paint([&](QPainter& p) {
        QRegion frame(R(r));
        frame -= QRegion(QRect(r.Left + 1, r.Top + 1, r.Width() - 2, r.Height() - 2));
        for (const QRect& q : frame)
            p.fillRect(q, brush);
    });
}

void TCanvas::DrawFocusRect(const TRect& r) {
    ::DrawFocusRect(this, r);
}

// ---------------------------------------------------------------------------------------------
// Text

void TCanvas::TextOut(int x, int y, const String& text) {
    ::ExtTextOut(this, x, y, 0, nullptr, text);
    if (!(FTextAlign & TA_UPDATECP)) FPenPos = {x + TextWidth(text), y};
}

void TCanvas::TextRect(const TRect& r, int x, int y, const String& text) {
    unsigned options = ETO_CLIPPED;
    if (FBrush->Style() != bsClear) options |= ETO_OPAQUE;
    ::ExtTextOut(this, x, y, options, &r, text);
}

int TCanvas::TextWidth(const String& text) const {
    return TFont::Metrics(QtFont()).horizontalAdvance(text);
}

int TCanvas::TextHeight(const String& text) const {
    return TextExtent(text).cy;
}

TSize TCanvas::TextExtent(const String& text) const {
    const QFontMetrics fm = TFont::Metrics(QtFont());
    return {fm.horizontalAdvance(text), fm.height()};
}

// ---------------------------------------------------------------------------------------------
// Graphics

void TCanvas::Draw(int x, int y, const TGraphic* graphic) {
    if (!graphic || graphic->Empty()) return;
    graphic->Draw(this, Bounds(x, y, graphic->Width(), graphic->Height()));
}

void TCanvas::StretchDraw(const TRect& r, const TGraphic* graphic) {
    if (!graphic || graphic->Empty()) return;
    graphic->Draw(this, r);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* source, const TRect& srcRect) {
    ::StretchBlt(this, dest.Left, dest.Top, dest.Width(), dest.Height(), source, srcRect.Left,
                 srcRect.Top, srcRect.Width(), srcRect.Height(), uint32_t(FCopyMode));
}
