#pragma once
// The border table: how each TVQBorderStyle is drawn into a rectangle, and how far it moves the
// inner rectangle in on each side.

#include "components/gfx/VQTypes.h"
#include "framework/system/Types.h"

class TCanvas;

// What the table says of one style: the DrawEdge edge kind and sides (both 0 for vqbsNone and
// vqbsSingle, which is a FrameRect), and the inset per side.
struct TVQBorderInfo {
    unsigned Edge = 0;
    unsigned Sides = 0;
    int InsetLeft = 0;
    int InsetTop = 0;
    int InsetRight = 0;
    int InsetBottom = 0;
};
const TVQBorderInfo& VQBorderInfo(TVQBorderStyle style);

// Draws style into r. Only the border lines are painted: r's interior is left as it was.
// vqbsSingle sets the canvas brush colour to clWindowFrame for its frame and leaves it so.
void DrawVQBorder(TCanvas* canvas, const TRect& r, TVQBorderStyle style);
// r moved in by the style's inset on each side.
TRect VQBorderInnerRect(const TRect& r, TVQBorderStyle style);
