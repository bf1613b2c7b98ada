#pragma once
// TTreeView: an outline of text nodes with images (QTreeWidget). The nodes live in the control,
// so they exist before and across its window. Form descriptions store them as the Items
// outline, one string per node in tree order: two spaces of indent per level, the text, then
// " [ImageIndex,SelectedIndex]" unless both are -1 (also when the text itself ends like that):
//   Items = ('Root [0,0]' '  Child [0,0]')

#include "framework/classes/StringList.h"
#include "framework/controls/WinControl.h"

#include <memory>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
class TChangeLink;
class TImageList;
class TTreeView;

class TTreeNode {
public:
    String Text() const { return FText; }
    void SetText(const String& value);
    // ImageIndex, SelectedIndex: -1 (none); the image shown normally and while selected.
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    int SelectedIndex() const { return FSelectedIndex; }
    void SetSelectedIndex(int value);

    TTreeNode* Parent() const { return FParent; }
    int Count() const { return int(FChildren.size()); }
    TTreeNode* Item(int index) const { return FChildren.at(size_t(index)).get(); }
    int Level() const { return FParent ? FParent->Level() + 1 : 0; }
    bool Expanded() const;
    void SetExpanded(bool value);

private:
    friend class TTreeView;
    TTreeView* FOwner = nullptr;
    TTreeNode* FParent = nullptr;
    String FText;
    int FImageIndex = -1;
    int FSelectedIndex = -1;
    bool FExpanded = false;
    std::vector<std::unique_ptr<TTreeNode>> FChildren;
    QTreeWidgetItem* FItem = nullptr; // its row while the window exists
};

class TTreeView : public TWinControl {
    VQ_CLASS(TTreeView, TWinControl)
public:
    explicit TTreeView(TComponent* AOwner);
    ~TTreeView() override;

    // The top-level nodes.
    int Count() const { return int(FRoots.size()); }
    TTreeNode* Item(int index) const { return FRoots.at(size_t(index)).get(); }
    // Every node in tree order (parents before their children).
    std::vector<TTreeNode*> AllNodes() const;
    // Appends a node under parent (nullptr: a top-level node).
    TTreeNode* Add(TTreeNode* parent, const String& text, int imageIndex = -1,
                   int selectedIndex = -1);
    void Clear();
    // The selected node, nullptr when none.
    TTreeNode* Selected() const;
    void SetSelected(TTreeNode* node);

    // Items: the outline described above; assigning rebuilds the nodes. A line indented more
    // than one level below the line before it raises EStringListError and changes nothing.
    TStrings* Items() const;
    void SetItems(TStrings* value);
    // Indent: 19; pixels each level moves in.
    int Indent() const { return FIndent; }
    void SetIndent(int value);
    // Images: nullptr; where ImageIndex and SelectedIndex point.
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* value);

    TNotifyEvent OnChange; // the selection moved

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TTreeNode;
    QTreeWidget* Tree() const;
    void Fill();
    void UpdateNode(TTreeNode* node);
    void UpdateAllImages();

    std::vector<std::unique_ptr<TTreeNode>> FRoots;
    mutable TStringList FOutline;
    int FIndent = 19;
    TImageList* FImages = nullptr;
    std::unique_ptr<TChangeLink> FImageLink;
    TTreeNode* FSelected = nullptr;
};
