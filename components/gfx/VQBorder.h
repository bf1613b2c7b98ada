#pragma once
// TVQBorder: a bevel-like windowless control that paints only its background, its border and
// an optional one-line caption. The group style puts the caption on the frame line; the other
// styles centre it vertically inside the border, aligned by Alignment. Paints directly.

#include "components/gfx/VQGraphicControl.h"

class TVQBorder : public TVQGraphicControl {
    VQ_CLASS(TVQBorder, TVQGraphicControl)
public:
    explicit TVQBorder(TComponent* AOwner);

    // Width, Height: 50. A new border takes no caption from its name.
    // BorderStyle: vqbsLowered; a change invalidates.
    using TVQGraphicControl::BorderStyle;
    using TVQGraphicControl::SetBorderStyle;
    // Alignment: taLeftJustify; horizontal place of a non-group caption. A change invalidates.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);

protected:
    void PaintBorder(const TRect& R) override;
    void FontChanged() override;
    void TextChanged() override;

private:
    TAlignment FAlignment = taLeftJustify;
};
