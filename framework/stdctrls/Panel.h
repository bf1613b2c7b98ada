#pragma once
// TPanel: a container with a caption and bevels: outer bevel, a border of BorderWidth in Color,
// inner bevel, each bevel BevelWidth wide; aligned children are laid out inside all of them.

#include "framework/controls/CustomControl.h"

VQ_ENUM(TBevelCut, uint8_t, bvNone, bvLowered, bvRaised, bvSpace)

class TPanel : public TCustomControl {
    VQ_CLASS(TPanel, TCustomControl)
public:
    explicit TPanel(TComponent* AOwner);

    // Alignment: taCenter; of the caption, which is vertically centred.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    // BevelInner: bvNone. BevelOuter: bvRaised. BevelWidth: 1.
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int value);
    // BorderWidth: 0; pixels in Color between the bevels.
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);
    // BorderStyle: bsNone; bsSingle adds a window border (a sunken edge with Ctl3D).
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);

protected:
    void Paint() override;
    bool PaintWidget(QWidget* widget, QEvent* event) override;
    void AdjustClientRect(TRect& Rect) const override;
    TRect BorderInsets() const override;
    void TextChanged() override;
    void Ctl3DChanged() override;

private:
    void FrameChanged();

    TAlignment FAlignment = taCenter;
    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    TBorderStyle FBorderStyle = bsNone;
};
