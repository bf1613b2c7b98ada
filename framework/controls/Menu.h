#pragma once
// TMenu: the base of the menu components. It holds the root item whose sub-items are the
// menu's entries; form descriptions nest those entries inside the menu's object block.

#include "framework/controls/MenuItem.h"

class TMenu : public TComponent {
    VQ_CLASS(TMenu, TComponent)
public:
    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;

    // The root item; its sub-items are the menu's entries. Owned by the menu.
    TMenuItem* Items() const { return FItems.get(); }

    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

protected:
    friend class TMenuItem;
    // An item of the tree changed (a property, or its list of sub-items).
    virtual void MenuChanged(TMenuItem* source);

private:
    std::unique_ptr<TMenuItem> FItems;
};
