#include "framework/stdctrls/ComboBox.h"

#include "framework/controls/Application.h"
#include "framework/controls/PopupMenu.h"
#include "framework/system/ScopedChange.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QStyledItemDelegate>

namespace {

// The list's items take the combo box's ItemHeight.
class TItemHeightDelegate : public QStyledItemDelegate {
public:
    TItemHeightDelegate(int height, QObject* parent)
        : QStyledItemDelegate(parent), FHeight(height) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(FHeight);
        return size;
    }
    int FHeight;
};

// The application's style, except that the list drops down below the box and shows
// DropDownCount rows, scrolling the rest. Styles that open a pick-only list as a menu over the
// box (Fusion does) ignore the visible-item count and show every item at once.
class TDropDownListStyle : public QProxyStyle {
public:
    explicit TDropDownListStyle(const QString& base) : QProxyStyle(base) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    // One for every combo box, on the application's style; it goes with the application.
    static QStyle* Instance() {
        static QPointer<TDropDownListStyle> style;
        if (!style) {
            style = new TDropDownListStyle(QApplication::style()->name());
            style->setParent(qApp);
        }
        return style;
    }
};

// Reports the drop-down before the list opens.
class TComboWidget : public QComboBox {
public:
    TComboWidget(std::function<void()> dropping, QWidget* parent)
        : QComboBox(parent), FDropping(std::move(dropping)) {}
    void showPopup() override {
        FDropping();
        QComboBox::showPopup();
    }

private:
    std::function<void()> FDropping;
};

} // namespace

VQ_PUBLISH(TComboBox) {
    using C = TComboBox;
    P.Inherit();
    P.Property("Style", &C::Style, &C::SetStyle).Default(csDropDown);
    P.Property("Color", &C::Color, &C::SetColor)
        .Default(clWindow)
        .Stored(TStoredFn(&TControl::IsColorStored));
    P.Property("Ctl3D", &C::Ctl3D, &C::SetCtl3D).Stored(TStoredFn(&TWinControl::IsCtl3DStored));
    P.Property("DragCursor", &C::DragCursor, &C::SetDragCursor)
        .Default(crDrag)
        .Idents(CursorIdents());
    P.Property("DragMode", &C::DragMode, &C::SetDragMode).Default(dmManual);
    P.Property("DropDownCount", &C::DropDownCount, &C::SetDropDownCount).Default(8);
    P.Property("Enabled", &C::Enabled, &C::SetEnabled).Default(true);
    P.Property("Font", &C::Font, &C::SetFont).Stored(TStoredFn(&TControl::IsFontStored));
    P.Property("ItemHeight", &C::ItemHeight, &C::SetItemHeight).Default(16);
    P.Property(
        "Items", [](const C* c) -> TStrings* { return c->Items(); }, &C::SetItems);
    P.Property("ItemIndex", &C::ItemIndex, &C::SetItemIndex).Default(-1);
    P.Property("ParentColor", &C::ParentColor, &C::SetParentColor).Default(false);
    P.Property("ParentCtl3D", &C::ParentCtl3D, &C::SetParentCtl3D).Default(true);
    P.Property("ParentFont", &C::ParentFont, &C::SetParentFont).Default(true);
    P.Property("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint).Default(true);
    P.Property("PopupMenu", &C::PopupMenu, &C::SetPopupMenu);
    P.Property("ShowHint", &C::ShowHint, &C::SetShowHint)
        .Stored(TStoredFn(&TControl::IsShowHintStored));
    P.Property("Sorted", &C::Sorted, &C::SetSorted).Default(false);
    P.Property("TabOrder", &C::TabOrder, &C::SetTabOrder).Default(-1);
    P.Property("TabStop", &C::TabStop, &C::SetTabStop).Default(true);
    // The text of a pick-only list is its item's; only an editable box stores its own.
    P.Property("Text", &C::Text, &C::SetText).Stored(TStoredFn(&C::IsTextStored));
    P.Property("Visible", &C::Visible, &C::SetVisible).Default(true);
    P.Event("OnChange", &C::OnChange, "TNotifyEvent");
    P.Event("OnClick", &C::OnClick, "TNotifyEvent");
    P.Event("OnDblClick", &C::OnDblClick, "TNotifyEvent");
    P.Event("OnDragDrop", &C::OnDragDrop, "TDragDropEvent");
    P.Event("OnDragOver", &C::OnDragOver, "TDragOverEvent");
    P.Event("OnDropDown", &C::OnDropDown, "TNotifyEvent");
    P.Event("OnEndDrag", &C::OnEndDrag, "TEndDragEvent");
    P.Event("OnEnter", &C::OnEnter, "TNotifyEvent");
    P.Event("OnExit", &C::OnExit, "TNotifyEvent");
    P.Event("OnKeyDown", &C::OnKeyDown, "TKeyEvent");
    P.Event("OnKeyPress", &C::OnKeyPress, "TKeyPressEvent");
    P.Event("OnKeyUp", &C::OnKeyUp, "TKeyEvent");
    P.Event("OnStartDrag", &C::OnStartDrag, "TStartDragEvent");
}

TComboBox::TComboBox(TComponent* AOwner)
    : TWinControl(AOwner), FItems(std::make_unique<TStringList>()) {
    FControlStyle = TControlStyle{csSetCaption, csDoubleClicks, csFixedHeight};
    FItems->OnChange = [this](TObject*) { ItemsChanged(); };
    SetBounds(0, 0, 145, 21);
    SetTabStop(true);
    SetParentColor(false);
}

TComboBox::~TComboBox() {
    FItems->OnChange = nullptr;
}

QComboBox* TComboBox::Combo() const {
    return static_cast<QComboBox*>(Widget());
}

QWidget* TComboBox::CreateWidget(QWidget* parentWidget) {
    auto* combo = new TComboWidget(
        [this] { Application->Guard(this, [this] { Fire(OnDropDown, this); }); }, parentWidget);
    // Before the list's container exists, so that it is made for this style.
    combo->setStyle(TDropDownListStyle::Instance());
    combo->setEditable(FStyle == csDropDown);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(FDropDownCount);
    combo->setItemDelegate(new TItemHeightDelegate(FItemHeight, combo));
    {
        TScopedChange pushing(FPushing, true);
        combo->addItems(FItems->ToStringList());
    }
    PushSelection(combo);
    // activated: the user picked an item, with the mouse or the keys (even the same one).
    QObject::connect(combo, &QComboBox::activated, combo, [this](int index) {
        if (FPushing) return;
        Application->Guard(this, [this, index] { UserPicked(index); });
    });
    // Arrow keys on a closed list change the item without activated.
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [this](int index) {
        if (FPushing || index == FItemIndex) return;
        Application->Guard(this, [this, index] { UserPicked(index); });
    });
    if (QLineEdit* edit = combo->lineEdit()) {
        QObject::connect(edit, &QLineEdit::textEdited, combo, [this](const QString& text) {
            if (FPushing) return;
            Application->Guard(this, [this, text] { UserTyped(text); });
        });
    }
    return combo;
}

bool TComboBox::IsTextStored(const TObject* o) {
    return static_cast<const TComboBox*>(o)->Style() == csDropDown;
}

void TComboBox::UserPicked(int index) {
    const bool changed = index != FItemIndex;
    FItemIndex = index;
    const String text = index >= 0 && index < FItems->Count() ? FItems->Get(index) : String();
    const bool textChanged = text != Text();
    StoreText(text);
    if (changed || textChanged) Change();
}

void TComboBox::UserTyped(const String& text) {
    StoreText(text);
    // Typing leaves the list's selection; an exact match selects its item again.
    FItemIndex = -1;
    for (int i = 0; i < FItems->Count(); ++i)
        if (FItems->Get(i) == text) {
            FItemIndex = i;
            break;
        }
    if (QComboBox* combo = Combo()) {
        TScopedChange pushing(FPushing, true);
        const int pos = combo->lineEdit() ? combo->lineEdit()->cursorPosition() : 0;
        combo->setCurrentIndex(FItemIndex);
        if (QLineEdit* edit = combo->lineEdit()) {
            if (edit->text() != text) edit->setText(text);
            edit->setCursorPosition(pos);
        }
    }
    Change();
}

void TComboBox::Change() {
    Fire(OnChange, this);
}

void TComboBox::PushItems() {
    QComboBox* combo = Combo();
    if (!combo) return;
    {
        TScopedChange pushing(FPushing, true);
        combo->clear();
        combo->addItems(FItems->ToStringList());
    }
    PushSelection();
}

void TComboBox::PushSelection(QComboBox* combo) {
    if (!combo) combo = Combo();
    if (!combo) return;
    TScopedChange pushing(FPushing, true);
    combo->setCurrentIndex(FItemIndex);
    if (FStyle == csDropDown && combo->currentText() != Text()) combo->setEditText(Text());
}

void TComboBox::ItemsChanged() {
    // The selection stays on its index while it exists; the text of a pick-only list follows.
    if (FItemIndex >= FItems->Count()) FItemIndex = -1;
    if (FStyle == csDropDownList) StoreText(FItemIndex >= 0 ? FItems->Get(FItemIndex) : String());
    PushItems();
}

void TComboBox::SetItems(TStrings* value) {
    if (value && value != FItems.get()) FItems->Assign(value);
}

void TComboBox::SetItemIndex(int value) {
    if (value < -1 || value >= FItems->Count()) value = -1;
    FItemIndex = value;
    StoreText(value >= 0 ? FItems->Get(value) : String());
    PushSelection();
}

void TComboBox::TextChanged() {
    if (FStyle == csDropDownList) {
        // A pick-only list shows its items only: the text selects the item it names.
        const int index = FItems->IndexOf(Text());
        FItemIndex = index;
        StoreText(index >= 0 ? FItems->Get(index) : String());
    } else {
        FItemIndex = -1;
        for (int i = 0; i < FItems->Count(); ++i)
            if (FItems->Get(i) == Text()) {
                FItemIndex = i;
                break;
            }
    }
    PushSelection();
}

void TComboBox::SetStyle(TComboBoxStyle value) {
    if (FStyle == value) return;
    FStyle = value;
    if (value == csDropDownList) StoreText(FItemIndex >= 0 ? FItems->Get(FItemIndex) : String());
    if (Widget()) RecreateWnd();
}

void TComboBox::SetDropDownCount(int value) {
    if (value < 1) value = 1;
    if (FDropDownCount == value) return;
    FDropDownCount = value;
    if (QComboBox* combo = Combo()) combo->setMaxVisibleItems(value);
}

void TComboBox::SetItemHeight(int value) {
    if (value < 1) value = 1;
    if (FItemHeight == value) return;
    FItemHeight = value;
    if (QComboBox* combo = Combo()) combo->setItemDelegate(new TItemHeightDelegate(value, combo));
}

void TComboBox::SetSorted(bool value) {
    if (FItems->Sorted() == value) return;
    const String selected = FItemIndex >= 0 ? FItems->Get(FItemIndex) : String();
    const bool hadSelection = FItemIndex >= 0;
    FItems->SetSorted(value);
    // Sorting moves the selected item; the selection follows it.
    if (hadSelection) {
        FItemIndex = FItems->IndexOf(selected);
        PushSelection();
    }
}

bool TComboBox::DroppedDown() const {
    QComboBox* combo = Combo();
    return combo && combo->view() && combo->view()->isVisible();
}

void TComboBox::SetDroppedDown(bool value) {
    if (value) HandleNeeded();
    QComboBox* combo = Combo();
    if (!combo || value == DroppedDown()) return;
    if (value)
        combo->showPopup();
    else
        combo->hidePopup();
}

void TComboBox::Clear() {
    FItems->Clear();
    FItemIndex = -1;
    StoreText(String());
    PushSelection();
}

bool TComboBox::WantsKey(uint16_t key) const {
    // The arrows move through the items; Enter and Escape close a dropped-down list.
    return key == 0x26 || key == 0x28 || ((key == 0x0D || key == 0x1B) && DroppedDown());
}
