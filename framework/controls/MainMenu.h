#pragma once
// TMainMenu: a form's menu bar. The form (or whoever shows the bar) fills a QMenuBar from it
// and refills it when OnChange says the items changed; a chosen item's OnClick fires at once.

#include "framework/controls/Menu.h"

class QMenuBar;

class TMainMenu : public TMenu {
    VQ_CLASS(TMainMenu, TMenu)
public:
    explicit TMainMenu(TComponent* AOwner);

    // Replaces bar's menus with the visible entries: an entry with sub-items becomes a drop-down
    // menu, one without becomes a command on the bar itself.
    void FillMenuBar(QMenuBar* bar) const;

    // OnChange: fires after an item of the tree changed (properties or sub-items), so the bar
    // can be refilled. Not while the menu is loading.
    TNotifyEvent OnChange;

protected:
    void MenuChanged(TMenuItem* source) override;
};
