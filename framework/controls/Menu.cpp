#include "framework/controls/Menu.h"

VQ_PUBLISH(TMenu) {
    P.Inherit();
}

TMenu::TMenu(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TMenuItem>(nullptr)) {
    FItems->FMenu = this;
}

TMenu::~TMenu() {
    // The entries go with the menu; stop them reporting changes to a menu half destroyed.
    FItems->FMenu = nullptr;
    FItems.reset();
}

void TMenu::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
    FItems->GetChildren(proc, root);
}

void TMenu::MenuChanged(TMenuItem*) {}
