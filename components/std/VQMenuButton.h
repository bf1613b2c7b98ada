#pragma once
// TVQMenuButton: a push button that drops down a menu of its Items right below itself (above
// when there is no room below) on the press. Choosing an item sets ItemIndex and fires
// OnChange; with ShowCheckmark the menu marks the ItemIndex item with a radio check. The
// button draws itself: a push-button frame, the caption moved left and a small arrow.

#include "components/gfx/VQTypes.h"
#include "framework/classes/StringList.h"
#include "framework/stdctrls/Button.h"

#include <memory>

class TVQMenuButton : public TButton {
    VQ_CLASS(TVQMenuButton, TButton)
public:
    explicit TVQMenuButton(TComponent* AOwner);
    ~TVQMenuButton() override;

    // Items: empty; the menu's texts, "-" a separator. Setting copies the list.
    TStrings* Items() const { return FItems.get(); }
    void SetItems(TStrings* value);
    // ItemIndex: -1; the item chosen last. Any value is taken (one outside Items marks nothing).
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value) { FItemIndex = value; }
    // ShowCheckmark: false, always stored; radio-check the ItemIndex item in the menu.
    bool ShowCheckmark() const { return FShowCheckmark; }
    void SetShowCheckmark(bool value) { FShowCheckmark = value; }
    // Whether the menu is on screen.
    bool DroppedDown() const { return FDroppedDown; }

    // OnChange: an item has been chosen (also the one already chosen).
    TNotifyEvent OnChange;

    // Fires OnClick, then drops the menu down. The button's ModalResult is not handed to the
    // form here: only choosing an item does that.
    void Click() override;
    // Shows the menu and returns when it has closed; nothing without items or while shown.
    virtual void DropDown();
    // The menu's command for item id (what a chosen item sends): ids outside Items, such as a
    // separator's 0xFFFF, change nothing.
    void ItemChosen(int id);

protected:
    // A button with a popup; pressing it drops the menu down.
    TAccRole AccRole() const override { return arMenuButton; }
    TAccStates AccStates() const override;
    TAccActions AccActions() const override { return {aaPress, aaShowMenu}; }
    void AccDoAction(TAccActionItem) override { Click(); }
    void DrawItem(TCanvas* canvas, const TRect& rect, TOwnerDrawState state) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    TVQAboutType FAbout = 0;
    std::unique_ptr<TStringList> FItems;
    int FItemIndex = -1;
    bool FShowCheckmark = false;
    bool FDroppedDown = false;
};
