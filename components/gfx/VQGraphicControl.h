#pragma once
// TVQGraphicControl: the base of the library's windowless controls (border, meter, image,
// animated image). It adds a border of the border table, a gap between the control's edge and
// the content (BorderSpace), the inner rectangle left for the content, and a painting sequence
// that can run through an off-screen bitmap so that immediate repaints do not flicker.
//
// Painting: background (Color), PaintBorder on the whole control, then the clip is narrowed to
// GetInnerRect and Paint draws the content. Borders and captions are therefore never clipped by
// the inner rectangle; everything Paint draws is.

#include "components/gfx/VQTypes.h"
#include "framework/controls/GraphicControl.h"

class QPainter;

class TVQGraphicControl : public TGraphicControl {
    VQ_CLASS(TVQGraphicControl, TGraphicControl)
public:
    explicit TVQGraphicControl(TComponent* AOwner);
    ~TVQGraphicControl() override;

    // The client rectangle less BorderSpace on every side, less the border's inset.
    TRect GetInnerRect() const;

    // The paint request: paints the whole control on DC with its origin at (0, 0). Nothing
    // happens without a DC. The control's widget paints through here.
    void PaintRequest(QPainter* DC);

    // About: 0; design-time pseudo-property, published and never stored; nothing reads it.
    TVQAboutType FAbout = 0;

protected:
    // A graphic named by its caption, or by its hint when it has none.
    String AccName() const override;
    // BorderSpace: 0; pixels between the control's edge and the content on all four sides
    // (the border stays at the edge). A change calls BorderChanged.
    uint32_t BorderSpace() const { return FBorderSpace; }
    void SetBorderSpace(uint32_t value);
    // BorderStyle: vqbsLowered; a change calls BorderChanged.
    TVQBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TVQBorderStyle value);
    // Buffered: true; paint through an off-screen bitmap filled with Color first. A change
    // invalidates.
    bool Buffered() const { return FBuffered; }
    void SetBuffered(bool value);

    // Draws the border of BorderStyle into R on the canvas.
    virtual void PaintBorder(const TRect& R);
    // After BorderStyle or BorderSpace changed; invalidates.
    virtual void BorderChanged();

    // At design time, with vqbsNone, a dashed inverting outline of the whole control, so an
    // empty borderless control stays visible in a designer.
    void PaintDesignOutline();

    bool PaintWidget(QWidget* widget, QEvent* event) override;

private:
    uint32_t FBorderSpace = 0;
    TVQBorderStyle FBorderStyle = vqbsLowered;
    bool FBuffered = true;
};
