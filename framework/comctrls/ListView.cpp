#include "framework/comctrls/ListView.h"

#include "framework/comctrls/IndexSuffix.h"
#include "framework/controls/Application.h"
#include "framework/controls/StaticContents.h"
#include "framework/graphics/ChangeLink.h"
#include "framework/graphics/ImageList.h"
#include "framework/system/ScopedChange.h"

#include <QIcon>
#include <QListWidget>
#include <QPixmap>

VQ_PUBLISH(TListView) {
    using C = TListView;
    P.Inherit();
    P.Property("Align", &C::Align, &C::SetAlign).Default(alNone);
    P.Property("Color", &C::Color, &C::SetColor)
        .Default(clWindow)
        .Stored(TStoredFn(&TControl::IsColorStored));
    P.Property("Enabled", &C::Enabled, &C::SetEnabled).Default(true);
    P.Property("Font", &C::Font, &C::SetFont).Stored(TStoredFn(&TControl::IsFontStored));
    P.Property(
        "Items", [](const C* c) -> TStrings* { return c->Items(); }, &C::SetItems);
    P.Property("LargeImages", &C::LargeImages, &C::SetLargeImages);
    P.Property("ParentColor", &C::ParentColor, &C::SetParentColor).Default(false);
    P.Property("ParentFont", &C::ParentFont, &C::SetParentFont).Default(true);
    P.Property("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint).Default(true);
    P.Property("ReadOnly", &C::ReadOnly, &C::SetReadOnly).Default(false);
    P.Property("ShowHint", &C::ShowHint, &C::SetShowHint)
        .Stored(TStoredFn(&TControl::IsShowHintStored));
    P.Property("SmallImages", &C::SmallImages, &C::SetSmallImages);
    P.Property("TabOrder", &C::TabOrder, &C::SetTabOrder).Default(-1);
    P.Property("TabStop", &C::TabStop, &C::SetTabStop).Default(true);
    P.Property("ViewStyle", &C::ViewStyle, &C::SetViewStyle).Default(vsIcon);
    P.Property("Visible", &C::Visible, &C::SetVisible).Default(true);
    P.Event("OnClick", &C::OnClick, "TNotifyEvent");
    P.Event("OnEdited", &C::OnEdited, "TLVEditedEvent");
    P.Event("OnEnter", &C::OnEnter, "TNotifyEvent");
    P.Event("OnExit", &C::OnExit, "TNotifyEvent");
}

namespace {

// Tells whether an item is being edited, which QListWidget keeps to itself.
class TListWidget : public QListWidget {
public:
    using QListWidget::QListWidget;
    bool Editing() const { return state() == EditingState; }
};

} // namespace

void TListItem::SetCaption(const String& value) {
    FCaption = value;
    if (FOwner) FOwner->UpdateItem(this);
}

void TListItem::SetImageIndex(int value) {
    FImageIndex = value;
    if (FOwner) FOwner->UpdateItem(this);
}

int TListItem::Index() const {
    if (!FOwner) return -1;
    for (int i = 0; i < FOwner->Count(); ++i)
        if (FOwner->Item(i) == this) return i;
    return -1;
}

TListView::TListView(TComponent* AOwner)
    : TWinControl(AOwner), FLargeLink(std::make_unique<TChangeLink>()),
      FSmallLink(std::make_unique<TChangeLink>()) {
    FControlStyle.Exclude(csSetCaption);
    FLargeLink->OnChange = [this](TObject*) { UpdateAll(); };
    FSmallLink->OnChange = [this](TObject*) { UpdateAll(); };
    SetBounds(0, 0, 250, 150);
    SetTabStop(true);
    SetParentColor(false);
}

TListView::~TListView() {
    if (FLargeImages) FLargeImages->UnRegisterChanges(FLargeLink.get());
    if (FSmallImages) FSmallImages->UnRegisterChanges(FSmallLink.get());
}

QListWidget* TListView::List() const {
    return static_cast<QListWidget*>(Widget());
}

TListItem* TListView::Add(const String& caption, int imageIndex) {
    auto item = std::make_unique<TListItem>();
    item->FOwner = this;
    item->FCaption = caption;
    item->FImageIndex = imageIndex;
    TListItem* it = item.get();
    FItems.push_back(std::move(item));
    if (QListWidget* list = List()) {
        TScopedChange<bool> filling(FFilling, true);
        it->FItem = new QListWidgetItem(list);
        UpdateItem(it);
    }
    return it;
}

void TListView::Clear() {
    if (QListWidget* list = List()) list->clear();
    FItems.clear();
}

TStrings* TListView::Items() const {
    FStrings.Clear();
    for (const auto& it : FItems) {
        String line = it->FCaption;
        if (it->FImageIndex != -1 || HasIndexSuffix(it->FCaption, 1))
            line += QStringLiteral(" [%1]").arg(it->FImageIndex);
        FStrings.Add(line);
    }
    return &FStrings;
}

void TListView::SetItems(TStrings* value) {
    std::vector<std::pair<String, int>> items;
    for (int i = 0; i < value->Count(); ++i) {
        const String s = value->Strings(i);
        String text;
        int index;
        if (SplitIndexSuffix(s, 1, text, &index))
            items.emplace_back(text, index);
        else
            items.emplace_back(s, -1);
    }
    Clear();
    for (const auto& [caption, image] : items)
        Add(caption, image);
}

void TListView::SetViewStyle(TViewStyle value) {
    if (FViewStyle == value) return;
    FViewStyle = value;
    ApplyStyle();
    UpdateAll();
}

void TListView::SetReadOnly(bool value) {
    if (FReadOnly == value) return;
    FReadOnly = value;
    ApplyStyle();
    UpdateAll();
}

void TListView::SetImageList(TImageList*& field, TImageList* value) {
    if (field == value) return;
    TChangeLink* link = &field == &FLargeImages ? FLargeLink.get() : FSmallLink.get();
    if (field) {
        field->UnRegisterChanges(link);
        field->RemoveFreeNotification(this);
    }
    field = value;
    if (value) {
        value->RegisterChanges(link);
        value->FreeNotification(this);
    }
    ApplyStyle();
    UpdateAll();
}

void TListView::SetLargeImages(TImageList* value) {
    SetImageList(FLargeImages, value);
}

void TListView::SetSmallImages(TImageList* value) {
    SetImageList(FSmallImages, value);
}

void TListView::Notification(TComponent* AComponent, TOperation Operation) {
    TWinControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FLargeImages) FLargeImages = nullptr;
    if (AComponent == FSmallImages) FSmallImages = nullptr;
    if (AComponent == FLargeImages || AComponent == FSmallImages) UpdateAll();
}

TImageList* TListView::CurrentImages() const {
    return FViewStyle == vsIcon ? FLargeImages : FSmallImages;
}

void TListView::EditCaption(TListItem* item) {
    QListWidget* list = List();
    if (FReadOnly || !list || !item || !item->FItem) return;
    list->setCurrentItem(item->FItem);
    list->editItem(item->FItem);
}

bool TListView::IsEditing() const {
    const QListWidget* list = List();
    return list && static_cast<const TListWidget*>(list)->Editing();
}

void TListView::ApplyStyle() {
    QListWidget* list = List();
    if (!list) return;
    const TImageList* images = CurrentImages();
    const int size =
        images ? std::max(images->Width(), images->Height()) : (FViewStyle == vsIcon ? 32 : 16);
    list->setIconSize(QSize(size, size));
    list->setViewMode(FViewStyle == vsIcon ? QListView::IconMode : QListView::ListMode);
    list->setFlow(FViewStyle == vsIcon || FViewStyle == vsSmallIcon ? QListView::LeftToRight
                                                                    : QListView::TopToBottom);
    // vsList: columns of small icons, filled top to bottom, then left to right.
    list->setWrapping(FViewStyle != vsReport);
    list->setResizeMode(QListView::Adjust);
    list->setMovement(QListView::Static);
    list->setEditTriggers(FReadOnly ? QAbstractItemView::NoEditTriggers
                                    : QAbstractItemView::EditKeyPressed |
                                          QAbstractItemView::SelectedClicked);
    // In columns the items keep their places and sizes whatever the width (only the height
    // wraps them), so a resize need repaint only what it exposes and the frame it moved, and
    // a move of the list (a splitter's pane) copies its pixels.
    const bool anchored = FViewStyle == vsList && list->layoutDirection() == Qt::LeftToRight;
    SetWidgetStaticContents(list, anchored ? TEdgeBands([list] {
                                return QSize(list->frameWidth(), list->frameWidth());
                            })
                                           : nullptr);
    SetWidgetStaticContents(list->viewport(),
                            anchored ? TEdgeBands([] { return QSize(0, 0); }) : nullptr);
}

void TListView::UpdateItem(TListItem* item) {
    QListWidgetItem* it = item->FItem;
    if (!it) return;
    TScopedChange<bool> filling(FFilling, true);
    it->setText(item->FCaption);
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (!FReadOnly) flags |= Qt::ItemIsEditable;
    it->setFlags(flags);
    const TImageList* images = CurrentImages();
    if (images && item->FImageIndex >= 0 && item->FImageIndex < images->Count())
        it->setIcon(QIcon(QPixmap::fromImage(images->Image(item->FImageIndex))));
    else
        it->setIcon(QIcon());
}

void TListView::UpdateAll() {
    for (const auto& it : FItems)
        UpdateItem(it.get());
}

void TListView::ItemEdited(QListWidgetItem* changed) {
    if (FFilling) return;
    for (const auto& it : FItems) {
        if (it->FItem != changed) continue;
        String s = changed->text();
        if (s == it->FCaption) return;
        const TLifeToken alive = LifeToken();
        if (!Fire(OnEdited, this, it.get(), s)) return;
        if (!s.isEmpty()) it->FCaption = s;
        UpdateItem(it.get());
        return;
    }
}

QWidget* TListView::CreateWidget(QWidget* parentWidget) {
    auto* list = new TListWidget(parentWidget);
    SetOpaqueWhenSquareFramed(list);
    QObject::connect(list, &QListWidget::itemChanged, list, [this](QListWidgetItem* item) {
        Application->Guard(this, [&] { ItemEdited(item); });
    });
    return list;
}

void TListView::CreateWnd() {
    TWinControl::CreateWnd();
    QListWidget* list = List();
    if (!list) return;
    ApplyStyle();
    TScopedChange<bool> filling(FFilling, true);
    for (const auto& it : FItems) {
        it->FItem = new QListWidgetItem(list);
        UpdateItem(it.get());
    }
}

void TListView::DestroyWnd() {
    for (const auto& it : FItems)
        it->FItem = nullptr;
    TWinControl::DestroyWnd();
}
