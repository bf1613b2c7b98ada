#include "components/std/VQTrayIcon.h"

#include "framework/controls/Application.h"
#include "framework/controls/PopupMenu.h"
#include "framework/controls/Screen.h"

VQ_PUBLISH(TVQTrayIcon) {
    P.Inherit();
    P.Field("About", &TVQTrayIcon::FAbout).Stored(false);
    P.Property("Hint", &TVQTrayIcon::Hint, &TVQTrayIcon::SetHint);
    P.Property("Icon", &TVQTrayIcon::Icon, &TVQTrayIcon::SetIcon);
    P.Property("PopupMenu", &TVQTrayIcon::PopupMenu, &TVQTrayIcon::SetPopupMenu);
    P.Property("Visible", &TVQTrayIcon::Visible, &TVQTrayIcon::SetVisible).Default(false);
    P.Event("OnClick", &TVQTrayIcon::OnClick, "TNotifyEvent");
    P.Event("OnDblClick", &TVQTrayIcon::OnDblClick, "TNotifyEvent");
    P.Event("OnMouseDown", &TVQTrayIcon::OnMouseDown, "TMouseEvent");
    P.Event("OnMouseMove", &TVQTrayIcon::OnMouseMove, "TMouseMoveEvent");
    P.Event("OnMouseUp", &TVQTrayIcon::OnMouseUp, "TMouseEvent");
}

TVQTrayIcon::TVQTrayIcon(TComponent* AOwner)
    : TComponent(AOwner), FIcon(std::make_unique<TIcon>()),
      FHost(std::make_unique<TTrayIconHost>([this](const TTrayMouseEvent& e) { MouseEvent(e); })) {
    // Icon data read from a description or loaded later reaches the entry too.
    FIcon->OnChange = [this](TObject*) { UpdateTrayIcon(NIM_MODIFY); };
}

TVQTrayIcon::~TVQTrayIcon() {
    if (FVisible) UpdateTrayIcon(NIM_DELETE);
    FHost.reset();
    if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
}

String TVQTrayIcon::TipText(const String& Hint) {
    // The tip field holds 64 characters with the terminator.
    return Hint.left(63);
}

void TVQTrayIcon::SetHint(const String& value) {
    if (value == FHint) return;
    FHint = value;
    UpdateTrayIcon(NIM_MODIFY);
}

void TVQTrayIcon::SetIcon(TIcon* value) {
    if (value != FIcon.get()) {
        FIcon->OnChange = nullptr;
        FIcon->Assign(value);
        FIcon->OnChange = [this](TObject*) { UpdateTrayIcon(NIM_MODIFY); };
    }
    UpdateTrayIcon(NIM_MODIFY);
}

void TVQTrayIcon::SetPopupMenu(TPopupMenu* value) {
    if (value == FPopupMenu) return;
    if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
    FPopupMenu = value;
    if (value) value->FreeNotification(this);
    // A host that draws the menu itself reads it there.
    FHost->SetMenu(value, this);
}

void TVQTrayIcon::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupMenu) {
        FPopupMenu = nullptr;
        FHost->SetMenu(nullptr, nullptr);
    }
}

void TVQTrayIcon::SetVisible(bool value) {
    if (value == FVisible) return;
    FVisible = value;
    UpdateTrayIcon(value ? NIM_ADD : NIM_DELETE);
}

void TVQTrayIcon::UpdateTrayIcon(int Request) {
    if (ComponentState().Contains(csDesigning) || !FHost) return;
    if (Request == NIM_DELETE) {
        FHost->SetShown(false);
        return;
    }
    FHost->SetToolTip(TipText(FHint));
    FHost->SetIcon(FIcon->Image());
    if (Request == NIM_ADD) FHost->SetShown(true);
}

void TVQTrayIcon::MouseEvent(const TTrayMouseEvent& Event) {
    Application->Guard(this, [&] { Dispatch(Event); });
}

void TVQTrayIcon::Dispatch(const TTrayMouseEvent& e) {
    TShiftState doubled = e.Shift;
    doubled.Include(ssDouble);
    switch (e.Kind) {
    case TTrayMouseKind::Move:
        Fire(OnMouseMove, this, e.Shift, e.X, e.Y);
        return;
    case TTrayMouseKind::Down:
        Fire(OnMouseDown, this, e.Button, e.Shift, e.X, e.Y);
        return;
    case TTrayMouseKind::DoubleClick:
        if (e.Button == mbLeft && !Fire(OnDblClick, this)) return;
        Fire(OnMouseDown, this, e.Button, doubled, e.X, e.Y);
        return;
    case TTrayMouseKind::Up:
        if (e.Button == mbLeft && !Fire(OnClick, this)) return;
        if (!Fire(OnMouseUp, this, e.Button, e.Shift, e.X, e.Y)) return;
        if (e.Button == mbRight) PopupAt(e.X, e.Y);
        return;
    }
}

void TVQTrayIcon::PopupAt(int X, int Y) {
    if (!FPopupMenu || !FPopupMenu->AutoPopup()) return;
    if (TForm* active = Screen->ActiveForm()) active->BringToFront();
    FPopupMenu->SetPopupComponent(this);
    FPopupMenu->Popup(X, Y);
}
