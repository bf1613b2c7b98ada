#pragma once
// TMenuItem: one entry of a menu, and through its sub-items a whole menu tree. A caption of
// exactly "-" is a separator line; '&' marks the next character as the access key ("&&" is a
// literal ampersand). Items belong to their owner (the form) like any component; the item they
// are inserted into is their parent, and a parent frees its remaining sub-items with itself.

#include "framework/classes/Component.h"

#include <QKeySequence>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class TMenu;
class QMenu;

using TNotifyEvent = std::function<void(TObject* Sender)>;

VQ_DECLARE_EXCEPTION(EMenuError, Exception)

// A key with modifier bits: the virtual-key code in the low byte.
using TShortCut = uint16_t;
enum : TShortCut { scNone = 0, scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000 };

// The key sequence a menu shows and answers to; empty for scNone or a key Qt has no name for.
QKeySequence ShortCutToKeySequence(TShortCut shortCut);
// "Ctrl+S", "Shift+F5", "Alt+Del"; empty for scNone.
String ShortCutToText(TShortCut shortCut);
// The inverse of ShortCutToText; scNone for empty or unknown text.
TShortCut TextToShortCut(const String& text);

class TMenuItem : public TComponent {
    VQ_CLASS(TMenuItem, TComponent)
public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;

    // Caption: default empty; "-" makes a separator.
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& value);
    // Checked: default False. Checking a radio item unchecks the radio items of the same
    // GroupIndex under the same parent.
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    // Default: default False; the default item is shown bold, and there is one per level.
    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    // Enabled: default True; a disabled item is greyed and cannot be chosen.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    // GroupIndex: default 0; the radio group of the item among its siblings.
    uint8_t GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(uint8_t value);
    // Hint: default empty; shown as the item's tool tip and status tip.
    const String& Hint() const { return FHint; }
    void SetHint(const String& value);
    // RadioItem: default False; a checked radio item shows a radio mark instead of a check.
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool value);
    // ShortCut: default scNone; shown beside the caption.
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut value);
    // Visible: default True; a hidden item takes no place in the menu.
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);

    // OnClick: fires when the item is chosen (after its menu has closed), only while enabled.
    TNotifyEvent OnClick;

    // Fires OnClick if the item is enabled.
    virtual void Click();

    bool IsLine() const { return FCaption == QStringLiteral("-"); }

    int Count() const { return int(FItems.size()); }
    // EMenuError when out of range.
    TMenuItem* Items(int index) const;
    int IndexOf(const TMenuItem* item) const; // -1 when not a sub-item
    // Appends / inserts a sub-item; EMenuError when it already has a parent, when it would
    // contain itself, or when the index is out of range (0..Count).
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    // Takes the sub-item out of the list without freeing it (its owner still frees it).
    void Delete(int index);
    void Remove(TMenuItem* item);
    // Frees every sub-item.
    void Clear();

    TMenuItem* Parent() const { return FParent; }
    // The menu whose tree holds this item, or nullptr.
    TMenu* GetParentMenu() const;
    // Position among the parent's sub-items, -1 without parent.
    int MenuIndex() const;
    void SetMenuIndex(int value);

    // Form descriptions nest sub-items inside their item and top items inside their menu.
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* value) override;
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

    // Adds QActions (and sub-menus) for the visible sub-items to menu. onChosen is called with
    // an item when its action triggers, only while that item still exists.
    void FillQMenu(QMenu* menu, const std::function<void(TMenuItem*)>& onChosen) const;

private:
    friend class TMenu;
    void Changed();
    void TurnSiblingsOff();

    String FCaption;
    String FHint;
    bool FChecked = false;
    bool FDefault = false;
    bool FEnabled = true;
    bool FRadioItem = false;
    bool FVisible = true;
    uint8_t FGroupIndex = 0;
    TShortCut FShortCut = scNone;
    TMenuItem* FParent = nullptr;
    TMenu* FMenu = nullptr; // set on a menu's root item only
    std::vector<TMenuItem*> FItems;
};
