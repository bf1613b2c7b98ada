#pragma once
// TBitBtn: a push button that draws a glyph beside or above its caption (TButtonGlyph's rules).

#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/ButtonGlyph.h"

class TBitBtn : public TButton {
    VQ_CLASS(TBitBtn, TButton)
public:
    explicit TBitBtn(TComponent* AOwner);
    ~TBitBtn() override;

    TBitmap* Glyph() const { return FGlyph.Glyph(); }
    void SetGlyph(TBitmap* value) { FGlyph.SetGlyph(value); }
    int NumGlyphs() const { return FGlyph.NumGlyphs(); } // 1
    void SetNumGlyphs(int value) { FGlyph.SetNumGlyphs(value); }
    TButtonLayout Layout() const { return FLayout; } // blGlyphLeft
    void SetLayout(TButtonLayout value);
    int Margin() const { return FMargin; } // -1
    void SetMargin(int value);
    int Spacing() const { return FSpacing; } // 4
    void SetSpacing(int value);

protected:
    void DrawItem(TCanvas* canvas, const TRect& rect, TOwnerDrawState state) override;

private:
    TButtonGlyph FGlyph;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 4;
};
