#pragma once
// TGraphicControl: a windowless control. Its window is a light, non-focusable child widget of
// the parent's window, stacked below the windowed siblings; it paints on its canvas in Paint.
// Nothing is filled behind it unless Paint does, so the parent shows through.

#include "framework/controls/Control.h"

#include <functional>

class QPainter;
class TBitmap;
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
    // Buffered painting: runs paint with the canvas on an off-screen bitmap of the control's
    // size, at the device pixel ratio of target's device (coordinates stay logical), then copies
    // the bitmap onto target at (0, 0) in one blit. The bitmap is kept between paints. Such a
    // control covers all its pixels, so it usually has csOpaque as well.
    void PaintBuffered(QPainter* target, const std::function<void()>& paint);

private:
    std::unique_ptr<TCanvas> FCanvas;
    std::unique_ptr<TBitmap> FBuffer;
};
