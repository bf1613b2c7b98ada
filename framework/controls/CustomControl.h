#pragma once
// TCustomControl: a windowed control that paints itself: a canvas on its window during
// painting, and Paint to override.

#include "framework/controls/WinControl.h"

class TCanvas;

class TCustomControl : public TWinControl {
    VQ_CLASS(TCustomControl, TWinControl)
public:
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;

    // The canvas; it draws on the window only while Paint runs.
    TCanvas* Canvas() const { return FCanvas.get(); }

protected:
    // Paints the control's content; the background has been filled with Color already
    // (unless the control style has csOpaque).
    virtual void Paint() {}
    void PaintWindow(QWidget* widget) override;

private:
    std::unique_ptr<TCanvas> FCanvas;
};
