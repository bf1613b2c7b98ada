#include "framework/stdctrls/ButtonGlyph.h"

#include "framework/graphics/Canvas.h"
#include "framework/graphics/WinGdi.h"

TButtonGlyph::TButtonGlyph() : FGlyph(std::make_unique<TBitmap>()) {
    FGlyph->OnChange = [this](TObject*) {
        if (OnChange) OnChange();
    };
}

TButtonGlyph::~TButtonGlyph() {
    FGlyph->OnChange = nullptr;
}

void TButtonGlyph::SetGlyph(const TBitmap* value) {
    if (value)
        FGlyph->Assign(value);
    else
        FGlyph->SetSize(0, 0);
}

void TButtonGlyph::SetNumGlyphs(int value) {
    value = std::clamp(value, 1, 4);
    if (FNumGlyphs == value) return;
    FNumGlyphs = value;
    if (OnChange) OnChange();
}

TSize TButtonGlyph::GlyphSize() const {
    if (FGlyph->Empty()) return TSize{0, 0};
    return TSize{FGlyph->Width() / FNumGlyphs, FGlyph->Height()};
}

void TButtonGlyph::Layout(TCanvas* canvas, const TRect& client, TPoint offset,
                          const String& caption, TButtonLayout layout, int margin, int spacing,
                          TPoint& glyphPos, TRect& textRect) const {
    const TSize glyph = GlyphSize();
    TRect measured{0, 0, client.Width(), 0};
    if (!caption.isEmpty()) DrawText(canvas, caption, measured, DT_CALCRECT | DT_SINGLELINE);
    const TSize text{caption.isEmpty() ? 0 : measured.Width(),
                     caption.isEmpty() ? 0 : measured.Height()};
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    const int room = horizontal ? client.Width() : client.Height();
    const int glyphLen = horizontal ? glyph.cx : glyph.cy;
    const int textLen = horizontal ? text.cx : text.cy;
    // Without one of the two the other is simply centred.
    if (glyphLen == 0 || textLen == 0) {
        spacing = 0;
        if (margin != -1 && glyphLen == 0) margin = -1;
    }
    if (margin == -1) {
        if (spacing == -1) {
            const int total = glyphLen + textLen;
            spacing = (room - total) / 3;
            margin = spacing;
        } else {
            margin = (room - (glyphLen + spacing + textLen)) / 2;
        }
    } else if (spacing == -1) {
        spacing = (room - (margin + glyphLen + textLen)) / 2;
    }
    // Positions along the layout axis, from the glyph's side.
    int glyphAt = 0, textAt = 0;
    switch (layout) {
    case blGlyphLeft:
    case blGlyphTop:
        glyphAt = margin;
        textAt = margin + glyphLen + spacing;
        break;
    case blGlyphRight:
    case blGlyphBottom:
        glyphAt = room - margin - glyphLen;
        textAt = glyphAt - spacing - textLen;
        break;
    }
    if (horizontal) {
        glyphPos = {client.Left + glyphAt, client.Top + (client.Height() - glyph.cy + 1) / 2};
        textRect = Bounds(client.Left + textAt, client.Top + (client.Height() - text.cy + 1) / 2,
                          text.cx, text.cy);
    } else {
        glyphPos = {client.Left + (client.Width() - glyph.cx + 1) / 2, client.Top + glyphAt};
        textRect = Bounds(client.Left + (client.Width() - text.cx + 1) / 2, client.Top + textAt,
                          text.cx, text.cy);
    }
    glyphPos.X += offset.X;
    glyphPos.Y += offset.Y;
    textRect.Left += offset.X;
    textRect.Right += offset.X;
    textRect.Top += offset.Y;
    textRect.Bottom += offset.Y;
}

void TButtonGlyph::Draw(TCanvas* canvas, const TRect& client, TPoint offset, const String& caption,
                        TButtonLayout layout, int margin, int spacing, TButtonState state) const {
    TPoint at;
    TRect textRect;
    Layout(canvas, client, offset, caption, layout, margin, spacing, at, textRect);
    const TSize size = GlyphSize();
    if (size.cx > 0) {
        int index = int(state);
        if (index >= FNumGlyphs) index = 0;
        const QRect src(index * size.cx, 0, size.cx, size.cy);
        const TColor transparent = TColor(FGlyph->TransparentColor() & 0xFFFFFF);
        if (state == bsDisabled && FNumGlyphs < 2) {
            // Embossed: the shape is every pixel that is not the transparent colour.
            TBitmap mask(size.cx, size.cy);
            QImage image = FGlyph->Image().copy(src);
            const QRgb clear =
                qRgb(GetRValue(transparent), GetGValue(transparent), GetBValue(transparent));
            for (int y = 0; y < image.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
                for (int x = 0; x < image.width(); ++x)
                    line[x] = (line[x] & 0xFFFFFF) == (clear & 0xFFFFFF) ? qRgb(255, 255, 255)
                                                                         : qRgb(0, 0, 0);
            }
            mask.SetImage(image);
            DrawState(canvas, &mask, at.X, at.Y, size.cx, size.cy, DST_BITMAP | DSS_DISABLED);
        } else {
            StretchBltImageTransparent(canvas, QRect(at.X, at.Y, size.cx, size.cy), FGlyph->Image(),
                                       src, transparent);
        }
    }
    if (!caption.isEmpty()) {
        const int mode = canvas->SetBkMode(TRANSPARENT);
        const unsigned flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
        if (state == bsDisabled) {
            TRect shadow = textRect;
            shadow.Left += 1, shadow.Right += 1, shadow.Top += 1, shadow.Bottom += 1;
            canvas->SetTextColor(clBtnHighlight);
            DrawText(canvas, caption, shadow, flags);
            canvas->SetTextColor(clBtnShadow);
            DrawText(canvas, caption, textRect, flags);
        } else {
            canvas->SetTextColor(canvas->Font()->Color());
            DrawText(canvas, caption, textRect, flags);
        }
        canvas->SetBkMode(mode);
    }
}
