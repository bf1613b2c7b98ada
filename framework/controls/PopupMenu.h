#pragma once
// TPopupMenu: a context menu shown at a screen point. Popup runs the menu's own event loop on
// the calling thread and returns when the menu has closed; the chosen item's OnClick fires
// after that, from Popup, so an exception it raises reaches Popup's caller.

#include "framework/controls/Menu.h"
#include "framework/system/Types.h"

VQ_ENUM(TPopupAlignment, uint8_t, paLeft, paRight, paCenter)

class TPopupMenu : public TMenu {
    VQ_CLASS(TPopupMenu, TMenu)
public:
    explicit TPopupMenu(TComponent* AOwner);
    ~TPopupMenu() override;

    // Alignment: default paLeft; which part of the menu lies at the popup point's x (its left
    // edge, its right edge or its middle).
    TPopupAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TPopupAlignment value) { FAlignment = value; }
    // AutoPopup: default True; whether controls and tray icons pop the menu up by themselves
    // on a right click.
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool value) { FAutoPopup = value; }
    // The component that popped the menu up last (not stored); cleared when it is freed.
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* value);

    // OnPopup: fires at the start of Popup, before the menu is built, so a handler can still
    // change the items.
    TNotifyEvent OnPopup;

    // Shows the menu at screen point (X, Y) and returns when it has closed. Without visible
    // items nothing is shown.
    virtual void Popup(int X, int Y);
    // Shows the menu at screen point (X, Y) beside the screen rectangle Exclude (a button that
    // drops it down): when the menu does not fit on the screen below Y it opens above
    // Exclude instead, so it never covers it. A press on Exclude that closes the menu goes no
    // further (the button does not see it and open the menu again).
    void PopupBeside(int X, int Y, const TRect& Exclude);
    // Whether a Popup is running (its menu is on screen).
    bool IsPoppedUp() const { return FPoppedUp; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void DoPopup(int X, int Y, const TRect* exclude);

    TPopupAlignment FAlignment = paLeft;
    bool FAutoPopup = true;
    bool FPoppedUp = false;
    TComponent* FPopupComponent = nullptr;
};
