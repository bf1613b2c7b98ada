#include "components/gfx/VQDrawing.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/WinGdi.h"
#include "framework/system/MathUtils.h"
#include "framework/system/ScopedChange.h"

#include <memory>

TRect DrawPushButtonFrame(TCanvas* canvas, const TRect& r, bool outlined, bool pushed) {
    TRect rc = r;
    if (outlined) {
        canvas->Brush()->SetColor(clWindowFrame);
        FrameRect(canvas, rc);
        InflateRect(rc, -1, -1);
    }
    // The flat state, not the platform's pushed one, is the pushed look; the adjust flag
    // leaves rc on the face.
    DrawFrameControl(canvas, rc, DFC_BUTTON,
                     DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pushed ? DFCS_FLAT : 0u));
    canvas->Brush()->SetColor(clBtnFace);
    FillRect(canvas, rc);
    InflateRect(rc, -1, -1);
    return rc;
}

void DrawTransparentBitmap(TCanvas* canvas, const TRect& dest, TBitmap* bitmap,
                           TColor transparentColor) {
    const int w = dest.Right - dest.Left;
    const int h = dest.Bottom - dest.Top;
    if (!canvas || !bitmap || bitmap->Empty() || w <= 0 || h <= 0) return;
    // Compared as plain RGB: system colours resolved, the palette-relative flag dropped.
    const TColor key = MakeColor(uint32_t(ColorToRGB(transparentColor)) & 0x00FFFFFFu);

    // Owned here, so both go on every path out, an exception included.
    auto mask = std::make_unique<TBitmap>();
    mask->SetMonochrome(true);
    mask->SetSize(w, h);
    auto image = std::make_unique<TBitmap>(w, h);
    TCanvas* mc = mask->Canvas();
    TCanvas* ic = image->Canvas();

    // Transparency is judged on the stretched pixels, so stretch first.
    StretchBlt(ic, 0, 0, w, h, bitmap->Canvas(), 0, 0, bitmap->Width(), bitmap->Height(), SRCCOPY);
    {
        // Mask: 1 (white) where the image has the key colour.
        TScopedChange bk(ic, &TCanvas::BkColor, &TCanvas::SetBkColor, key);
        BitBlt(mc, 0, 0, w, h, ic, 0, 0, SRCCOPY);
    }
    {
        // Black out the destination under the opaque pixels; 1 bits come out white and keep it.
        TScopedChange bk(canvas, &TCanvas::BkColor, &TCanvas::SetBkColor, clWhite);
        TScopedChange text(canvas, &TCanvas::TextColor, &TCanvas::SetTextColor, clBlack);
        BitBlt(canvas, dest.Left, dest.Top, w, h, mc, 0, 0, SRCAND);
    }
    {
        // Inverted mask: 1 for opaque pixels.
        TScopedChange bk(ic, &TCanvas::BkColor, &TCanvas::SetBkColor, key);
        BitBlt(mc, 0, 0, w, h, ic, 0, 0, NOTSRCCOPY);
    }
    {
        // Black out the image's transparent pixels so that OR-ing it in leaves them alone.
        TScopedChange bk(ic, &TCanvas::BkColor, &TCanvas::SetBkColor, clWhite);
        TScopedChange text(ic, &TCanvas::TextColor, &TCanvas::SetTextColor, clBlack);
        BitBlt(ic, 0, 0, w, h, mc, 0, 0, SRCAND);
    }
    BitBlt(canvas, dest.Left, dest.Top, w, h, ic, 0, 0, SRCPAINT);
}
