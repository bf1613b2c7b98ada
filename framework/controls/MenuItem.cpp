#include "framework/controls/MenuItem.h"

#include "framework/controls/Menu.h"

#include <QActionGroup>
#include <QMenu>
#include <algorithm>
#include <map>

VQ_PUBLISH(TMenuItem) {
    P.Inherit();
    P.Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption);
    P.Property("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).Default(false);
    P.Property("Default", &TMenuItem::Default, &TMenuItem::SetDefault).Default(false);
    P.Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(true);
    P.Property("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex).Default(0);
    P.Property("Hint", &TMenuItem::Hint, &TMenuItem::SetHint);
    P.Property("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem).Default(false);
    P.Property("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut).Default(0);
    P.Property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Default(true);
    P.Event("OnClick", &TMenuItem::OnClick, "TNotifyEvent");
}

// ---------------------------------------------------------------------------------------------
// Short cuts

namespace {

// Virtual-key codes of the keys a short cut can name, with their Qt keys.
struct TKeyPair {
    uint8_t Vk;
    Qt::Key Key;
};

constexpr TKeyPair kNamedKeys[] = {
    {0x08, Qt::Key_Backspace},   {0x09, Qt::Key_Tab},       {0x0D, Qt::Key_Return},
    {0x1B, Qt::Key_Escape},      {0x20, Qt::Key_Space},     {0x21, Qt::Key_PageUp},
    {0x22, Qt::Key_PageDown},    {0x23, Qt::Key_End},       {0x24, Qt::Key_Home},
    {0x25, Qt::Key_Left},        {0x26, Qt::Key_Up},        {0x27, Qt::Key_Right},
    {0x28, Qt::Key_Down},        {0x2D, Qt::Key_Insert},    {0x2E, Qt::Key_Delete},
    {0x6A, Qt::Key_Asterisk},    {0x6B, Qt::Key_Plus},      {0x6D, Qt::Key_Minus},
    {0xBA, Qt::Key_Semicolon},   {0xBB, Qt::Key_Equal},     {0xBC, Qt::Key_Comma},
    {0xBE, Qt::Key_Period},      {0xBF, Qt::Key_Slash},     {0xC0, Qt::Key_QuoteLeft},
    {0xDB, Qt::Key_BracketLeft}, {0xDC, Qt::Key_Backslash}, {0xDD, Qt::Key_BracketRight},
    {0xDE, Qt::Key_Apostrophe},
};

constexpr int kVkF1 = 0x70;
constexpr int kFunctionKeys = 24;

int VkToQtKey(int vk) {
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return vk; // same codes in Qt
    if (vk >= kVkF1 && vk < kVkF1 + kFunctionKeys) return Qt::Key_F1 + (vk - kVkF1);
    for (const auto& k : kNamedKeys)
        if (k.Vk == vk) return k.Key;
    return 0;
}

int QtKeyToVk(int key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return key;
    if (key >= Qt::Key_F1 && key < Qt::Key_F1 + kFunctionKeys) return kVkF1 + (key - Qt::Key_F1);
    if (key == Qt::Key_Enter) return 0x0D;
    for (const auto& k : kNamedKeys)
        if (k.Key == key) return k.Vk;
    return 0;
}

} // namespace

QKeySequence ShortCutToKeySequence(TShortCut shortCut) {
    const int key = VkToQtKey(shortCut & 0xFF);
    if (key == 0) return {};
    Qt::KeyboardModifiers mods;
    if (shortCut & scShift) mods |= Qt::ShiftModifier;
    if (shortCut & scCtrl) mods |= Qt::ControlModifier;
    if (shortCut & scAlt) mods |= Qt::AltModifier;
    return QKeySequence(QKeyCombination(mods, Qt::Key(key)));
}

String ShortCutToText(TShortCut shortCut) {
    return ShortCutToKeySequence(shortCut).toString(QKeySequence::PortableText);
}

TShortCut TextToShortCut(const String& text) {
    const QKeySequence seq = QKeySequence::fromString(text, QKeySequence::PortableText);
    if (seq.count() != 1) return scNone;
    const QKeyCombination combo = seq[0];
    const int vk = QtKeyToVk(combo.key());
    if (vk == 0) return scNone;
    TShortCut result = TShortCut(vk);
    const Qt::KeyboardModifiers mods = combo.keyboardModifiers();
    if (mods & Qt::ShiftModifier) result |= scShift;
    if (mods & Qt::ControlModifier) result |= scCtrl;
    if (mods & Qt::AltModifier) result |= scAlt;
    return result;
}

// ---------------------------------------------------------------------------------------------
// TMenuItem

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem() {
    // Children remove themselves from FItems as they go.
    while (!FItems.empty())
        delete FItems.back();
    if (FParent) FParent->Remove(this);
}

void TMenuItem::SetCaption(const String& value) {
    if (FCaption == value) return;
    FCaption = value;
    Changed();
}

void TMenuItem::SetChecked(bool value) {
    if (FChecked == value) return;
    FChecked = value;
    if (value && FRadioItem) TurnSiblingsOff();
    Changed();
}

void TMenuItem::SetDefault(bool value) {
    if (FDefault == value) return;
    if (value && FParent)
        for (TMenuItem* sibling : FParent->FItems)
            if (sibling != this) sibling->FDefault = false;
    FDefault = value;
    Changed();
}

void TMenuItem::SetEnabled(bool value) {
    if (FEnabled == value) return;
    FEnabled = value;
    Changed();
}

void TMenuItem::SetGroupIndex(uint8_t value) {
    if (FGroupIndex == value) return;
    FGroupIndex = value;
    if (FChecked && FRadioItem) TurnSiblingsOff();
    Changed();
}

void TMenuItem::SetHint(const String& value) {
    if (FHint == value) return;
    FHint = value;
    Changed();
}

void TMenuItem::SetRadioItem(bool value) {
    if (FRadioItem == value) return;
    FRadioItem = value;
    if (FChecked && FRadioItem) TurnSiblingsOff();
    Changed();
}

void TMenuItem::SetShortCut(TShortCut value) {
    if (FShortCut == value) return;
    FShortCut = value;
    Changed();
}

void TMenuItem::SetVisible(bool value) {
    if (FVisible == value) return;
    FVisible = value;
    Changed();
}

void TMenuItem::TurnSiblingsOff() {
    if (!FParent) return;
    for (TMenuItem* sibling : FParent->FItems)
        if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex)
            sibling->FChecked = false;
}

void TMenuItem::Click() {
    if (!FEnabled) return;
    Fire(OnClick, this);
}

TMenuItem* TMenuItem::Items(int index) const {
    if (index < 0 || index >= Count()) throw EMenuError(QStringLiteral("Menu index out of range"));
    return FItems[size_t(index)];
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    const auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

void TMenuItem::Add(TMenuItem* item) {
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item) throw EMenuError(QStringLiteral("Cannot insert a nil menu item"));
    if (item->FParent) throw EMenuError(QStringLiteral("Menu inserted twice"));
    for (const TMenuItem* p = this; p; p = p->FParent)
        if (p == item) throw EMenuError(QStringLiteral("Cannot insert a menu item into itself"));
    if (index < 0 || index > Count()) throw EMenuError(QStringLiteral("Menu index out of range"));
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
    if (item->FChecked && item->FRadioItem) item->TurnSiblingsOff();
    Changed();
}

void TMenuItem::Delete(int index) {
    TMenuItem* item = Items(index);
    FItems.erase(FItems.begin() + index);
    item->FParent = nullptr;
    Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
    const int index = IndexOf(item);
    if (index < 0) throw EMenuError(QStringLiteral("Menu item not found"));
    Delete(index);
}

void TMenuItem::Clear() {
    while (!FItems.empty())
        delete FItems.back();
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* root = this;
    while (root->FParent)
        root = root->FParent;
    return root->FMenu;
}

int TMenuItem::MenuIndex() const {
    return FParent ? FParent->IndexOf(this) : -1;
}

void TMenuItem::SetMenuIndex(int value) {
    if (!FParent) return;
    TMenuItem* parent = FParent;
    const int current = MenuIndex();
    value = std::clamp(value, 0, parent->Count() - 1);
    if (value == current) return;
    parent->FItems.erase(parent->FItems.begin() + current);
    parent->FItems.insert(parent->FItems.begin() + value, this);
    Changed();
}

TComponent* TMenuItem::GetParentComponent() const {
    if (FParent && FParent->FMenu) return FParent->FMenu;
    return FParent;
}

void TMenuItem::SetParentComponent(TComponent* value) {
    if (FParent) FParent->Remove(this);
    if (!value) return;
    if (auto* menu = dynamic_cast<TMenu*>(value))
        menu->Items()->Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(value))
        item->Add(this);
    else
        throw EMenuError(QStringLiteral("%1 cannot hold menu items").arg(value->ClassName()));
}

void TMenuItem::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
    for (TMenuItem* item : FItems)
        if (item->Owner() == root) proc(item);
}

void TMenuItem::Changed() {
    if (TMenu* menu = GetParentMenu()) menu->MenuChanged(this);
}

void TMenuItem::FillQMenu(QMenu* menu, const std::function<void(TMenuItem*)>& onChosen) const {
    // One exclusive action group per radio group, so Qt draws radio marks.
    std::map<uint8_t, QActionGroup*> radioGroups;
    for (TMenuItem* item : FItems) {
        if (!item->FVisible) continue;
        if (item->IsLine()) {
            menu->addSeparator();
            continue;
        }
        QAction* action = nullptr;
        if (item->Count() > 0) {
            QMenu* sub = menu->addMenu(item->FCaption);
            item->FillQMenu(sub, onChosen);
            action = sub->menuAction();
        } else {
            action = menu->addAction(item->FCaption);
            const TLifeToken alive = item->LifeToken();
            QObject::connect(action, &QAction::triggered, menu, [alive, item, onChosen] {
                if (alive) onChosen(item);
            });
        }
        action->setEnabled(item->FEnabled);
        if (item->FChecked || item->FRadioItem) {
            action->setCheckable(true);
            action->setChecked(item->FChecked);
        }
        if (item->FRadioItem) {
            QActionGroup*& group = radioGroups[item->FGroupIndex];
            if (!group) {
                group = new QActionGroup(menu);
                group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
            }
            group->addAction(action);
        }
        if (item->FShortCut != scNone) action->setShortcut(ShortCutToKeySequence(item->FShortCut));
        if (!item->FHint.isEmpty()) {
            action->setToolTip(item->FHint);
            action->setStatusTip(item->FHint);
        }
        if (item->FDefault) {
            QFont font = action->font();
            font.setBold(true);
            action->setFont(font);
            menu->setDefaultAction(action);
        }
    }
}
