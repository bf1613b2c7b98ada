#include "components/gfx/VQMeter.h"

#include "framework/controls/PopupMenu.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/WinGdi.h"
#include "framework/system/MathUtils.h"

#include <algorithm>

VQ_PUBLISH(TVQMeter) {
    P.Inherit();
    P.Property("Width", &TVQMeter::Width, &TVQMeter::SetWidth).Default(100);
    P.Property("Height", &TVQMeter::Height, &TVQMeter::SetHeight).Default(21);
    P.Property("Align", &TVQMeter::Align, &TVQMeter::SetAlign).Default(alNone);
    P.Property("Color", &TVQMeter::Color, &TVQMeter::SetColor)
        .Default(clWhite)
        .Stored(TStoredFn(&TControl::IsColorStored));
    P.Property("Font", &TVQMeter::Font, &TVQMeter::SetFont)
        .Stored(TStoredFn(&TControl::IsFontStored));
    P.Property("ParentColor", &TVQMeter::ParentColor, &TVQMeter::SetParentColor).Default(false);
    P.Property("ParentFont", &TVQMeter::ParentFont, &TVQMeter::SetParentFont).Default(true);
    P.Property("ParentShowHint", &TVQMeter::ParentShowHint, &TVQMeter::SetParentShowHint)
        .Default(true);
    P.Property("ShowHint", &TVQMeter::ShowHint, &TVQMeter::SetShowHint)
        .Stored(TStoredFn(&TControl::IsShowHintStored));
    P.Property("BorderSpace", &TVQMeter::BorderSpace, &TVQMeter::SetBorderSpace);
    P.Property("BorderStyle", &TVQMeter::BorderStyle, &TVQMeter::SetBorderStyle)
        .Default(vqbsLowered);
    P.Property("DragCursor", &TVQMeter::DragCursor, &TVQMeter::SetDragCursor)
        .Default(crDrag)
        .Idents(CursorIdents());
    P.Property("DragMode", &TVQMeter::DragMode, &TVQMeter::SetDragMode).Default(dmManual);
    P.Property("MeterColor", &TVQMeter::MeterColor, &TVQMeter::SetMeterColor).Default(clNavy);
    P.Property("MeterStyle", &TVQMeter::MeterStyle, &TVQMeter::SetMeterStyle);
    P.Property("MaxValue", &TVQMeter::MaxValue, &TVQMeter::SetMaxValue).Default(100);
    P.Property("MinValue", &TVQMeter::MinValue, &TVQMeter::SetMinValue);
    P.Property("Orientation", &TVQMeter::Orientation, &TVQMeter::SetOrientation);
    P.Property(
         "Percent", [](const TVQMeter* m) { return uint32_t(m->Percent()); },
         [](TVQMeter* m, uint32_t v) { m->SetPercent(int(v)); })
        .Stored(false);
    P.Property("PopupMenu", &TVQMeter::PopupMenu, &TVQMeter::SetPopupMenu);
    P.Property("ShowText", &TVQMeter::ShowText, &TVQMeter::SetShowText).Default(true);
    P.Property("UseFontColor", &TVQMeter::UseFontColor, &TVQMeter::SetUseFontColor);
    P.Property("Value", &TVQMeter::Value, &TVQMeter::SetValue);
    P.Property("Visible", &TVQMeter::Visible, &TVQMeter::SetVisible).Default(true);
    P.Event("OnClick", &TVQMeter::OnClick, "TNotifyEvent");
    P.Event("OnDblClick", &TVQMeter::OnDblClick, "TNotifyEvent");
    P.Event("OnDragDrop", &TVQMeter::OnDragDrop, "TDragDropEvent");
    P.Event("OnDragOver", &TVQMeter::OnDragOver, "TDragOverEvent");
    P.Event("OnDrawMeter", &TVQMeter::OnDrawMeter, "TVQMDrawMeterEvent");
    P.Event("OnEndDrag", &TVQMeter::OnEndDrag, "TEndDragEvent");
    P.Event("OnStartDrag", &TVQMeter::OnStartDrag, "TStartDragEvent");
    P.Event("OnSelectColor", &TVQMeter::OnSelectColor, "TVQMSelectColorEvent");
}

TVQMeter::TVQMeter(TComponent* AOwner) : TVQGraphicControl(AOwner) {
    SetBounds(Left(), Top(), 100, 21);
    SetColor(clWhite);
    SetParentColor(false);
}

// Setters ---------------------------------------------------------------------------------------

void TVQMeter::SetMeterColor(TColor value) {
    if (FMeterColor == value) return;
    FMeterColor = value;
    Repaint();
}

void TVQMeter::SetMeterStyle(TVQMeterStyle value) {
    if (FMeterStyle == value) return;
    FMeterStyle = value;
    Repaint();
}

void TVQMeter::SetMaxValue(int value) {
    if (FMaxValue == value) return;
    FMaxValue = value;
    Repaint();
}

void TVQMeter::SetMinValue(int value) {
    if (FMinValue == value) return;
    FMinValue = value;
    Repaint();
}

void TVQMeter::SetOrientation(TVQOrientation value) {
    if (FOrientation == value) return;
    FOrientation = value;
    Repaint();
}

void TVQMeter::SetShowText(bool value) {
    if (FShowText == value) return;
    FShowText = value;
    Repaint();
}

void TVQMeter::SetUseFontColor(bool value) {
    if (FUseFontColor == value) return;
    FUseFontColor = value;
    Repaint();
}

void TVQMeter::SetValue(int value) {
    if (FValue == value) return;
    // MaxValue first, then MinValue, so MinValue wins when the bounds are crossed.
    FValue = std::max(FMinValue, std::min(value, FMaxValue));
    Repaint();
}

int TVQMeter::Percent() const {
    if (FMaxValue == FMinValue) return 0;
    return MulDiv(FValue - FMinValue, 100, FMaxValue - FMinValue);
}

void TVQMeter::SetPercent(int value) {
    SetValue(MulDiv(FMaxValue - FMinValue, value, 100) + FMinValue);
}

void TVQMeter::FontChanged() {
    TVQGraphicControl::FontChanged();
    Repaint();
}

// Painting --------------------------------------------------------------------------------------

TColor TVQMeter::SelectColor(uint32_t APercent) {
    TColor color = FMeterColor;
    Fire(OnSelectColor, this, APercent, color);
    return color;
}

void TVQMeter::Paint() {
    const TRect inner = GetInnerRect();
    switch (FMeterStyle) {
    case vqmsBar:
        DrawBar(Canvas(), inner, FShowText, Percent());
        break;
    case vqmsLED:
        DrawLED(Canvas(), inner, Percent());
        break;
    case vqmsOwnerDraw: {
        TCanvas* canvas = Canvas();
        canvas->SetFont(Font());
        canvas->Font()->SetColor(FUseFontColor ? Font()->Color() : Color());
        canvas->Brush()->SetColor(SelectColor(uint32_t(Percent())));
        Fire(OnDrawMeter, this, canvas, inner);
        break;
    }
    }
}

void TVQMeter::DrawBar(TCanvas* ACanvas, const TRect& R, bool AShowText, int APercent) {
    const String text = AShowText ? QString::asprintf("%d%%", APercent) : String();
    ACanvas->SetFont(Font());
    const unsigned oldAlign = SetTextAlign(ACanvas, TA_CENTER | TA_TOP);
    ACanvas->Font()->SetColor(FUseFontColor ? Font()->Color() : Color());
    ACanvas->Brush()->SetColor(SelectColor(uint32_t(APercent)));

    TRect filled, empty;
    if (FOrientation == vqoHorizontal) {
        const int edge = R.Left + MulDiv(R.Right - R.Left, APercent, 100);
        filled = {R.Left, R.Top, edge, R.Bottom};
        empty = {edge, R.Top, R.Right, R.Bottom};
    } else {
        const int edge = R.Bottom - MulDiv(R.Bottom - R.Top, APercent, 100);
        filled = {R.Left, edge, R.Right, R.Bottom};
        empty = {R.Left, R.Top, R.Right, edge};
    }

    // The text is placed in the whole inner rectangle and drawn twice, clipped to each part,
    // so its colours switch exactly at the bar's edge.
    const int x = R.Left + (R.Right - R.Left) / 2;
    int h = ACanvas->TextHeight(QStringLiteral("%"));
    int y = R.Top + (R.Bottom - R.Top - h) / 2;
    ACanvas->TextRect(filled, x, y, text);

    ACanvas->Font()->SetColor(FUseFontColor ? Font()->Color() : ACanvas->Brush()->Color());
    ACanvas->Brush()->SetColor(Color());
    h = ACanvas->TextHeight(QStringLiteral("%"));
    y = R.Top + (R.Bottom - R.Top - h) / 2;
    ACanvas->TextRect(empty, x, y, text);
    SetTextAlign(ACanvas, oldAlign);
}

void TVQMeter::DrawLED(TCanvas* ACanvas, const TRect& R, int APercent) {
    const TRect l{R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1};
    ACanvas->Brush()->SetColor(SelectColor(uint32_t(APercent)));
    const bool horizontal = FOrientation == vqoHorizontal;
    const int thickness = horizontal ? l.Bottom - l.Top : l.Right - l.Left;
    // The pitch is the usable thickness less 2, divided by 1.1.
    const int d = ((thickness - 2) * 100) / 110;
    // Too thin for a block and its gap: nothing is lit (and nothing divides by zero).
    if (d <= 0) return;
    const int count = horizontal ? (l.Right - l.Left - 2 + d) / d : (l.Bottom - l.Top + 2 + d) / d;
    if (count <= 0) return;
    const int lit = (count * APercent) / 100;
    for (int i = 0; i < lit; ++i) {
        ACanvas->Brush()->SetColor(SelectColor(uint32_t((i * 100) / count)));
        const TRect block = horizontal
                                ? TRect{l.Left + i * d, l.Top,
                                        std::min(l.Right - 1, l.Left + i * d + d - 2), l.Bottom}
                                : TRect{l.Left, std::max(l.Top + 1, l.Bottom - i * d - d + 2),
                                        l.Right, l.Bottom - i * d};
        // A block the far limit leaves empty or inverted fills nothing, as the platform's
        // rectangle fill does.
        if (block.Right > block.Left && block.Bottom > block.Top) ACanvas->FillRect(block);
    }
}

bool TVQMeter::AccValue(TAccValue& v) const {
    v = {double(FValue), double(std::min(FMinValue, FMaxValue)),
         double(std::max(FMinValue, FMaxValue)), 1};
    return true;
}
