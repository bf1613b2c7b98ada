#pragma once
// TPen: how a canvas draws lines and outlines.

#include "framework/graphics/GraphicsObject.h"

VQ_ENUM(TPenStyle, uint8_t, psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame)
// Combination of the pen colour (P) with the destination (D), as the platform's binary raster
// operations: pmBlack 0, pmWhite 1, pmNop D, pmNot ~D, pmCopy P, pmNotCopy ~P, pmMergePenNot
// P|~D, pmMaskPenNot P&~D, pmMergeNotPen ~P|D, pmMaskNotPen ~P&D, pmMerge P|D, pmNotMerge
// ~(P|D), pmMask P&D, pmNotMask ~(P&D), pmXor P^D, pmNotXor ~(P^D).
VQ_ENUM(TPenMode, uint8_t, pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot,
        pmMaskPenNot, pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor,
        pmNotXor)

class TPen : public TGraphicsObject {
    VQ_CLASS(TPen, TGraphicsObject)
public:
    TPen() = default;
    void Assign(const TPersistent* Source) override;

    TColor Color() const { return FColor; } // clBlack
    void SetColor(TColor value);
    TPenMode Mode() const { return FMode; } // pmCopy
    void SetMode(TPenMode value);
    TPenStyle Style() const { return FStyle; } // psSolid
    void SetStyle(TPenStyle value);
    int Width() const { return FWidth; } // 1; values below 1 draw as 1
    void SetWidth(int value);

private:
    TColor FColor = clBlack;
    TPenMode FMode = pmCopy;
    TPenStyle FStyle = psSolid;
    int FWidth = 1;
};
