#pragma once
// TCanvasScope: attaches a canvas to a painter for the length of a scope and detaches it on every
// way out, a failing paint included. Every paint path draws through one: on the painter of a
// paint event, on a painter the scope opens on a widget, or on the pixels of a bitmap (one
// painter for the whole scope, instead of one per drawing call).

#include "framework/system/Types.h"

#include <memory>

class QPaintDevice;
class QPainter;
class QWidget;
class TBitmap;
class TCanvas;

class TCanvasScope {
public:
    // On a painter the caller keeps active.
    TCanvasScope(TCanvas* canvas, QPainter* painter);
    // On a painter of its own on a widget, its origin moved to origin (a client area inside a
    // non-client border).
    TCanvasScope(TCanvas* canvas, QWidget* widget, TPoint origin = TPoint{});
    // The same on any other paint device (a recorded picture, an image).
    TCanvasScope(TCanvas* canvas, QPaintDevice* device, TPoint origin = TPoint{});
    // On a painter of its own on the bitmap's pixels, in the bitmap's logical coordinates.
    TCanvasScope(TCanvas* canvas, TBitmap* bitmap);
    ~TCanvasScope();
    TCanvasScope(const TCanvasScope&) = delete;
    TCanvasScope& operator=(const TCanvasScope&) = delete;

private:
    TCanvas* FCanvas;
    std::unique_ptr<QPainter> FPainter;
};
