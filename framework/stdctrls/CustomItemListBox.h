#pragma once
// TCustomItemListBox: a list of items, each a text with an optional glyph and an indent, over
// a QListWidget. The items live in the control (the window mirrors them), so descendants fill
// them without a window and tests read them back. The base of the directory and file lists.

#include "framework/controls/WinControl.h"

#include <QImage>
#include <vector>

class QListWidget;

class TCustomItemListBox : public TWinControl {
    VQ_CLASS(TCustomItemListBox, TWinControl)
public:
    explicit TCustomItemListBox(TComponent* AOwner);

    struct TItem {
        String Text;
        QImage Glyph;   // null: none
        int Indent = 0; // in steps of the glyph width
    };

    int Count() const { return int(FItems.size()); }
    const TItem& Item(int index) const; // EListError out of range
    String ItemText(int index) const { return Item(index).Text; }
    // ItemIndex: the highlighted item, -1 for none. Setting it (by code) fires no event.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value);
    // ItemHeight: 16; the height of every item.
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int value);
    // IntegralHeight: false; the height shrinks to whole items (plus the frame).
    bool IntegralHeight() const { return FIntegralHeight; }
    void SetIntegralHeight(bool value);

    TNotifyEvent OnChange; // the list's own change; descendants say when it fires

protected:
    // Replaces the items; the highlight goes to highlight (clamped, -1 for none).
    void SetItems(std::vector<TItem> items, int highlight);
    // The user moved the highlight (keys, mouse).
    virtual void HighlightChanged() {}
    // Fires OnChange.
    virtual void Change();
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void CreateWnd() override;
    bool CanResize(int& NewWidth, int& NewHeight) override;
    void FontChanged() override;
    QListWidget* ListWidget() const;

private:
    void FillWidget();

    std::vector<TItem> FItems;
    int FItemIndex = -1;
    int FItemHeight = 16;
    bool FIntegralHeight = false;
    bool FPushing = false;
};
