#include "components/gfx/VQBorderPainting.h"

#include "framework/graphics/Canvas.h"
#include "framework/graphics/WinGdi.h"

namespace {

// Indexed by TVQBorderStyle.
const TVQBorderInfo kBorders[] = {
    /* vqbsNone      */ {0, 0, 0, 0, 0, 0},
    /* vqbsSingle    */ {0, 0, 1, 1, 1, 1},
    /* vqbsRaised    */ {EDGE_RAISED, BF_RECT, 2, 2, 2, 2},
    /* vqbsLowered   */ {EDGE_SUNKEN, BF_RECT, 2, 2, 2, 2},
    /* vqbsStatus    */ {BDR_SUNKENOUTER, BF_RECT, 1, 1, 1, 1},
    /* vqbsGroup     */ {EDGE_ETCHED, BF_RECT, 2, 2, 2, 2},
    /* vqbsHorizLine */ {EDGE_ETCHED, BF_TOP, 0, 2, 0, 0},
    /* vqbsVertLine  */ {EDGE_ETCHED, BF_LEFT, 2, 0, 0, 0},
    /* vqbsHorizEdge */ {EDGE_ETCHED, BF_TOP | BF_BOTTOM, 0, 2, 0, 2},
    /* vqbsVertEdge  */ {EDGE_ETCHED, BF_LEFT | BF_RIGHT, 2, 0, 2, 0},
};
static_assert(std::size(kBorders) == vqbsVertEdge + 1);

} // namespace

const TVQBorderInfo& VQBorderInfo(TVQBorderStyle style) {
    // An out-of-range value (a bad cast) draws and insets like vqbsNone.
    return style <= vqbsVertEdge ? kBorders[style] : kBorders[vqbsNone];
}

void DrawVQBorder(TCanvas* canvas, const TRect& r, TVQBorderStyle style) {
    if (style == vqbsSingle) {
        canvas->Brush()->SetColor(clWindowFrame);
        FrameRect(canvas, r);
        return;
    }
    const TVQBorderInfo& info = VQBorderInfo(style);
    if (info.Edge == 0) return;
    // No BF_ADJUST and no BF_MIDDLE: r stays as it is and the interior is not painted.
    TRect rc = r;
    DrawEdge(canvas, rc, info.Edge, info.Sides);
}

TRect VQBorderInnerRect(const TRect& r, TVQBorderStyle style) {
    const TVQBorderInfo& info = VQBorderInfo(style);
    return {r.Left + info.InsetLeft, r.Top + info.InsetTop, r.Right - info.InsetRight,
            r.Bottom - info.InsetBottom};
}
