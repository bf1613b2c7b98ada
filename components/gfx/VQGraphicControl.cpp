#include "components/gfx/VQGraphicControl.h"

#include "components/gfx/VQBorderPainting.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/CanvasScope.h"
#include "framework/graphics/Font.h"

VQ_PUBLISH(TVQGraphicControl) {
    P.Inherit();
    P.Field("About", &TVQGraphicControl::FAbout).Stored(false);
}

TVQGraphicControl::TVQGraphicControl(TComponent* AOwner) : TGraphicControl(AOwner) {
    FControlStyle.Include(csOpaque);
}

TVQGraphicControl::~TVQGraphicControl() = default;

void TVQGraphicControl::SetBorderSpace(uint32_t value) {
    if (FBorderSpace == value) return;
    FBorderSpace = value;
    BorderChanged();
}

void TVQGraphicControl::SetBorderStyle(TVQBorderStyle value) {
    if (FBorderStyle == value) return;
    FBorderStyle = value;
    BorderChanged();
}

void TVQGraphicControl::SetBuffered(bool value) {
    if (FBuffered == value) return;
    FBuffered = value;
    // A buffered control covers every pixel, so nothing need be painted behind it first; that
    // keeps the immediate repaints of meters and animations to the control alone.
    SetControlStyleItem(csOpaque, value);
    Invalidate();
}

void TVQGraphicControl::BorderChanged() {
    Invalidate();
}

TRect TVQGraphicControl::GetInnerRect() const {
    const int space = int(FBorderSpace);
    const TRect r{space, space, Width() - space, Height() - space};
    return VQBorderInnerRect(r, FBorderStyle);
}

void TVQGraphicControl::PaintBorder(const TRect& R) {
    DrawVQBorder(Canvas(), R, FBorderStyle);
}

void TVQGraphicControl::PaintDesignOutline() {
    if (!ComponentState().Contains(csDesigning) || FBorderStyle != vqbsNone) return;
    TCanvas* canvas = Canvas();
    const TPenMode mode = canvas->Pen()->Mode();
    const TPenStyle penStyle = canvas->Pen()->Style();
    const TBrushStyle brushStyle = canvas->Brush()->Style();
    canvas->Pen()->SetStyle(psDash);
    canvas->Pen()->SetMode(pmNot);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Rectangle(0, 0, Width(), Height());
    canvas->Pen()->SetMode(mode);
    canvas->Pen()->SetStyle(penStyle);
    canvas->Brush()->SetStyle(brushStyle);
}

bool TVQGraphicControl::PaintWidget(QWidget* widget, QEvent*) {
    // The scope's painter on the widget is the request's DC.
    TCanvasScope scope(Canvas(), widget);
    PaintRequest(Canvas()->Painter());
    return true;
}

void TVQGraphicControl::PaintRequest(QPainter* DC) {
    if (!DC) return;
    const TRect full{0, 0, Width(), Height()};
    if (FBuffered) {
        PaintBuffered(DC, [&] {
            TCanvas* canvas = Canvas();
            canvas->Font()->Assign(Font());
            canvas->Brush()->SetColor(Color());
            canvas->FillRect(full);
            PaintBorder(full);
            canvas->IntersectClipRect(GetInnerRect());
            Paint();
        });
        return;
    }
    TCanvasScope scope(Canvas(), DC);
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(Font());
    if (Color() != clNone) {
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(full);
    }
    PaintBorder(full);
    canvas->IntersectClipRect(GetInnerRect());
    Paint();
}

String TVQGraphicControl::AccName() const {
    const String caption = TControl::AccName();
    return caption.isEmpty() ? TControl::AccDescription() : caption;
}
