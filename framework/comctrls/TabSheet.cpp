#include "framework/comctrls/TabSheet.h"

#include "framework/comctrls/PageControl.h"
#include "framework/graphics/Font.h"

#include <algorithm>

VQ_PUBLISH(TTabSheet) {
    using C = TTabSheet;
    P.Inherit();
    // The page control places its pages.
    P.Property("Left", &C::Left, &C::SetLeft).Stored(false);
    P.Property("Top", &C::Top, &C::SetTop).Stored(false);
    P.Property("Width", &C::Width, &C::SetWidth).Stored(false);
    P.Property("Height", &C::Height, &C::SetHeight).Stored(false);
    P.Property("Caption", &C::Caption, &C::SetCaption);
    P.Property("Enabled", &C::Enabled, &C::SetEnabled).Default(true);
    P.Property("Font", &C::Font, &C::SetFont).Stored(TStoredFn(&TControl::IsFontStored));
    P.Property("PageIndex", &C::PageIndex, &C::SetPageIndex).Stored(false);
    P.Property("ParentFont", &C::ParentFont, &C::SetParentFont).Default(true);
    P.Property("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint).Default(true);
    P.Property("ShowHint", &C::ShowHint, &C::SetShowHint)
        .Stored(TStoredFn(&TControl::IsShowHintStored));
    P.Property("TabVisible", &C::TabVisible, &C::SetTabVisible).Default(true);
    P.Event("OnEnter", &C::OnEnter, "TNotifyEvent");
    P.Event("OnExit", &C::OnExit, "TNotifyEvent");
    P.Event("OnMouseDown", &C::OnMouseDown, "TMouseEvent");
    P.Event("OnMouseMove", &C::OnMouseMove, "TMouseMoveEvent");
    P.Event("OnMouseUp", &C::OnMouseUp, "TMouseEvent");
    P.Event("OnResize", &C::OnResize, "TNotifyEvent");
}

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle.Include(csAcceptsControls);
    SetVisible(false);
}

TTabSheet::~TTabSheet() {
    SetPageControl(nullptr);
}

void TTabSheet::SetPageControl(TPageControl* value) {
    SetParent(value);
}

void TTabSheet::SetParent(TWinControl* value) {
    if (Parent() == value) return;
    if (FPageControl) FPageControl->RemovePage(this);
    TWinControl::SetParent(value);
    if (auto* pages = dynamic_cast<TPageControl*>(value)) pages->InsertPage(this);
}

int TTabSheet::PageIndex() const {
    if (!FPageControl) return -1;
    const auto& pages = FPageControl->FPages;
    return int(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int value) {
    if (FPageControl) FPageControl->MovePage(this, value);
}

int TTabSheet::TabIndex() const {
    if (!FPageControl || !FTabVisible) return -1;
    int index = 0;
    for (TTabSheet* p : FPageControl->FPages) {
        if (p == this) return index;
        if (p->FTabVisible) ++index;
    }
    return -1;
}

void TTabSheet::SetTabVisible(bool value) {
    if (FTabVisible == value) return;
    FTabVisible = value;
    if (FPageControl) FPageControl->UpdateTabs();
}

void TTabSheet::VisibleChanged() {
    // The page's windows exist before it shows, so it appears whole.
    CreatePendingChildHandles();
    TWinControl::VisibleChanged();
}

void TTabSheet::SettlePendingSize() {
    if (FPageControl) FPageControl->EnsureTabs();
}

void TTabSheet::TextChanged() {
    TWinControl::TextChanged();
    if (FPageControl) FPageControl->UpdateTabs();
}
