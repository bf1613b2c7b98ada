#pragma once
// TSpeedButton: a windowless button with a glyph and an optional caption. It never takes the
// focus. A flat button shows its edge only while the mouse is over it. Buttons with the same
// GroupIndex on one parent stay down exclusively.

#include "framework/controls/GraphicControl.h"
#include "framework/stdctrls/ButtonGlyph.h"

class TSpeedButton : public TGraphicControl {
    VQ_CLASS(TSpeedButton, TGraphicControl)
public:
    explicit TSpeedButton(TComponent* AOwner);
    ~TSpeedButton() override;

    // AllowAllUp: false; a grouped button that is down may be clicked up.
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    // GroupIndex: 0 (no group); non-zero makes the button stay down when clicked.
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    // Down: false; only a grouped button stays down.
    bool Down() const { return FDown; }
    void SetDown(bool value);
    // Flat: false.
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
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

    // True while the mouse holds the button pressed.
    bool Pressed() const { return FState == bsDown && !FDown; }

protected:
    TAccRole AccRole() const override { return arPushButton; }
    TAccStates AccStates() const override;
    TAccActions AccActions() const override { return {aaPress}; }
    void AccDoAction(TAccActionItem) override { Click(); }
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void TextChanged() override;
    void EnabledChanged() override;

private:
    void UpdateExclusive();

    TButtonGlyph FGlyph;
    TButtonState FState = bsUp;
    TButtonLayout FLayout = blGlyphLeft;
    int FGroupIndex = 0;
    int FMargin = -1;
    int FSpacing = 4;
    bool FAllowAllUp = false;
    bool FDown = false;
    bool FDragging = false;
    bool FFlat = false;
    bool FMouseInControl = false;
};
