#include "framework/stdctrls/SpeedButton.h"

#include "framework/controls/PopupMenu.h"
#include "framework/controls/WinControl.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/WinGdi.h"

VQ_PUBLISH(TSpeedButton) {
    using C = TSpeedButton;
    P.Inherit();
    P.Property("AllowAllUp", &C::AllowAllUp, &C::SetAllowAllUp).Default(false);
    P.Property("GroupIndex", &C::GroupIndex, &C::SetGroupIndex).Default(0);
    P.Property("Down", &C::Down, &C::SetDown).Default(false);
    P.Property("Caption", &C::Caption, &C::SetCaption);
    P.Property("Enabled", &C::Enabled, &C::SetEnabled).Default(true);
    P.Property("Flat", &C::Flat, &C::SetFlat).Default(false);
    P.Property("Font", &C::Font, &C::SetFont).Stored(TStoredFn(&TControl::IsFontStored));
    P.Property("Glyph", &C::Glyph, &C::SetGlyph);
    P.Property("Layout", &C::Layout, &C::SetLayout).Default(blGlyphLeft);
    P.Property("Margin", &C::Margin, &C::SetMargin).Default(-1);
    P.Property("NumGlyphs", &C::NumGlyphs, &C::SetNumGlyphs).Default(1);
    P.Property("ParentFont", &C::ParentFont, &C::SetParentFont).Default(true);
    P.Property("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint).Default(true);
    P.Property("PopupMenu", &C::PopupMenu, &C::SetPopupMenu);
    P.Property("ShowHint", &C::ShowHint, &C::SetShowHint)
        .Stored(TStoredFn(&TControl::IsShowHintStored));
    P.Property("Spacing", &C::Spacing, &C::SetSpacing).Default(4);
    P.Property("Visible", &C::Visible, &C::SetVisible).Default(true);
    P.Event("OnClick", &C::OnClick, "TNotifyEvent");
    P.Event("OnDblClick", &C::OnDblClick, "TNotifyEvent");
    P.Event("OnMouseDown", &C::OnMouseDown, "TMouseEvent");
    P.Event("OnMouseMove", &C::OnMouseMove, "TMouseMoveEvent");
    P.Event("OnMouseUp", &C::OnMouseUp, "TMouseEvent");
}

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner) {
    FControlStyle = TControlStyle{csCaptureMouse, csDoubleClicks};
    SetBounds(0, 0, 23, 22);
    FGlyph.OnChange = [this] { Invalidate(); };
}

TSpeedButton::~TSpeedButton() {
    FGlyph.OnChange = nullptr;
}

void TSpeedButton::SetAllowAllUp(bool value) {
    if (FAllowAllUp == value) return;
    FAllowAllUp = value;
    UpdateExclusive();
}

void TSpeedButton::SetGroupIndex(int value) {
    if (FGroupIndex == value) return;
    FGroupIndex = value;
    if (FGroupIndex == 0) SetDown(false);
    UpdateExclusive();
}

void TSpeedButton::SetDown(bool value) {
    if (FGroupIndex == 0) value = false;
    if (FDown == value) return;
    // The last button of a group that must keep one down stays down.
    if (FDown && !FAllowAllUp) return;
    FDown = value;
    FState = value ? bsExclusive : bsUp;
    Invalidate();
    if (value) UpdateExclusive();
}

void TSpeedButton::UpdateExclusive() {
    TWinControl* parent = Parent();
    if (!parent || FGroupIndex == 0) return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* other = dynamic_cast<TSpeedButton*>(parent->Controls(i));
        if (!other || other == this || other->FGroupIndex != FGroupIndex) continue;
        if (FDown && other->FDown) {
            other->FDown = false;
            other->FState = bsUp;
            other->Invalidate();
        }
        other->FAllowAllUp = FAllowAllUp;
    }
}

void TSpeedButton::SetFlat(bool value) {
    if (FFlat == value) return;
    FFlat = value;
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout value) {
    if (FLayout == value) return;
    FLayout = value;
    Invalidate();
}

void TSpeedButton::SetMargin(int value) {
    if (value < -1) value = -1;
    if (FMargin == value) return;
    FMargin = value;
    Invalidate();
}

void TSpeedButton::SetSpacing(int value) {
    if (value < -1) value = -1;
    if (FSpacing == value) return;
    FSpacing = value;
    Invalidate();
}

void TSpeedButton::TextChanged() {
    Invalidate();
}

void TSpeedButton::EnabledChanged() {
    FState = Enabled() ? (FDown ? bsExclusive : bsUp) : bsDisabled;
    TGraphicControl::EnabledChanged();
    Invalidate();
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    if (!FDown) {
        FState = bsDown;
        Invalidate();
    }
    FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FDragging) return;
    // Dragging off the button lets it up; back on, it is pressed again.
    const bool inside = X >= 0 && Y >= 0 && X < Width() && Y < Height();
    const TButtonState state = FDown ? bsExclusive : inside ? bsDown : bsUp;
    if (state != FState) {
        FState = state;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    auto life = LifeToken();
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!life.Alive() || Button != mbLeft || !FDragging) return;
    FDragging = false;
    const bool inside = X >= 0 && Y >= 0 && X < Width() && Y < Height();
    if (FGroupIndex == 0) {
        FState = bsUp;
        Invalidate();
    } else if (inside) {
        SetDown(!FDown);
        if (!FDown) FState = bsUp;
    } else {
        FState = FDown ? bsExclusive : bsUp;
        Invalidate();
    }
    if (inside) Click();
}

void TSpeedButton::MouseEnter() {
    FMouseInControl = true;
    if (FFlat && Enabled()) Invalidate();
}

void TSpeedButton::MouseLeave() {
    FMouseInControl = false;
    if (FFlat && Enabled()) Invalidate();
}

void TSpeedButton::Paint() {
    TCanvas* canvas = Canvas();
    TRect rect{0, 0, Width(), Height()};
    const TButtonState state = Enabled() ? FState : bsDisabled;
    const bool sunken = state == bsDown || state == bsExclusive;
    canvas->FillRectColor(rect, clBtnFace);
    if (!FFlat) {
        TRect face = rect;
        DrawFrameControl(canvas, face, DFC_BUTTON, DFCS_BUTTONPUSH | (sunken ? DFCS_PUSHED : 0u));
    } else if (sunken || (FMouseInControl && Enabled())) {
        TRect edge = rect;
        DrawEdge(canvas, edge, sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
    if (state == bsExclusive && !FFlat) {
        // A button that stays down shows a lighter face.
        TRect face{2, 2, Width() - 2, Height() - 2};
        canvas->FillRectColor(face, clBtnHighlight);
    }
    canvas->Font()->Assign(Font());
    const int shift = sunken ? 1 : 0;
    FGlyph.Draw(canvas, TRect{0, 0, Width(), Height()}, TPoint{shift, shift}, Caption(), FLayout,
                FMargin, FSpacing, state);
}

TAccStates TSpeedButton::AccStates() const {
    TAccStates s;
    if (FGroupIndex != 0) s.Include(asCheckable);
    if (FDown) s.Include(FGroupIndex != 0 ? asChecked : asPressed);
    return s;
}
