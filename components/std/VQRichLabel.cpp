#include "components/std/VQRichLabel.h"

#include "framework/system/ScopedChange.h"

VQ_PUBLISH(TVQRichLabel) {
    using C = TVQRichLabel;
    P.Inherit();
    // From the edit class underneath; the constructor turns the tab stop off.
    P.Property("TabOrder", &C::TabOrder, &C::SetTabOrder).Default(-1);
    P.Property("TabStop", &C::TabStop, &C::SetTabStop).Default(true);
    P.Property("Align", &C::Align, &C::SetAlign).Default(alNone);
    P.Property("AutoSize", &C::AutoSize, &C::SetAutoSize).Default(true);
    P.Property("Color", &C::Color, &C::SetColor)
        .Default(clWindow)
        .Stored(TStoredFn(&TControl::IsColorStored));
    // Declared default false while the constructor sets it: descriptions store it.
    P.Property("ParentColor", &C::ParentColor, &C::SetParentColor).Default(false);
    P.Property("Visible", &C::Visible, &C::SetVisible).Default(true);
    P.Property("RichText", &C::RichText, &C::SetRichText);
    P.Property("WordWrap", &C::WordWrap, &C::SetWordWrap).Default(true);
}

TVQRichLabel::TVQRichLabel(TComponent* AOwner) : TVQCustomRichEdit(AOwner) {
    SetBorderStyle(bsNone);
    SetParentColor(true);
    SetEnabled(false);
    SetTabStop(false);
    FAutoSize = true;
    OnResizeRequest = TAutoSizer{this};
    FControlStyle.Exclude(csClickEvents);
}

void TVQRichLabel::SetAutoSize(bool value) {
    if (FAutoSize == value) return;
    FAutoSize = value;
    if (value) RequestContentSize();
}

void TVQRichLabel::WindowPosChanged() {
    TVQCustomRichEdit::WindowPosChanged();
    if (FAutoSize) RequestContentSize();
}

void TVQRichLabel::RequestContentSize() {
    if (FAutoSize && !HandleAllocated() && OnResizeRequest.target<TAutoSizer>()) {
        SetSizePending();
        return;
    }
    TVQCustomRichEdit::RequestContentSize();
}

void TVQRichLabel::SettlePendingSize() {
    if (FAutoSize) RequestSize();
}

void TVQRichLabel::ResizeRequest(const TRect& R) {
    if (!FAutoSize) return;
    // The bounds change below would request another resize.
    TScopedChange autoSize(FAutoSize, false);
    // The request is in the parent's coordinates; the text area is the label's own.
    SetFormattingRect(Rect(0, 0, R.Width(), R.Height()));
    SetBounds(R.Left, R.Top, R.Width(), R.Height());
}
