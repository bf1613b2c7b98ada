#pragma once
// TVQMeter: a windowless gauge showing Value between MinValue and MaxValue as a percentage: a
// solid bar whose percent text inverts its colours at the bar's edge, a row of LED blocks whose
// colours may vary along the row, or an owner-drawn interior. Horizontal meters fill from the
// left, vertical ones from the bottom.
//
// Every change of the meter's own properties and of its font repaints it at once,
// synchronously (through the base's off-screen bitmap, so it does not flicker): a loop that
// moves the value shows each step without returning to the event loop.

#include "components/gfx/VQGraphicControl.h"

class TCanvas;

VQ_ENUM(TVQMeterStyle, uint8_t, vqmsBar, vqmsLED, vqmsOwnerDraw)

// The colour for a percentage: AColor enters as MeterColor, the handler may replace it.
using TVQMSelectColorEvent =
    std::function<void(TObject* VQMeter, uint32_t APercent, TColor& AColor)>;
// Owner drawing: ARect is the inner rectangle; the canvas is clipped to it.
using TVQMDrawMeterEvent =
    std::function<void(TObject* VQMeter, TCanvas* ACanvas, const TRect& ARect)>;

class TVQMeter : public TVQGraphicControl {
    VQ_CLASS(TVQMeter, TVQGraphicControl)
public:
    explicit TVQMeter(TComponent* AOwner);

    // Width 100, Height 21, Color clWhite, ParentColor false.
    // BorderSpace: 0, always stored. BorderStyle: vqbsLowered. Both repaint later (invalidate).
    using TVQGraphicControl::BorderSpace;
    using TVQGraphicControl::BorderStyle;
    using TVQGraphicControl::SetBorderSpace;
    using TVQGraphicControl::SetBorderStyle;

    // MeterColor: clNavy; the bar and block colour unless OnSelectColor changes it.
    TColor MeterColor() const { return FMeterColor; }
    void SetMeterColor(TColor value);
    // MeterStyle: vqmsBar, always stored.
    TVQMeterStyle MeterStyle() const { return FMeterStyle; }
    void SetMeterStyle(TVQMeterStyle value);
    // MaxValue: 100; MinValue: 0 (always stored). Value is not re-clamped when they change.
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int value);
    int MinValue() const { return FMinValue; }
    void SetMinValue(int value);
    // Orientation: vqoHorizontal, always stored.
    TVQOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TVQOrientation value);
    // ShowText: true; the bar style's percent text.
    bool ShowText() const { return FShowText; }
    void SetShowText(bool value);
    // UseFontColor: false (always stored); text in Font.Color instead of the inverting colours.
    bool UseFontColor() const { return FUseFontColor; }
    void SetUseFontColor(bool value);
    // Value: 0, always stored. A value different from the stored one (compared before
    // clamping) is limited to MaxValue, then raised to MinValue, and repaints at once.
    int Value() const { return FValue; }
    void SetValue(int value);
    // Percent: (Value - MinValue) * 100 / (MaxValue - MinValue) rounded (0 for equal bounds),
    // not clamped; never stored. Writing p sets Value to (MaxValue - MinValue) * p / 100
    // rounded, plus MinValue.
    int Percent() const;
    void SetPercent(int value);

    TVQMSelectColorEvent OnSelectColor; // at every paint: for Percent, and for each LED block
    TVQMDrawMeterEvent OnDrawMeter;     // vqmsOwnerDraw paints: the interior is the handler's

protected:
    // A progress bar over Value, MinValue and MaxValue.
    TAccRole AccRole() const override { return arProgressBar; }
    bool AccValue(TAccValue& v) const override;
    void Paint() override;
    void FontChanged() override;
    // The colour for a percentage: MeterColor, or what OnSelectColor makes of it.
    virtual TColor SelectColor(uint32_t APercent);
    virtual void DrawBar(TCanvas* ACanvas, const TRect& R, bool AShowText, int APercent);
    virtual void DrawLED(TCanvas* ACanvas, const TRect& R, int APercent);

private:
    TColor FMeterColor = clNavy;
    TVQMeterStyle FMeterStyle = vqmsBar;
    int FMaxValue = 100;
    int FMinValue = 0;
    TVQOrientation FOrientation = vqoHorizontal;
    bool FShowText = true;
    bool FUseFontColor = false;
    int FValue = 0;
};
