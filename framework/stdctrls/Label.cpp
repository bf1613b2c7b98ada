#include "framework/stdctrls/Label.h"

#include "framework/controls/PopupMenu.h"
#include "framework/controls/WinControl.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/WinGdi.h"

VQ_PUBLISH(TLabel) {
    P.Inherit();
    P.Property("Align", &TLabel::Align, &TLabel::SetAlign).Default(alNone);
    P.Property("Alignment", &TLabel::Alignment, &TLabel::SetAlignment).Default(taLeftJustify);
    P.Property("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize).Default(true);
    P.Property("Caption", &TLabel::Caption, &TLabel::SetCaption);
    P.Property("Color", &TLabel::Color, &TLabel::SetColor)
        .Stored(TStoredFn(&TControl::IsColorStored));
    P.Property("DragCursor", &TLabel::DragCursor, &TLabel::SetDragCursor)
        .Default(crDrag)
        .Idents(CursorIdents());
    P.Property("DragMode", &TLabel::DragMode, &TLabel::SetDragMode).Default(dmManual);
    P.Property("Enabled", &TLabel::Enabled, &TLabel::SetEnabled).Default(true);
    P.Property("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl);
    P.Property("Font", &TLabel::Font, &TLabel::SetFont).Stored(TStoredFn(&TControl::IsFontStored));
    P.Property("Layout", &TLabel::Layout, &TLabel::SetLayout).Default(tlTop);
    P.Property("ParentColor", &TLabel::ParentColor, &TLabel::SetParentColor).Default(true);
    P.Property("ParentFont", &TLabel::ParentFont, &TLabel::SetParentFont).Default(true);
    P.Property("ParentShowHint", &TLabel::ParentShowHint, &TLabel::SetParentShowHint).Default(true);
    P.Property("PopupMenu", &TLabel::PopupMenu, &TLabel::SetPopupMenu);
    P.Property("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar).Default(true);
    P.Property("ShowHint", &TLabel::ShowHint, &TLabel::SetShowHint)
        .Stored(TStoredFn(&TControl::IsShowHintStored));
    P.Property("Transparent", &TLabel::Transparent, &TLabel::SetTransparent).Default(false);
    P.Property("Visible", &TLabel::Visible, &TLabel::SetVisible).Default(true);
    P.Property("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap).Default(false);
    P.Event("OnClick", &TLabel::OnClick, "TNotifyEvent");
    P.Event("OnDblClick", &TLabel::OnDblClick, "TNotifyEvent");
    P.Event("OnDragDrop", &TLabel::OnDragDrop, "TDragDropEvent");
    P.Event("OnDragOver", &TLabel::OnDragOver, "TDragOverEvent");
    P.Event("OnEndDrag", &TLabel::OnEndDrag, "TEndDragEvent");
    P.Event("OnMouseDown", &TLabel::OnMouseDown, "TMouseEvent");
    P.Event("OnMouseMove", &TLabel::OnMouseMove, "TMouseMoveEvent");
    P.Event("OnMouseUp", &TLabel::OnMouseUp, "TMouseEvent");
    P.Event("OnStartDrag", &TLabel::OnStartDrag, "TStartDragEvent");
}

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    FControlStyle += TControlStyle{csOpaque, csReplicatable};
    SetBounds(0, 0, 65, 17);
}

unsigned TLabel::DrawTextFlags() const {
    unsigned flags = DT_EXPANDTABS;
    if (FWordWrap) flags |= DT_WORDBREAK;
    if (!FShowAccelChar) flags |= DT_NOPREFIX;
    if (FAlignment == taRightJustify) flags |= DT_RIGHT;
    if (FAlignment == taCenter) flags |= DT_CENTER;
    return flags;
}

void TLabel::AdjustBounds() {
    if (!FAutoSize || Loading()) return;
    // Without a window nothing shows the size before it is read or the window is made: it is
    // measured then, and a label of a window not shown yet opens no font at start.
    if (!HandleAllocated()) {
        SetSizePending();
        return;
    }
    Measure();
}

void TLabel::SettlePendingSize() {
    if (FAutoSize && !Loading()) Measure();
}

void TLabel::Measure() {
    String text = Caption();
    // An empty caption (or a lone accelerator mark) still has the height of one line.
    if (text.isEmpty() || (FShowAccelChar && text == QStringLiteral("&"))) text += u' ';
    TBitmap measure(1, 1);
    TCanvas* canvas = measure.Canvas();
    canvas->Font()->Assign(Font());
    TRect r = Rect(0, 0, Width(), Height());
    DrawText(canvas, text, r, (DrawTextFlags() & ~(DT_RIGHT | DT_CENTER)) | DT_CALCRECT);
    int x = Left();
    if (FAlignment == taRightJustify) x += Width() - r.Right;
    SetBounds(x, Top(), r.Right, r.Bottom);
}

void TLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TLabel::TextChanged() {
    Invalidate();
    AdjustBounds();
}

void TLabel::FontChanged() {
    TGraphicControl::FontChanged();
    AdjustBounds();
}

void TLabel::SetAlignment(TAlignment value) {
    if (FAlignment == value) return;
    FAlignment = value;
    Invalidate();
}

void TLabel::SetAutoSize(bool value) {
    if (FAutoSize == value) return;
    FAutoSize = value;
    AdjustBounds();
}

void TLabel::SetFocusControl(TWinControl* value) {
    if (FFocusControl == value) return;
    if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = value;
    if (value) value->FreeNotification(this);
}

void TLabel::Notification(TComponent* AComponent, TOperation Operation) {
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TLabel::SetLayout(TTextLayout value) {
    if (FLayout == value) return;
    FLayout = value;
    Invalidate();
}

void TLabel::SetShowAccelChar(bool value) {
    if (FShowAccelChar == value) return;
    FShowAccelChar = value;
    Invalidate();
    AdjustBounds();
}

void TLabel::SetTransparent(bool value) {
    if (FTransparent == value) return;
    FTransparent = value;
    SetControlStyleItem(csOpaque, !value);
    Invalidate();
}

void TLabel::SetWordWrap(bool value) {
    if (FWordWrap == value) return;
    FWordWrap = value;
    Invalidate();
    AdjustBounds();
}

bool TLabel::DoAccelerator(QChar ch) {
    if (!FShowAccelChar || !IsAccel(ch, Caption()) || !FFocusControl || !FFocusControl->CanFocus())
        return false;
    FFocusControl->SetFocus();
    return true;
}

void TLabel::Paint() {
    TCanvas* canvas = Canvas();
    TRect r = ClientRect();
    if (!FTransparent) {
        canvas->Brush()->SetColor(Color());
        canvas->Brush()->SetStyle(bsSolid);
        canvas->FillRect(r);
    }
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->Assign(Font());
    const unsigned flags = DrawTextFlags();
    if (FLayout != tlTop) {
        TRect calc = r;
        DrawText(canvas, Caption(), calc, flags | DT_CALCRECT);
        const int dy = FLayout == tlBottom ? Height() - calc.Bottom : (Height() - calc.Bottom) / 2;
        r.Top += dy;
        r.Bottom += dy;
    }
    if (!Enabled()) {
        // Disabled text: embossed, a highlight line under the shadow-coloured text.
        TRect shifted = Rect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1);
        canvas->SetTextColor(clBtnHighlight);
        DrawText(canvas, Caption(), shifted, flags);
        canvas->SetTextColor(clBtnShadow);
    } else {
        canvas->SetTextColor(Font()->Color());
    }
    DrawText(canvas, Caption(), r, flags);
}
