#pragma once
// TButtonGlyph: the glyph and caption of a speed button or glyph button. The glyph bitmap holds
// NumGlyphs images side by side (up, disabled, down, stay-down); its bottom-left pixel's colour
// is transparent. A disabled button without its own image shows the glyph embossed.

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Graphics.h"
#include "framework/system/Types.h"

#include <functional>
#include <memory>

class TCanvas;

VQ_ENUM(TButtonLayout, uint8_t, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom)
VQ_ENUM(TButtonState, uint8_t, bsUp, bsDisabled, bsDown, bsExclusive)

class TButtonGlyph {
public:
    TButtonGlyph();
    ~TButtonGlyph();

    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(const TBitmap* value);
    // NumGlyphs: 1 to 4 images in the bitmap.
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    // The size of one image (0 x 0 without a glyph).
    TSize GlyphSize() const;

    // Where the glyph and the caption go in client: Margin is the space between the edge and
    // the content on the glyph's side (-1: centred), Spacing the space between glyph and caption
    // (-1: the free space shared evenly). Both are moved by offset (a pressed button's shift).
    void Layout(TCanvas* canvas, const TRect& client, TPoint offset, const String& caption,
                TButtonLayout layout, int margin, int spacing, TPoint& glyphPos,
                TRect& textRect) const;
    // Draws glyph and caption (the caption in the canvas font, gray and embossed when disabled).
    void Draw(TCanvas* canvas, const TRect& client, TPoint offset, const String& caption,
              TButtonLayout layout, int margin, int spacing, TButtonState state) const;

    // The glyph changed (a new bitmap or drawing on it).
    std::function<void()> OnChange;

private:
    std::unique_ptr<TBitmap> FGlyph;
    int FNumGlyphs = 1;
};
