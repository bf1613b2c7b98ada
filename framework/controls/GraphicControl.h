#pragma once
// TGraphicControl: a windowless control. Its window is a light, non-focusable child widget of
// the parent's window, stacked below the windowed siblings; it paints on its canvas in Paint.
// Nothing is filled behind it unless Paint does, so the parent shows through.

#include "framework/controls/Control.h"

class TCanvas;

class TGraphicControl : public TControl {
    VQ_CLASS(TGraphicControl, TControl)
public:
    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;

    // The canvas; it draws on the control only while Paint runs.
    TCanvas* Canvas() const { return FCanvas.get(); }

protected:
    virtual void Paint() {}
    bool PaintWidget(QWidget* widget, QEvent* event) override;

private:
    std::unique_ptr<TCanvas> FCanvas;
};
