#include "framework/comctrls/TreeView.h"

#include "framework/comctrls/IndexSuffix.h"
#include "framework/controls/Application.h"
#include "framework/graphics/ChangeLink.h"
#include "framework/graphics/ImageList.h"

#include <QHeaderView>
#include <QIcon>
#include <QPixmap>
#include <QTreeWidget>

VQ_PUBLISH(TTreeView) {
    using C = TTreeView;
    P.Inherit();
    P.Property("Align", &C::Align, &C::SetAlign).Default(alNone);
    P.Property("Color", &C::Color, &C::SetColor)
        .Default(clWindow)
        .Stored(TStoredFn(&TControl::IsColorStored));
    P.Property("Enabled", &C::Enabled, &C::SetEnabled).Default(true);
    P.Property("Font", &C::Font, &C::SetFont).Stored(TStoredFn(&TControl::IsFontStored));
    P.Property("Images", &C::Images, &C::SetImages);
    P.Property("Indent", &C::Indent, &C::SetIndent).Default(19);
    P.Property(
        "Items", [](const C* c) -> TStrings* { return c->Items(); }, &C::SetItems);
    P.Property("ParentColor", &C::ParentColor, &C::SetParentColor).Default(false);
    P.Property("ParentFont", &C::ParentFont, &C::SetParentFont).Default(true);
    P.Property("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint).Default(true);
    P.Property("ShowHint", &C::ShowHint, &C::SetShowHint)
        .Stored(TStoredFn(&TControl::IsShowHintStored));
    P.Property("TabOrder", &C::TabOrder, &C::SetTabOrder).Default(-1);
    P.Property("TabStop", &C::TabStop, &C::SetTabStop).Default(true);
    P.Property("Visible", &C::Visible, &C::SetVisible).Default(true);
    P.Event("OnChange", &C::OnChange, "TNotifyEvent");
    P.Event("OnClick", &C::OnClick, "TNotifyEvent");
    P.Event("OnEnter", &C::OnEnter, "TNotifyEvent");
    P.Event("OnExit", &C::OnExit, "TNotifyEvent");
}

// Nodes -------------------------------------------------------------------------------------------

void TTreeNode::SetText(const String& value) {
    FText = value;
    if (FOwner) FOwner->UpdateNode(this);
}

void TTreeNode::SetImageIndex(int value) {
    FImageIndex = value;
    if (FOwner) FOwner->UpdateNode(this);
}

void TTreeNode::SetSelectedIndex(int value) {
    FSelectedIndex = value;
    if (FOwner) FOwner->UpdateNode(this);
}

bool TTreeNode::Expanded() const {
    return FItem ? FItem->isExpanded() : FExpanded;
}

void TTreeNode::SetExpanded(bool value) {
    FExpanded = value;
    if (FItem) FItem->setExpanded(value);
}

// The control ---------------------------------------------------------------------------------

TTreeView::TTreeView(TComponent* AOwner)
    : TWinControl(AOwner), FImageLink(std::make_unique<TChangeLink>()) {
    FControlStyle.Exclude(csSetCaption);
    FImageLink->OnChange = [this](TObject*) { UpdateAllImages(); };
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetParentColor(false);
}

TTreeView::~TTreeView() {
    if (FImages) FImages->UnRegisterChanges(FImageLink.get());
}

QTreeWidget* TTreeView::Tree() const {
    return static_cast<QTreeWidget*>(Widget());
}

std::vector<TTreeNode*> TTreeView::AllNodes() const {
    std::vector<TTreeNode*> out;
    std::function<void(const std::vector<std::unique_ptr<TTreeNode>>&)> walk =
        [&](const std::vector<std::unique_ptr<TTreeNode>>& nodes) {
            for (const auto& n : nodes) {
                out.push_back(n.get());
                walk(n->FChildren);
            }
        };
    walk(FRoots);
    return out;
}

TTreeNode* TTreeView::Add(TTreeNode* parent, const String& text, int imageIndex,
                          int selectedIndex) {
    auto node = std::make_unique<TTreeNode>();
    node->FOwner = this;
    node->FParent = parent;
    node->FText = text;
    node->FImageIndex = imageIndex;
    node->FSelectedIndex = selectedIndex;
    TTreeNode* n = node.get();
    (parent ? parent->FChildren : FRoots).push_back(std::move(node));
    if (QTreeWidget* tree = Tree()) {
        n->FItem = parent && parent->FItem ? new QTreeWidgetItem(parent->FItem)
                                           : new QTreeWidgetItem(tree);
        UpdateNode(n);
    }
    return n;
}

void TTreeView::Clear() {
    FSelected = nullptr;
    if (QTreeWidget* tree = Tree()) tree->clear();
    FRoots.clear();
}

TTreeNode* TTreeView::Selected() const {
    return FSelected;
}

void TTreeView::SetSelected(TTreeNode* node) {
    if (FSelected == node) return;
    FSelected = node;
    if (QTreeWidget* tree = Tree()) tree->setCurrentItem(node ? node->FItem : nullptr);
    for (TTreeNode* n : AllNodes())
        UpdateNode(n);
    Fire(OnChange, this);
}

TStrings* TTreeView::Items() const {
    FOutline.Clear();
    for (const TTreeNode* n : AllNodes()) {
        String line = String(n->Level() * 2, u' ') + n->FText;
        if (n->FImageIndex != -1 || n->FSelectedIndex != -1 || HasIndexSuffix(n->FText, 2))
            line += QStringLiteral(" [%1,%2]").arg(n->FImageIndex).arg(n->FSelectedIndex);
        FOutline.Add(line);
    }
    return &FOutline;
}

void TTreeView::SetItems(TStrings* value) {
    struct Line {
        int Level;
        String Text;
        int Image, Selected;
    };
    // Parse everything first, so a bad outline leaves the nodes as they were.
    std::vector<Line> lines;
    for (int i = 0; i < value->Count(); ++i) {
        const String s = value->Strings(i);
        int spaces = 0;
        while (spaces < s.size() && s[spaces] == u' ')
            ++spaces;
        Line line{spaces / 2, s.mid(spaces), -1, -1};
        const int previous = lines.empty() ? -1 : lines.back().Level;
        if (line.Level > previous + 1)
            throw EStringListError(
                QStringLiteral("Tree outline line %1 is indented too far").arg(i + 1));
        int indexes[2];
        if (SplitIndexSuffix(line.Text, 2, line.Text, indexes)) {
            line.Image = indexes[0];
            line.Selected = indexes[1];
        }
        lines.push_back(line);
    }
    Clear();
    std::vector<TTreeNode*> path;
    for (const Line& l : lines) {
        path.resize(size_t(l.Level));
        path.push_back(Add(path.empty() ? nullptr : path.back(), l.Text, l.Image, l.Selected));
    }
}

void TTreeView::SetIndent(int value) {
    if (FIndent == value) return;
    FIndent = value;
    if (QTreeWidget* tree = Tree()) tree->setIndentation(value);
}

void TTreeView::SetImages(TImageList* value) {
    if (FImages == value) return;
    if (FImages) {
        FImages->UnRegisterChanges(FImageLink.get());
        FImages->RemoveFreeNotification(this);
    }
    FImages = value;
    if (value) {
        value->RegisterChanges(FImageLink.get());
        value->FreeNotification(this);
    }
    UpdateAllImages();
}

void TTreeView::Notification(TComponent* AComponent, TOperation Operation) {
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages) {
        FImages = nullptr;
        UpdateAllImages();
    }
}

void TTreeView::UpdateAllImages() {
    if (QTreeWidget* tree = Tree()) {
        if (FImages) tree->setIconSize(QSize(FImages->Width(), FImages->Height()));
        for (TTreeNode* n : AllNodes())
            UpdateNode(n);
    }
}

void TTreeView::UpdateNode(TTreeNode* node) {
    QTreeWidgetItem* item = node->FItem;
    if (!item) return;
    item->setText(0, node->FText);
    const int index = node == FSelected ? node->FSelectedIndex : node->FImageIndex;
    if (FImages && index >= 0 && index < FImages->Count())
        item->setIcon(0, QIcon(QPixmap::fromImage(FImages->Image(index))));
    else
        item->setIcon(0, QIcon());
}

QWidget* TTreeView::CreateWidget(QWidget* parentWidget) {
    auto* tree = new QTreeWidget(parentWidget);
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setIndentation(FIndent);
    tree->setRootIsDecorated(true);
    SetOpaqueWhenSquareFramed(tree);
    QObject::connect(tree, &QTreeWidget::currentItemChanged, tree,
                     [this](QTreeWidgetItem* current, QTreeWidgetItem*) {
                         Application->Guard(this, [&] {
                             TTreeNode* node = nullptr;
                             for (TTreeNode* n : AllNodes())
                                 if (n->FItem == current) node = n;
                             SetSelected(node);
                         });
                     });
    return tree;
}

void TTreeView::CreateWnd() {
    TWinControl::CreateWnd();
    if (Tree()) Fill();
}

void TTreeView::Fill() {
    QTreeWidget* tree = Tree();
    if (FImages) tree->setIconSize(QSize(FImages->Width(), FImages->Height()));
    for (TTreeNode* n : AllNodes()) {
        n->FItem = n->FParent ? new QTreeWidgetItem(n->FParent->FItem) : new QTreeWidgetItem(tree);
        UpdateNode(n);
    }
    for (TTreeNode* n : AllNodes())
        n->FItem->setExpanded(n->FExpanded);
    if (FSelected) tree->setCurrentItem(FSelected->FItem);
}

void TTreeView::DestroyWnd() {
    for (TTreeNode* n : AllNodes()) {
        if (n->FItem) n->FExpanded = n->FItem->isExpanded();
        n->FItem = nullptr;
    }
    TWinControl::DestroyWnd();
}
