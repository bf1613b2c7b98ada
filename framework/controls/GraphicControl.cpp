#include "framework/controls/GraphicControl.h"

#include "framework/graphics/Canvas.h"

#include <QPainter>
#include <QWidget>

VQ_PUBLISH(TGraphicControl) {
    P.Inherit();
}

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner), FCanvas(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

bool TGraphicControl::PaintWidget(QWidget* widget, QEvent*) {
    QPainter painter(widget);
    FCanvas->SetPainter(&painter);
    FCanvas->Font()->Assign(Font());
    try {
        Paint();
    } catch (...) {
        FCanvas->SetPainter(nullptr);
        throw;
    }
    FCanvas->SetPainter(nullptr);
    return true;
}
