#pragma once
// TCanvas: drawing surface over a QPainter. A control creates one on the painter of its paint
// event (TCanvas(&painter) or SetPainter); a TBitmap has one of its own that paints on the
// bitmap's image. Besides pen, brush and font it keeps the device-context state the classic
// drawing calls of WinGdi.h work with: background and text colour, background mode, text
// alignment, current position and clip region.
//
// Coordinates are pixels; a rectangle's right and bottom are exclusive (FillRect(0,0,2,2) paints
// four pixels). Lines leave out their end point. Raster operations (copy modes, pen modes) run on
// Qt's raster engine, which is what widgets and images paint with.

#include "framework/graphics/Brush.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/Pen.h"
#include "framework/system/Types.h"

#include <QImage>
#include <QRegion>
#include <QString>
#include <QTransform>
#include <functional>
#include <vector>

class QPainter;
class TGraphic;

// Copy modes of CopyRect and of drawing bitmaps: the platform's ternary raster-operation codes.
using TCopyMode = int32_t;
constexpr TCopyMode cmBlackness = 0x00000042;
constexpr TCopyMode cmDstInvert = 0x00550009;
constexpr TCopyMode cmMergeCopy = 0x00C000CA;
constexpr TCopyMode cmMergePaint = 0x00BB0226;
constexpr TCopyMode cmNotSrcCopy = 0x00330008;
constexpr TCopyMode cmNotSrcErase = 0x001100A6;
constexpr TCopyMode cmPatCopy = 0x00F00021;
constexpr TCopyMode cmPatInvert = 0x005A0049;
constexpr TCopyMode cmPatPaint = 0x00FB0A09;
constexpr TCopyMode cmSrcAnd = 0x008800C6;
constexpr TCopyMode cmSrcCopy = 0x00CC0020;
constexpr TCopyMode cmSrcErase = 0x00440328;
constexpr TCopyMode cmSrcInvert = 0x00660046;
constexpr TCopyMode cmSrcPaint = 0x00EE0086;
constexpr TCopyMode cmWhiteness = 0x00FF0062;

// Background modes.
enum : int { TRANSPARENT = 1, OPAQUE = 2 };

class TCanvas : public TPersistent {
    VQ_CLASS(TCanvas, TPersistent)
public:
    TCanvas();
    ~TCanvas() override;

    // The painter drawn on; nullptr while detached. Attaching resets the clip region; the
    // painter's own clipping (the paint event's region) always applies as well.
    QPainter* Painter() const { return FPainter; }
    void SetPainter(QPainter* painter);
    // Whether drawing reaches a device (an attached painter, or the bitmap of a bitmap canvas).
    bool HandleAllocated() const;

    TFont* Font() const { return FFont; }
    void SetFont(const TFont* value) { FFont->Assign(value); } // copies
    TPen* Pen() const { return FPen; }
    void SetPen(const TPen* value) { FPen->Assign(value); }
    // Changing the brush also sets the background colour to the brush colour and the
    // background mode to TRANSPARENT for bsClear, OPAQUE otherwise.
    TBrush* Brush() const { return FBrush; }
    void SetBrush(const TBrush* value) { FBrush->Assign(value); }
    TCopyMode CopyMode() const { return FCopyMode; } // cmSrcCopy
    void SetCopyMode(TCopyMode value) { FCopyMode = value; }
    TPoint PenPos() const { return FPenPos; } // (0, 0); moved by MoveTo and LineTo
    void SetPenPos(TPoint value) { FPenPos = value; }

    // Device-context state. Setting the font sets the text colour to the font's colour.
    TColor BkColor() const { return FBkColor; }     // clWhite
    TColor SetBkColor(TColor value);                // returns the previous colour
    TColor TextColor() const { return FTextColor; } // the font colour
    TColor SetTextColor(TColor value);
    int BkMode() const { return FBkMode; } // OPAQUE
    int SetBkMode(int value);
    unsigned TextAlign() const { return FTextAlign; } // TA_LEFT | TA_TOP (0)
    unsigned SetTextAlign(unsigned value);

    // Clipping in device pixels; none set means the whole device.
    bool HasClipRegion() const { return FHasClip; }
    QRegion ClipRegion() const { return FClip; }
    void SetClipRegion(const QRegion& region);
    void ResetClipRegion();
    void IntersectClipRect(const TRect& r);
    void ExcludeClipRect(const TRect& r);
    // The clip region's bounding box, or the device's rectangle when there is no clipping.
    TRect ClipRect() const;

    // Drawing with pen, brush and font.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    void Polygon(const std::vector<TPoint>& points);
    void Polyline(const std::vector<TPoint>& points);
    void FillRect(const TRect& r);  // with the brush, no outline
    void FrameRect(const TRect& r); // a one-pixel frame in the brush
    // The dotted focus frame, by inversion: drawing it again removes it.
    void DrawFocusRect(const TRect& r);
    // Fills r with a solid colour, not touching the brush (system colours resolved).
    void FillRectColor(const TRect& r, TColor color);
    // Text at (x, y), its top-left corner there (the text alignment applies), with an opaque
    // background in the brush colour unless the brush is clear.
    void TextOut(int x, int y, const String& text);
    // Text at (x, y) clipped to r; with an opaque background r is filled first.
    void TextRect(const TRect& r, int x, int y, const String& text);
    int TextWidth(const String& text) const;
    int TextHeight(const String& text) const;
    TSize TextExtent(const String& text) const;

    // Graphics: at their natural size, or stretched into r (icons keep their size).
    void Draw(int x, int y, const TGraphic* graphic);
    void StretchDraw(const TRect& r, const TGraphic* graphic);
    // Copies source's srcRect into dest (stretched when sizes differ) with CopyMode.
    void CopyRect(const TRect& dest, TCanvas* source, const TRect& srcRect);

    // A pixel of the device; clNone outside it or when the device has no readable pixels.
    TColor Pixels(int x, int y) const;
    void SetPixels(int x, int y, TColor color);

    // Fire around every drawing operation (a bitmap's canvas reports changes to its bitmap).
    TNotifyEvent OnChanging;
    TNotifyEvent OnChange;

    // Low-level access for the drawing calls of WinGdi.h.
    // Runs fn with a painter on the device, clipped to the clip region, then restores the
    // painter; does nothing without a device. Changing/Changed fire around it.
    void Paint(const std::function<void(QPainter&)>& fn);
    // The pixels behind the canvas when they can be read and written directly (a bitmap's
    // image, or the raster backing store of a widget) with the transform from canvas to image
    // coordinates; nullptr otherwise.
    QImage* DeviceImage(QTransform* toImage = nullptr) const;
    // A copy of the pixels of r (outside the device: black).
    QImage GrabImage(const TRect& r) const;
    // True for the canvas of a monochrome bitmap: colour sources are converted on transfer.
    virtual bool IsMonochrome() const { return false; }
    // The font the canvas currently draws text with.
    const QFont& QtFont() const { return FFont->Handle(); }
    // The Qt brush the canvas brush paints with (pattern bitmaps and hatches resolved with the
    // current text and background colours); Qt::NoBrush for a clear brush.
    QBrush QtBrush() const;

    void Changing();
    void Changed();

protected:
    // A canvas without an attached painter may paint on an image of its own (a bitmap's).
    virtual QImage* OwnImage() const { return nullptr; }
    // Called after a painter opened on OwnImage() finished, before Changed.
    virtual void ImageModified() {}

private:
    void FontChanged(TObject*);
    void BrushChanged(TObject*);
    void StrokeLine(QPainter& p, int x1, int y1, int x2, int y2);

    QPainter* FPainter = nullptr;
    TFont* FFont;
    TPen* FPen;
    TBrush* FBrush;
    TCopyMode FCopyMode = cmSrcCopy;
    TPoint FPenPos;
    TColor FBkColor = clWhite;
    TColor FTextColor = clWindowText;
    int FBkMode = OPAQUE;
    unsigned FTextAlign = 0;
    bool FHasClip = false;
    QRegion FClip;
};
