#include "framework/comctrls/ToolBar.h"

#include "framework/comctrls/ToolButton.h"
#include "framework/graphics/ChangeLink.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/ImageList.h"

VQ_PUBLISH(TToolBar) {
    using C = TToolBar;
    P.Inherit();
    P.Property("Align", &C::Align, &C::SetAlign).Default(alTop);
    P.Property("ButtonHeight", &C::ButtonHeight, &C::SetButtonHeight).Default(22);
    P.Property("ButtonWidth", &C::ButtonWidth, &C::SetButtonWidth).Default(23);
    P.Property("Color", &C::Color, &C::SetColor)
        .Default(clBtnFace)
        .Stored(TStoredFn(&TControl::IsColorStored));
    P.Property("Enabled", &C::Enabled, &C::SetEnabled).Default(true);
    P.Property("Flat", &C::Flat, &C::SetFlat).Default(false);
    P.Property("Font", &C::Font, &C::SetFont).Stored(TStoredFn(&TControl::IsFontStored));
    P.Property("Images", &C::Images, &C::SetImages);
    P.Property("ParentColor", &C::ParentColor, &C::SetParentColor).Default(false);
    P.Property("ParentFont", &C::ParentFont, &C::SetParentFont).Default(true);
    P.Property("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint).Default(true);
    P.Property("ShowCaptions", &C::ShowCaptions, &C::SetShowCaptions).Default(false);
    P.Property("ShowHint", &C::ShowHint, &C::SetShowHint)
        .Stored(TStoredFn(&TControl::IsShowHintStored));
    P.Property("TabOrder", &C::TabOrder, &C::SetTabOrder).Default(-1);
    P.Property("TabStop", &C::TabStop, &C::SetTabStop).Default(false);
    P.Property("Visible", &C::Visible, &C::SetVisible).Default(true);
}

TToolBar::TToolBar(TComponent* AOwner)
    : TWinControl(AOwner), FImageLink(std::make_unique<TChangeLink>()) {
    FControlStyle.Include(csAcceptsControls);
    FControlStyle.Exclude(csSetCaption);
    FImageLink->OnChange = [this](TObject*) { ArrangeButtons(); };
    SetBounds(0, 0, 150, 29);
    SetAlign(alTop);
}

TToolBar::~TToolBar() {
    if (FImages) FImages->UnRegisterChanges(FImageLink.get());
}

void TToolBar::SetButtonWidth(int value) {
    if (value < 0) value = 0;
    if (FButtonWidth == value) return;
    FButtonWidth = value;
    ArrangeButtons();
}

void TToolBar::SetButtonHeight(int value) {
    if (value < 0) value = 0;
    if (FButtonHeight == value) return;
    FButtonHeight = value;
    ArrangeButtons();
}

void TToolBar::SetImages(TImageList* value) {
    if (FImages == value) return;
    if (FImages) {
        FImages->UnRegisterChanges(FImageLink.get());
        FImages->RemoveFreeNotification(this);
    }
    FImages = value;
    if (value) {
        value->RegisterChanges(FImageLink.get());
        value->FreeNotification(this);
    }
    ArrangeButtons();
}

void TToolBar::SetShowCaptions(bool value) {
    if (FShowCaptions == value) return;
    FShowCaptions = value;
    ArrangeButtons();
}

void TToolBar::SetFlat(bool value) {
    if (FFlat == value) return;
    FFlat = value;
    for (int i = 0; i < ControlCount(); ++i)
        Controls(i)->Invalidate();
}

void TToolBar::Notification(TComponent* AComponent, TOperation Operation) {
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages) {
        FImages = nullptr;
        ArrangeButtons();
    }
}

void TToolBar::ArrangeButtons() {
    if (FArranging || Loading()) return;
    FArranging = true;
    int x = 0;
    const int y = std::max(0, (ClientHeight() - FButtonHeight) / 2);
    for (int i = 0; i < ControlCount(); ++i) {
        auto* b = dynamic_cast<TToolButton*>(Controls(i));
        if (!b || !b->Visible()) continue;
        const int w = b->NeededWidth();
        b->SetBounds(x, y, w, FButtonHeight);
        b->Invalidate();
        x += w;
    }
    FArranging = false;
}

void TToolBar::Resize() {
    ArrangeButtons();
    TWinControl::Resize();
}

void TToolBar::FontChanged() {
    TWinControl::FontChanged();
    ArrangeButtons();
}

void TToolBar::Loaded() {
    TWinControl::Loaded();
    ArrangeButtons();
}
