#include "framework/graphics/Brush.h"

VQ_PUBLISH(TBrush) {
    P.Inherit();
    P.Property("Color", &TBrush::Color, &TBrush::SetColor).Default(clWhite);
    P.Property("Style", &TBrush::Style, &TBrush::SetStyle).Default(bsSolid);
}

void TBrush::Assign(const TPersistent* Source) {
    if (auto* src = dynamic_cast<const TBrush*>(Source)) {
        if (src == this) return;
        BeginUpdate();
        SetColor(src->FColor);
        SetStyle(src->FStyle);
        SetBitmap(src->FBitmap);
        EndUpdate();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TBrush::SetColor(TColor value) {
    TBrushStyle style = FStyle;
    // clNone means "no fill"; any real colour makes a clear brush paint again.
    if (value == clNone)
        style = bsClear;
    else if (style == bsClear)
        style = bsSolid;
    if (FColor == value && FStyle == style) return;
    FColor = value;
    FStyle = style;
    Changed();
}

void TBrush::SetStyle(TBrushStyle value) {
    if (FStyle == value) return;
    FStyle = value;
    Changed();
}

void TBrush::SetBitmap(TBitmap* value) {
    if (FBitmap == value) return;
    FBitmap = value;
    Changed();
}
