#include "framework/controls/CustomControl.h"

#include "framework/graphics/Canvas.h"

#include <QPainter>
#include <QWidget>

VQ_PUBLISH(TCustomControl) {
    P.Inherit();
}

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TCanvas>()) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(QWidget* widget) {
    QPainter painter(widget);
    // The canvas draws in client coordinates, inside any non-client border.
    const TPoint off = WidgetClientOffset();
    painter.translate(off.X, off.Y);
    FCanvas->SetPainter(&painter);
    FCanvas->Font()->Assign(Font());
    FCanvas->Brush()->SetColor(Color());
    try {
        Paint();
    } catch (...) {
        FCanvas->SetPainter(nullptr);
        throw;
    }
    FCanvas->SetPainter(nullptr);
}
