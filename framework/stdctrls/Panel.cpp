#include "framework/stdctrls/Panel.h"

#include "framework/controls/PopupMenu.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/CanvasScope.h"
#include "framework/graphics/WinGdi.h"

#include <QWidget>

VQ_PUBLISH(TPanel) {
    P.Inherit();
    P.Property("Align", &TPanel::Align, &TPanel::SetAlign).Default(alNone);
    P.Property("Alignment", &TPanel::Alignment, &TPanel::SetAlignment).Default(taCenter);
    P.Property("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner).Default(bvNone);
    P.Property("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter).Default(bvRaised);
    P.Property("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth).Default(1);
    P.Property("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth).Default(0);
    P.Property("BorderStyle", &TPanel::BorderStyle, &TPanel::SetBorderStyle)
        .Default(bsNone)
        .Info()
        .Enum = BorderStyleInfo();
    P.Property("Caption", &TPanel::Caption, &TPanel::SetCaption);
    P.Property("Color", &TPanel::Color, &TPanel::SetColor)
        .Default(clBtnFace)
        .Stored(TStoredFn(&TControl::IsColorStored));
    P.Property("Ctl3D", &TPanel::Ctl3D, &TPanel::SetCtl3D)
        .Stored(TStoredFn(&TWinControl::IsCtl3DStored));
    P.Property("DragCursor", &TPanel::DragCursor, &TPanel::SetDragCursor)
        .Default(crDrag)
        .Idents(CursorIdents());
    P.Property("DragMode", &TPanel::DragMode, &TPanel::SetDragMode).Default(dmManual);
    P.Property("Enabled", &TPanel::Enabled, &TPanel::SetEnabled).Default(true);
    P.Property("Font", &TPanel::Font, &TPanel::SetFont).Stored(TStoredFn(&TControl::IsFontStored));
    P.Property("ParentColor", &TPanel::ParentColor, &TPanel::SetParentColor).Default(false);
    P.Property("ParentCtl3D", &TPanel::ParentCtl3D, &TPanel::SetParentCtl3D).Default(true);
    P.Property("ParentFont", &TPanel::ParentFont, &TPanel::SetParentFont).Default(true);
    P.Property("ParentShowHint", &TPanel::ParentShowHint, &TPanel::SetParentShowHint).Default(true);
    P.Property("PopupMenu", &TPanel::PopupMenu, &TPanel::SetPopupMenu);
    P.Property("ShowHint", &TPanel::ShowHint, &TPanel::SetShowHint)
        .Stored(TStoredFn(&TControl::IsShowHintStored));
    P.Property("TabOrder", &TPanel::TabOrder, &TPanel::SetTabOrder).Default(-1);
    P.Property("TabStop", &TPanel::TabStop, &TPanel::SetTabStop).Default(false);
    P.Property("Visible", &TPanel::Visible, &TPanel::SetVisible).Default(true);
    P.Event("OnClick", &TPanel::OnClick, "TNotifyEvent");
    P.Event("OnDblClick", &TPanel::OnDblClick, "TNotifyEvent");
    P.Event("OnDragDrop", &TPanel::OnDragDrop, "TDragDropEvent");
    P.Event("OnDragOver", &TPanel::OnDragOver, "TDragOverEvent");
    P.Event("OnEndDrag", &TPanel::OnEndDrag, "TEndDragEvent");
    P.Event("OnEnter", &TPanel::OnEnter, "TNotifyEvent");
    P.Event("OnExit", &TPanel::OnExit, "TNotifyEvent");
    P.Event("OnMouseDown", &TPanel::OnMouseDown, "TMouseEvent");
    P.Event("OnMouseMove", &TPanel::OnMouseMove, "TMouseMoveEvent");
    P.Event("OnMouseUp", &TPanel::OnMouseUp, "TMouseEvent");
    P.Event("OnResize", &TPanel::OnResize, "TNotifyEvent");
    P.Event("OnStartDrag", &TPanel::OnStartDrag, "TStartDragEvent");
}

namespace {

// Lines of width pixels along the sides of r, top and left in one colour, bottom and right in
// the other; r shrinks by width.
void Frame3D(TCanvas* canvas, TRect& r, TColor topColor, TColor bottomColor, int width) {
    for (int i = 0; i < width && r.Width() > 0 && r.Height() > 0; ++i) {
        FillRect(canvas, Rect(r.Left, r.Top, r.Right - 1, r.Top + 1), topColor);
        FillRect(canvas, Rect(r.Left, r.Top, r.Left + 1, r.Bottom - 1), topColor);
        FillRect(canvas, Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), bottomColor);
        FillRect(canvas, Rect(r.Right - 1, r.Top, r.Right, r.Bottom), bottomColor);
        r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    }
}

void BevelColors(TBevelCut cut, TColor& top, TColor& bottom) {
    top = cut == bvLowered ? clBtnShadow : clBtnHighlight;
    bottom = cut == bvLowered ? clBtnHighlight : clBtnShadow;
}

} // namespace

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                                  csOpaque,          csDoubleClicks, csReplicatable};
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
    SetParentColor(false);
}

TRect TPanel::BorderInsets() const {
    if (FBorderStyle != bsSingle) return TRect{};
    const int w = Ctl3D() ? 2 : 1;
    return TRect{w, w, w, w};
}

void TPanel::AdjustClientRect(TRect& r) const {
    int inset = FBorderWidth;
    if (FBevelOuter != bvNone) inset += FBevelWidth;
    if (FBevelInner != bvNone) inset += FBevelWidth;
    r = Rect(r.Left + inset, r.Top + inset, r.Right - inset, r.Bottom - inset);
}

void TPanel::FrameChanged() {
    // The client origin may have moved: the children's windows follow, then the layout.
    ClientOriginChanged();
    Realign();
    Invalidate();
}

void TPanel::SetAlignment(TAlignment value) {
    if (FAlignment == value) return;
    FAlignment = value;
    Invalidate();
}

void TPanel::SetBevelInner(TBevelCut value) {
    if (FBevelInner == value) return;
    FBevelInner = value;
    FrameChanged();
}

void TPanel::SetBevelOuter(TBevelCut value) {
    if (FBevelOuter == value) return;
    FBevelOuter = value;
    FrameChanged();
}

void TPanel::SetBevelWidth(int value) {
    if (value < 1) value = 1;
    if (FBevelWidth == value) return;
    FBevelWidth = value;
    FrameChanged();
}

void TPanel::SetBorderWidth(int value) {
    if (value < 0) value = 0;
    if (FBorderWidth == value) return;
    FBorderWidth = value;
    FrameChanged();
}

void TPanel::SetBorderStyle(TBorderStyle value) {
    if (value > bsSingle) value = bsSingle;
    if (FBorderStyle == value) return;
    FBorderStyle = value;
    FrameChanged();
}

void TPanel::Ctl3DChanged() {
    TCustomControl::Ctl3DChanged();
    if (FBorderStyle == bsSingle) FrameChanged();
}

void TPanel::TextChanged() {
    Invalidate();
}

bool TPanel::PaintWidget(QWidget* widget, QEvent* event) {
    TCustomControl::PaintWidget(widget, event);
    if (FBorderStyle == bsSingle) {
        // The window border lies outside the client area.
        TCanvas canvas;
        TCanvasScope scope(&canvas, widget);
        TRect r = Rect(0, 0, Width(), Height());
        if (Ctl3D())
            DrawEdge(&canvas, r, EDGE_SUNKEN, BF_RECT);
        else
            FrameRect(&canvas, r, clWindowFrame);
    }
    return true;
}

void TPanel::Paint() {
    TCanvas* canvas = Canvas();
    TRect r = ClientRect();
    TColor top, bottom;
    if (FBevelOuter != bvNone) {
        BevelColors(FBevelOuter, top, bottom);
        Frame3D(canvas, r, top, bottom, FBevelWidth);
    }
    Frame3D(canvas, r, Color(), Color(), FBorderWidth);
    if (FBevelInner != bvNone) {
        BevelColors(FBevelInner, top, bottom);
        Frame3D(canvas, r, top, bottom, FBevelWidth);
    }
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(r);
    if (Caption().isEmpty()) return;
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->Assign(Font());
    canvas->SetTextColor(Font()->Color());
    const int h = canvas->TextHeight(QStringLiteral("W"));
    r.Top = (r.Bottom + r.Top - h) / 2;
    r.Bottom = r.Top + h;
    unsigned flags = DT_EXPANDTABS | DT_VCENTER | DT_SINGLELINE;
    if (FAlignment == taRightJustify) flags |= DT_RIGHT;
    if (FAlignment == taCenter) flags |= DT_CENTER;
    DrawText(canvas, Caption(), r, flags);
}
