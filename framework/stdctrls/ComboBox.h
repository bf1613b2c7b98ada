#pragma once
// TComboBox: a drop-down list (QComboBox), either with an edit for typing (csDropDown) or a
// pick-only list (csDropDownList). The control keeps Items, ItemIndex and Text itself, so they
// work before it has a window. OnChange reports the user's changes only: a picked item or typed
// text; whatever code sets is silent.

#include "framework/classes/StringList.h"
#include "framework/controls/WinControl.h"

#include <memory>

class QComboBox;

VQ_ENUM(TComboBoxStyle, uint8_t, csDropDown, csDropDownList)

class TComboBox : public TWinControl {
    VQ_CLASS(TComboBox, TWinControl)
public:
    explicit TComboBox(TComponent* AOwner);
    ~TComboBox() override;

    // Style: csDropDown; csDropDownList allows picking only.
    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle value);
    // Items: the list's strings; assigning copies them.
    TStringList* Items() const { return FItems.get(); }
    void SetItems(TStrings* value);
    // ItemIndex: -1; the selected item, -1 for none. Out-of-range values select none.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value);
    // DropDownCount: 8; the items visible when the list is dropped down.
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int value);
    // ItemHeight: 16; the height of one item in the dropped-down list.
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int value);
    // Sorted: false; the items keep alphabetical order (case-insensitive).
    bool Sorted() const { return FItems->Sorted(); }
    void SetSorted(bool value);
    // Whether the list is dropped down now.
    bool DroppedDown() const;
    void SetDroppedDown(bool value);
    void Clear();
    static bool IsTextStored(const TObject* o);

    TNotifyEvent OnChange;   // the user picked an item or typed
    TNotifyEvent OnDropDown; // the list is about to drop down

    bool WantsKey(uint16_t key) const override;

protected:
    virtual void Change();
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void TextChanged() override;
    QComboBox* Combo() const;

private:
    void ItemsChanged();
    void PushItems();
    void PushSelection(QComboBox* combo = nullptr);
    void UserPicked(int index);
    void UserTyped(const String& text);

    std::unique_ptr<TStringList> FItems;
    TComboBoxStyle FStyle = csDropDown;
    int FItemIndex = -1;
    int FDropDownCount = 8;
    int FItemHeight = 16;
    bool FPushing = false;
};
