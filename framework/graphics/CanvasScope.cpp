#include "framework/graphics/CanvasScope.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"

#include <QPainter>
#include <QWidget>

TCanvasScope::TCanvasScope(TCanvas* canvas, QPainter* painter) : FCanvas(canvas) {
    FCanvas->SetPainter(painter);
}

TCanvasScope::TCanvasScope(TCanvas* canvas, QWidget* widget, TPoint origin)
    : TCanvasScope(canvas, static_cast<QPaintDevice*>(widget), origin) {}

TCanvasScope::TCanvasScope(TCanvas* canvas, QPaintDevice* device, TPoint origin)
    : FCanvas(canvas), FPainter(std::make_unique<QPainter>(device)) {
    if (origin.X || origin.Y) FPainter->translate(origin.X, origin.Y);
    FCanvas->SetPainter(FPainter.get());
}

TCanvasScope::TCanvasScope(TCanvas* canvas, TBitmap* bitmap)
    : FCanvas(canvas), FPainter(std::make_unique<QPainter>(&bitmap->Pixels())) {
    FCanvas->SetPainter(FPainter.get());
}

TCanvasScope::~TCanvasScope() {
    FCanvas->SetPainter(nullptr);
}
