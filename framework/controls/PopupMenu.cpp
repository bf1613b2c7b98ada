#include "framework/controls/PopupMenu.h"

#include <QMenu>

VQ_PUBLISH(TPopupMenu) {
    P.Inherit();
    P.Property("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment).Default(paLeft);
    P.Property("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(true);
    P.Event("OnPopup", &TPopupMenu::OnPopup, "TNotifyEvent");
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::SetPopupComponent(TComponent* value) {
    if (FPopupComponent == value) return;
    if (FPopupComponent) FPopupComponent->RemoveFreeNotification(this);
    FPopupComponent = value;
    if (value) value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupComponent) FPopupComponent = nullptr;
}

void TPopupMenu::Popup(int X, int Y) {
    if (FPoppedUp) return;
    const TLifeToken alive = LifeToken();
    if (!Fire(OnPopup, this)) return;

    QMenu menu;
    TMenuItem* chosen = nullptr;
    TLifeToken chosenAlive;
    Items()->FillQMenu(&menu, [&](TMenuItem* item) {
        chosen = item;
        chosenAlive = item->LifeToken();
    });
    if (menu.actions().isEmpty()) return;

    QPoint at(X, Y);
    const int width = menu.sizeHint().width();
    if (FAlignment == paRight)
        at.rx() -= width;
    else if (FAlignment == paCenter)
        at.rx() -= width / 2;

    FPoppedUp = true;
    menu.exec(at);
    // A handler run by the nested loop (a timer, a closing form) may have freed the menu.
    if (!alive) return;
    FPoppedUp = false;
    if (chosen && chosenAlive) chosen->Click();
}
