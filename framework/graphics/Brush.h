#pragma once
// TBrush: how a canvas fills areas: a solid colour, a hatch in the brush colour, nothing
// (bsClear), or a pattern bitmap. A monochrome pattern paints its 0 bits in the canvas's text
// colour and its 1 bits in its background colour; a colour pattern paints as it is.

#include "framework/graphics/GraphicsObject.h"

class TBitmap;

VQ_ENUM(TBrushStyle, uint8_t, bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal,
        bsCross, bsDiagCross)

class TBrush : public TGraphicsObject {
    VQ_CLASS(TBrush, TGraphicsObject)
public:
    TBrush() = default;
    void Assign(const TPersistent* Source) override;

    TColor Color() const { return FColor; }      // clWhite; a colour other than clNone makes a
    void SetColor(TColor value);                 // clear brush solid again
    TBrushStyle Style() const { return FStyle; } // bsSolid
    void SetStyle(TBrushStyle value);
    // Pattern bitmap, not owned (the caller keeps it alive while it is set); nullptr: none.
    // While set, the brush paints the pattern whatever its style.
    TBitmap* Bitmap() const { return FBitmap; }
    void SetBitmap(TBitmap* value);

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    TBitmap* FBitmap = nullptr;
};
