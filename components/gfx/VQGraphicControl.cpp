#include "components/gfx/VQGraphicControl.h"

#include "components/gfx/VQBorderPainting.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

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
    UpdateOpaquePaint();
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

void TVQGraphicControl::CreateWnd() {
    TGraphicControl::CreateWnd();
    UpdateOpaquePaint();
}

void TVQGraphicControl::UpdateOpaquePaint() {
    // A buffered control covers every pixel, so Qt need not paint what lies behind it first;
    // that keeps the immediate repaints of meters and animations to the control alone.
    if (QWidget* w = Widget()) w->setAttribute(Qt::WA_OpaquePaintEvent, FBuffered);
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
    QPainter painter(widget);
    PaintRequest(&painter);
    return true;
}

void TVQGraphicControl::PaintRequest(QPainter* DC) {
    if (!DC) return;
    TCanvas* canvas = Canvas();
    const TRect full{0, 0, Width(), Height()};
    // The canvas is detached on every way out, a failing Paint included.
    struct TDetach {
        TCanvas* Canvas;
        ~TDetach() { Canvas->SetPainter(nullptr); }
    };

    if (FBuffered) {
        if (Width() <= 0 || Height() <= 0) return;
        QImage buffer(Width(), Height(), QImage::Format_RGB32);
        {
            QPainter bp(&buffer);
            TDetach detach{canvas};
            canvas->SetPainter(&bp);
            canvas->Font()->Assign(Font());
            canvas->Brush()->SetColor(Color());
            canvas->FillRect(full);
            PaintBorder(full);
            canvas->IntersectClipRect(GetInnerRect());
            Paint();
        }
        DC->drawImage(0, 0, buffer);
        return;
    }

    TDetach detach{canvas};
    canvas->SetPainter(DC);
    canvas->Font()->Assign(Font());
    if (FControlStyle.Contains(csOpaque) && Color() != clNone) {
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(full);
    }
    PaintBorder(full);
    canvas->IntersectClipRect(GetInnerRect());
    Paint();
}
