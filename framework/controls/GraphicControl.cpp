#include "framework/controls/GraphicControl.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/CanvasScope.h"

#include <QPainter>
#include <QWidget>

VQ_PUBLISH(TGraphicControl) {
    P.Inherit();
}

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner), FCanvas(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

bool TGraphicControl::PaintWidget(QWidget* widget, QEvent*) {
    TCanvasScope scope(FCanvas.get(), widget);
    FCanvas->Font()->Assign(Font());
    Paint();
    return true;
}

void TGraphicControl::PaintBuffered(QPainter* target, const std::function<void()>& paint) {
    if (!target || Width() <= 0 || Height() <= 0) return;
    if (!FBuffer) FBuffer = std::make_unique<TBitmap>();
    const QPaintDevice* device = target->device();
    FBuffer->SetDevicePixelRatio(device ? device->devicePixelRatio() : 1.0);
    FBuffer->SetSize(Width(), Height());
    {
        TCanvasScope scope(FCanvas.get(), FBuffer.get());
        paint();
    }
    // At the buffer's ratio, so a buffer of the target's ratio lands pixel for pixel.
    target->drawImage(QPointF(0, 0), FBuffer->Image());
}
