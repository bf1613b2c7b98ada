#include "framework/stdctrls/BitBtn.h"

#include "framework/graphics/Canvas.h"
#include "framework/graphics/WinGdi.h"

#include <QWidget>

VQ_PUBLISH(TBitBtn) {
    using C = TBitBtn;
    P.Inherit();
    P.Property("Glyph", &C::Glyph, &C::SetGlyph);
    P.Property("Layout", &C::Layout, &C::SetLayout).Default(blGlyphLeft);
    P.Property("Margin", &C::Margin, &C::SetMargin).Default(-1);
    P.Property("NumGlyphs", &C::NumGlyphs, &C::SetNumGlyphs).Default(1);
    P.Property("Spacing", &C::Spacing, &C::SetSpacing).Default(4);
}

TBitBtn::TBitBtn(TComponent* AOwner) : TButton(AOwner) {
    SetOwnerDraw(true);
    FGlyph.OnChange = [this] { Invalidate(); };
}

TBitBtn::~TBitBtn() {
    FGlyph.OnChange = nullptr;
}

void TBitBtn::SetLayout(TButtonLayout value) {
    if (FLayout == value) return;
    FLayout = value;
    Invalidate();
}

void TBitBtn::SetMargin(int value) {
    if (value < -1) value = -1;
    if (FMargin == value) return;
    FMargin = value;
    Invalidate();
}

void TBitBtn::SetSpacing(int value) {
    if (value < -1) value = -1;
    if (FSpacing == value) return;
    FSpacing = value;
    Invalidate();
}

void TBitBtn::DrawItem(TCanvas* canvas, const TRect& rect, TOwnerDrawState state) {
    const bool pressed = state.Contains(odSelected);
    const bool isDefault = state.Contains(odFocused) || state.Contains(odDefault);
    TRect r = rect;
    canvas->FillRectColor(r, clBtnFace);
    if (isDefault) {
        // The default (or focused) button has a black frame around its edge.
        FrameRect(canvas, r, clWindowFrame);
        r.Left += 1, r.Top += 1, r.Right -= 1, r.Bottom -= 1;
    }
    TRect face = r;
    DrawFrameControl(canvas, face, DFC_BUTTON,
                     DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pressed ? DFCS_PUSHED : 0u));
    const int shift = pressed ? 1 : 0;
    FGlyph.Draw(canvas, face, TPoint{shift, shift}, Caption(), FLayout, FMargin, FSpacing,
                state.Contains(odDisabled) ? bsDisabled
                : pressed                  ? bsDown
                                           : bsUp);
    if (state.Contains(odFocused)) {
        TRect focus{face.Left + 1, face.Top + 1, face.Right - 1, face.Bottom - 1};
        DrawFocusRect(canvas, focus);
    }
}
