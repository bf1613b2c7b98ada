#pragma once
// TListView: items with captions and images (QListWidget), shown as large icons, small icons,
// or a list of small icons in columns (vsList). The items live in the control. Form
// descriptions store them as Items, one string per item: the caption, then " [ImageIndex]"
// unless it is -1 (also when the caption itself ends like that):
//   Items = ('Item1 [0]' 'Item2 [0]')
// Unless ReadOnly, the user renames an item in place (F2, or a click on the selected item).

#include "framework/classes/StringList.h"
#include "framework/controls/WinControl.h"

#include <memory>
#include <vector>

class QListWidget;
class QListWidgetItem;
class TChangeLink;
class TImageList;
class TListView;

VQ_ENUM(TViewStyle, uint8_t, vsIcon, vsSmallIcon, vsList, vsReport)

class TListItem {
public:
    String Caption() const { return FCaption; }
    void SetCaption(const String& value);
    // ImageIndex: -1 (none).
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    int Index() const;

private:
    friend class TListView;
    TListView* FOwner = nullptr;
    String FCaption;
    int FImageIndex = -1;
    QListWidgetItem* FItem = nullptr; // its row while the window exists
};

// The user finished renaming Item; S holds the new caption, which the handler may change
// (an empty S keeps the old caption).
using TLVEditedEvent = std::function<void(TObject* Sender, TListItem* Item, String& S)>;

class TListView : public TWinControl {
    VQ_CLASS(TListView, TWinControl)
public:
    explicit TListView(TComponent* AOwner);
    ~TListView() override;

    int Count() const { return int(FItems.size()); }
    TListItem* Item(int index) const { return FItems.at(size_t(index)).get(); }
    TListItem* Add(const String& caption, int imageIndex = -1);
    void Clear();
    // Starts renaming the item in place (nothing when ReadOnly or without a window).
    void EditCaption(TListItem* item);
    // Whether an item is being renamed.
    bool IsEditing() const;

    // Items: the strings described above; assigning rebuilds the items.
    TStrings* Items() const;
    void SetItems(TStrings* value);
    // ViewStyle: vsIcon.
    TViewStyle ViewStyle() const { return FViewStyle; }
    void SetViewStyle(TViewStyle value);
    // ReadOnly: false; when true the user cannot rename items.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    // LargeImages (vsIcon) and SmallImages (the other styles): nullptr.
    TImageList* LargeImages() const { return FLargeImages; }
    void SetLargeImages(TImageList* value);
    TImageList* SmallImages() const { return FSmallImages; }
    void SetSmallImages(TImageList* value);

    TLVEditedEvent OnEdited;

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TListItem;
    QListWidget* List() const;
    TImageList* CurrentImages() const;
    void ApplyStyle();
    void UpdateItem(TListItem* item);
    void UpdateAll();
    void SetImageList(TImageList*& field, TImageList* value);
    void ItemEdited(QListWidgetItem* item);

    std::vector<std::unique_ptr<TListItem>> FItems;
    mutable TStringList FStrings;
    TViewStyle FViewStyle = vsIcon;
    bool FReadOnly = false;
    TImageList* FLargeImages = nullptr;
    TImageList* FSmallImages = nullptr;
    std::unique_ptr<TChangeLink> FLargeLink;
    std::unique_ptr<TChangeLink> FSmallLink;
    bool FFilling = false;
};
