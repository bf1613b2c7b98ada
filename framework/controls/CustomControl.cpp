#include "framework/controls/CustomControl.h"

#include "framework/graphics/Canvas.h"
#include "framework/graphics/CanvasScope.h"

#include <QWidget>

VQ_PUBLISH(TCustomControl) {
    P.Inherit();
}

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TCanvas>()) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(QWidget* widget) {
    // The canvas draws in client coordinates, inside any non-client border.
    TCanvasScope scope(FCanvas.get(), widget, WidgetClientOffset());
    FCanvas->Font()->Assign(Font());
    FCanvas->Brush()->SetColor(Color());
    Paint();
}
