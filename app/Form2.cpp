#include "app/Form2.h"

#include "components/gfx/VQGfxCmp.h"
#include "framework/controls/Application.h"
#include "framework/controls/Screen.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Picture.h"
#include "framework/stdctrls/Button.h"
#include "framework/system/ScopedChange.h"

#include <optional>

TForm2Fm* Form2Fm = nullptr;

VQ_PUBLISH(TForm2Fm) {
    P.Inherit();
    P.ComponentField("AnimateBt", &TForm2Fm::AnimateBt);
    P.ComponentField("VQImage4", &TForm2Fm::VQImage4);
    P.ComponentField("VQMeter8", &TForm2Fm::VQMeter8);
    P.ComponentField("VQMeter9", &TForm2Fm::VQMeter9);
    P.Handler("AnimateBtClick", &TForm2Fm::AnimateBtClick);
    P.Handler("VQMeter9DrawMeter", &TForm2Fm::VQMeter9DrawMeter);
    P.Handler("VQMeter8SelectColor", &TForm2Fm::VQMeter8SelectColor);
}

TForm2Fm::TForm2Fm(TComponent* AOwner) : TForm(AOwner) {}

String TForm2Fm::FormResourceName() const {
    return QStringLiteral(":/forms/Form2.vqf");
}

void TForm2Fm::AnimateBtClick(TObject* Sender) {
    auto* button = dynamic_cast<TControl*>(Sender);
    // Cursor and button come back on every way out, a failing paint handler included.
    TScopedChange cursor(Screen, &TScreen::Cursor, &TScreen::SetCursor, crHourGlass);
    std::optional<TScopedChange<bool>> disabled;
    if (button) disabled.emplace(button, &TControl::Enabled, &TControl::SetEnabled, false);

    auto step = [this](int k) {
        for (int i = 0; i < ControlCount(); ++i) {
            if (auto* meter = dynamic_cast<TVQMeter*>(Controls(i)))
                meter->SetPercent(2 * k); // repaints at once
            else
                Application->ProcessMessages();
        }
    };
    for (int k = 0; k <= 50; ++k)
        step(k);
    for (int k = 50; k >= 25; --k)
        step(k);
}

void TForm2Fm::VQMeter9DrawMeter(TObject* VQMeter, TCanvas* ACanvas, const TRect& ARect) {
    auto* meter = static_cast<TVQMeter*>(VQMeter);
    TRect r = ARect;
    r.Top = r.Bottom - (meter->Percent() * (r.Bottom - r.Top)) / 100;
    if (VQImage4) ACanvas->StretchDraw(r, VQImage4->Picture()->Graphic());
}

void TForm2Fm::VQMeter8SelectColor(TObject*, uint32_t APercent, TColor& AColor) {
    if (APercent <= 20)
        AColor = clRed;
    else if (APercent <= 50)
        AColor = clYellow;
    else if (APercent <= 75)
        AColor = clLime;
    else
        AColor = clAqua;
}
