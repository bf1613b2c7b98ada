#include "framework/graphics/Pen.h"

VQ_PUBLISH(TPen) {
    P.Inherit();
    P.Property("Color", &TPen::Color, &TPen::SetColor).Default(clBlack);
    P.Property("Mode", &TPen::Mode, &TPen::SetMode).Default(pmCopy);
    P.Property("Style", &TPen::Style, &TPen::SetStyle).Default(psSolid);
    P.Property("Width", &TPen::Width, &TPen::SetWidth).Default(1);
}

void TPen::Assign(const TPersistent* Source) {
    if (auto* src = dynamic_cast<const TPen*>(Source)) {
        if (src == this) return;
        BeginUpdate();
        SetColor(src->FColor);
        SetMode(src->FMode);
        SetStyle(src->FStyle);
        SetWidth(src->FWidth);
        EndUpdate();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TPen::SetColor(TColor value) {
    if (FColor == value) return;
    FColor = value;
    Changed();
}

void TPen::SetMode(TPenMode value) {
    if (FMode == value) return;
    FMode = value;
    Changed();
}

void TPen::SetStyle(TPenStyle value) {
    if (FStyle == value) return;
    FStyle = value;
    Changed();
}

void TPen::SetWidth(int value) {
    if (value < 0) value = 0;
    if (FWidth == value) return;
    FWidth = value;
    Changed();
}
