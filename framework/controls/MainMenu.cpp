#include "framework/controls/MainMenu.h"

#include "framework/controls/Application.h"

#include <QMenuBar>

namespace {

constexpr const char* kItemsMenuName = "vqMainMenuItems";

} // namespace

VQ_PUBLISH(TMainMenu) {
    P.Inherit();
    P.Event("OnChange", &TMainMenu::OnChange, "TNotifyEvent");
}

TMainMenu::TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}

void TMainMenu::FillMenuBar(QMenuBar* bar) const {
    bar->clear();
    for (QMenu* old : bar->findChildren<QMenu*>(kItemsMenuName, Qt::FindDirectChildrenOnly))
        delete old;
    // Fill a hidden menu and move its actions onto the bar, so the bar's entries are built
    // exactly as a popup's are; the hidden menu keeps owning them.
    auto* scratch = new QMenu(bar);
    scratch->setObjectName(kItemsMenuName);
    Items()->FillQMenu(scratch, [](TMenuItem* item) {
        // Called from a Qt signal: nothing may escape into the event loop.
        Application->Guard(item, [item] { item->Click(); });
    });
    for (QAction* action : scratch->actions())
        bar->addAction(action);
}

void TMainMenu::MenuChanged(TMenuItem*) {
    if (ComponentState().Contains(csLoading)) return;
    Fire(OnChange, this);
}
