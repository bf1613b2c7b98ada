// Qt's accessibility interfaces over TControl's Acc* answers. A control whose widget the
// framework paints gets a TControlAccessible from the factory installed with the first window;
// the items it draws get TControlItemAccessible children, registered with Qt's cache so that
// the bridge can address them. Native widgets keep the interfaces Qt gives them.

#include "framework/controls/Accessibility.h"

#include "framework/controls/Application.h"
#include "framework/controls/Control.h"
#include "framework/controls/WinControl.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <utility>

String StripAccelerator(const String& caption) {
    String out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&') {
            out += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == u'&') {
            out += u'&';
            ++i;
        }
    }
    return out;
}

namespace {

QAccessible::Role QtRole(TAccRole role) {
    switch (role) {
    case arDefault:
        return QAccessible::Client;
    case arWindow:
        return QAccessible::Window;
    case arDialog:
        return QAccessible::Dialog;
    case arSection:
        return QAccessible::Section;
    case arStaticText:
        return QAccessible::StaticText;
    case arGraphic:
        return QAccessible::Graphic;
    case arAnimation:
        return QAccessible::Animation;
    case arPushButton:
        return QAccessible::PushButton;
    case arMenuButton:
        return QAccessible::ButtonMenu;
    case arProgressBar:
        return QAccessible::ProgressBar;
    case arSeparator:
        return QAccessible::Separator;
    case arSplitter:
        return QAccessible::Splitter;
    case arTable:
        return QAccessible::Table;
    case arCell:
        return QAccessible::Cell;
    case arColumnHeader:
        return QAccessible::ColumnHeader;
    case arPageTabList:
        return QAccessible::PageTabList;
    case arPageTab:
        return QAccessible::PageTab;
    case arPropertyPage:
        return QAccessible::PropertyPage;
    case arSpinButton:
        return QAccessible::SpinBox;
    case arToolBar:
        return QAccessible::ToolBar;
    case arMenuItem:
        return QAccessible::MenuItem;
    case arList:
        return QAccessible::List;
    case arListItem:
        return QAccessible::ListItem;
    case arText:
        return QAccessible::EditableText;
    case arRadioButton:
        return QAccessible::RadioButton;
    }
    return QAccessible::Client;
}

void AddStates(QAccessible::State& st, TAccStates s) {
    if (s.Contains(asFocusable)) st.focusable = true;
    if (s.Contains(asFocused)) st.focused = true;
    if (s.Contains(asSelectable)) st.selectable = true;
    if (s.Contains(asSelected)) st.selected = true;
    if (s.Contains(asCheckable)) st.checkable = true;
    if (s.Contains(asChecked)) st.checked = true;
    if (s.Contains(asPressed)) st.pressed = true;
    if (s.Contains(asDisabled)) st.disabled = true;
    if (s.Contains(asInvisible)) st.invisible = true;
    if (s.Contains(asReadOnly)) st.readOnly = true;
    if (s.Contains(asDefault)) st.defaultButton = true;
    if (s.Contains(asHasPopup)) st.hasPopup = true;
    if (s.Contains(asMultiLine)) st.multiLine = true;
    if (s.Contains(asAnimated)) st.animated = true;
    if (s.Contains(asModal)) st.modal = true;
}

QString QtActionName(TAccActionItem a) {
    switch (a) {
    case aaPress:
        return QAccessibleActionInterface::pressAction();
    case aaIncrease:
        return QAccessibleActionInterface::increaseAction();
    case aaDecrease:
        return QAccessibleActionInterface::decreaseAction();
    case aaShowMenu:
        return QAccessibleActionInterface::showMenuAction();
    case aaSetFocus:
        return QAccessibleActionInterface::setFocusAction();
    }
    return {};
}

// Actions run once the reader's request has been answered: a button may open a modal window,
// whose loop would hold the answer back.
void Defer(TControl* c, std::function<void()> f) {
    QTimer::singleShot(0, c->Widget(), [c, alive = c->LifeToken(), f = std::move(f)] {
        if (alive) Application->Guard(c, f);
    });
}

bool IsScrollBarFrame(const QObject* object) {
    return object && object->isWidgetType() &&
           object->objectName().startsWith(QLatin1String("qt_scrollarea_"));
}

constexpr TAccActionItem AllActions[] = {aaPress, aaIncrease, aaDecrease, aaShowMenu, aaSetFocus};

} // namespace

// ---------------------------------------------------------------------------------------------

class TControlAccessible : public QAccessibleWidget,
                           public QAccessibleValueInterface,
                           public QAccessibleTableInterface,
                           public QAccessibleTextInterface {
public:
    explicit TControlAccessible(QWidget* w) : QAccessibleWidget(w) {}
    ~TControlAccessible() override { TrimItems(0); }

    static QAccessibleInterface* Factory(const QString&, QObject* object) {
        // The viewport and scroll bar frames of a native scroll area are sections, not
        // unnamed fillers.
        if (IsScrollBarFrame(object))
            return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Section);
        TControl* c = TControl::ControlOfOwnWidget(object);
        if (!c || c->AccRole() == arDefault) return nullptr;
        return new TControlAccessible(static_cast<QWidget*>(object));
    }

    TControl* Control() const { return TControl::ControlOfOwnWidget(object()); }

    bool isValid() const override { return QAccessibleWidget::isValid() && Control(); }

    QAccessible::Role role() const override {
        TControl* c = Control();
        return c ? QtRole(c->AccRole()) : QAccessible::Client;
    }

    QString text(QAccessible::Text t) const override {
        TControl* c = Control();
        if (!c) return {};
        switch (t) {
        case QAccessible::Name:
            return c->AccName();
        case QAccessible::Description:
            return c->AccDescription();
        case QAccessible::Value: {
            TAccValue v;
            if (c->AccValue(v)) return QString::number(v.Value);
            return {};
        }
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State st = QAccessibleWidget::state();
        if (TControl* c = Control()) AddStates(st, c->AccStates());
        return st;
    }

    // Items first, then the child windows; a native widget's own parts stay out of the tree
    // (a rich label is one piece of text, not a scrolled view).
    int childCount() const override { return ItemCount() + WidgetChildCount(); }

    QAccessibleInterface* child(int index) const override {
        const int items = ItemCount();
        if (index < 0) return nullptr;
        if (index < items) return Item(index);
        return WidgetChildCount() ? QAccessibleWidget::child(index - items) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (size_t i = 0; i < FItems.size(); ++i)
            if (FItems[i] == child) return int(i);
        if (!WidgetChildCount()) return -1;
        const int i = QAccessibleWidget::indexOfChild(child);
        return i < 0 ? -1 : i + ItemCount();
    }

    QAccessibleInterface* childAt(int x, int y) const override;

    void* interface_cast(QAccessible::InterfaceType t) override {
        TControl* c = Control();
        if (c && t == QAccessible::ValueInterface) {
            TAccValue v;
            if (c->AccValue(v)) return static_cast<QAccessibleValueInterface*>(this);
            return nullptr;
        }
        if (c && t == QAccessible::TextInterface) {
            if (c->AccRole() == arStaticText) return static_cast<QAccessibleTextInterface*>(this);
            return nullptr;
        }
        if (c && t == QAccessible::TableInterface) {
            TAccTable shape;
            if (c->AccTableShape(shape)) return static_cast<QAccessibleTableInterface*>(this);
            return nullptr;
        }
        return QAccessibleWidget::interface_cast(t);
    }

    // Actions.
    QStringList actionNames() const override {
        QStringList names;
        if (TControl* c = Control()) {
            const TAccActions actions = c->AccActions();
            for (TAccActionItem a : AllActions)
                if (actions.Contains(a)) names << QtActionName(a);
        }
        for (const QString& n : QAccessibleWidget::actionNames())
            if (!names.contains(n)) names << n;
        return names;
    }

    void doAction(const QString& name) override {
        TControl* c = Control();
        if (!c) return;
        const TAccActions actions = c->AccActions();
        for (TAccActionItem a : AllActions)
            if (actions.Contains(a) && QtActionName(a) == name) {
                Defer(c, [c, a] { c->AccDoAction(a); });
                return;
            }
        QAccessibleWidget::doAction(name);
    }

    // Value.
    QVariant currentValue() const override { return Value().Value; }
    void setCurrentValue(const QVariant& value) override {
        if (TControl* c = Control())
            Application->Guard(c, [&] { c->AccSetValue(value.toDouble()); });
    }
    QVariant maximumValue() const override { return Value().Max; }
    QVariant minimumValue() const override { return Value().Min; }
    QVariant minimumStepSize() const override { return Value().Step; }

    // Text: static text is its name, read by character, word or line through Qt's walks over
    // text(); nothing in it is selected or has a caret.
    QString text(int start, int end) const override {
        return StaticText().mid(start, std::max(0, end - start));
    }
    int characterCount() const override { return int(StaticText().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

    // Table.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        const TAccTable t = Shape();
        if (row < 0 || column < 0 || row >= t.Rows || column >= t.Cols) return nullptr;
        return Item((t.HeadingRow ? t.Cols : 0) + row * t.Cols + column);
    }
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        TControl* c = Control();
        if (!c) return cells;
        const TAccTable t = Shape();
        const int first = t.HeadingRow ? t.Cols : 0;
        for (int i = first; i < first + t.Rows * t.Cols && i < ItemCount(); ++i)
            if (c->AccItem(i).States.Contains(asSelected)) cells << Item(i);
        return cells;
    }
    QString columnDescription(int column) const override {
        const TAccTable t = Shape();
        TControl* c = Control();
        if (!c || !t.HeadingRow || column < 0 || column >= t.Cols) return {};
        return c->AccItem(column).Name;
    }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Shape().Cols; }
    int rowCount() const override { return Shape().Rows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    int ItemCount() const {
        TControl* c = Control();
        return c ? c->AccItemCount() : 0;
    }
    QAccessibleInterface* Item(int index) const;
    // Forgets the items from count on (the control shows fewer now).
    void TrimItems(int count) {
        while (int(FItems.size()) > count) {
            QAccessibleInterface* item = FItems.back();
            FItems.pop_back();
            if (item) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(item));
        }
    }

private:
    QString StaticText() const {
        TControl* c = Control();
        return c ? c->AccName() : QString();
    }
    int WidgetChildCount() const {
        TControl* c = Control();
        return c && c->PlainWidget() ? QAccessibleWidget::childCount() : 0;
    }
    TAccValue Value() const {
        TAccValue v;
        if (TControl* c = Control()) c->AccValue(v);
        return v;
    }
    TAccTable Shape() const {
        TAccTable t;
        if (TControl* c = Control()) c->AccTableShape(t);
        return t;
    }

    mutable std::vector<QAccessibleInterface*> FItems;
};

// ---------------------------------------------------------------------------------------------

class TControlItemAccessible : public QAccessibleInterface,
                               public QAccessibleActionInterface,
                               public QAccessibleTableCellInterface {
public:
    TControlItemAccessible(const TControlAccessible* owner, int index)
        : FOwner(owner), FIndex(index) {}

    TAccItem Data() const {
        TControl* c = FOwner->Control();
        return c && FIndex < c->AccItemCount() ? c->AccItem(FIndex) : TAccItem{};
    }

    bool isValid() const override {
        TControl* c = FOwner->Control();
        return c && FIndex < c->AccItemCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return FOwner->window(); }
    QAccessibleInterface* parent() const override {
        return const_cast<TControlAccessible*>(FOwner);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? Data().Name : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        TControl* c = FOwner->Control();
        if (!c) return {};
        const TAccItem item = Data();
        const TPoint p = c->ClientToScreen({item.Bounds.Left, item.Bounds.Top});
        return QRect(p.X, p.Y, item.Bounds.Width(), item.Bounds.Height());
    }
    QAccessible::Role role() const override { return QtRole(Data().Role); }
    QAccessible::State state() const override {
        QAccessible::State st;
        TControl* c = FOwner->Control();
        if (!c) {
            st.invalid = true;
            return st;
        }
        TAccStates s = Data().States;
        // An item has the focus while its control has it.
        if (!c->Widget() || !c->Widget()->hasFocus()) s.Exclude(asFocused);
        if (!c->Enabled()) s.Include(asDisabled);
        AddStates(st, s);
        if (!c->Showing()) st.invisible = true;
        return st;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        if (t == QAccessible::TableCellInterface && Data().Row >= 0)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }

    // The item's action: a tab shows its page, a cell picks its date.
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        TControl* c = FOwner->Control();
        if (c && name == pressAction()) Defer(c, [c, i = FIndex] { c->AccItemAction(i); });
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    // Table cell.
    bool isSelected() const override { return Data().States.Contains(asSelected); }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        TControl* c = FOwner->Control();
        TAccTable t;
        const int col = Data().Col;
        if (!c || !c->AccTableShape(t) || !t.HeadingRow || col < 0 || col >= t.Cols) return {};
        return {FOwner->Item(col)};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return Data().Col; }
    int rowIndex() const override { return Data().Row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    const TControlAccessible* FOwner;
    int FIndex;
};

QAccessibleInterface* TControlAccessible::Item(int index) const {
    if (index < 0 || index >= ItemCount()) return nullptr;
    if (int(FItems.size()) <= index) FItems.resize(size_t(index) + 1, nullptr);
    QAccessibleInterface*& item = FItems[size_t(index)];
    if (!item) {
        item = new TControlItemAccessible(this, index);
        QAccessible::registerAccessibleInterface(item);
    }
    return item;
}

QAccessibleInterface* TControlAccessible::childAt(int x, int y) const {
    for (int i = 0, n = ItemCount(); i < n; ++i)
        if (QAccessibleInterface* item = Item(i); item && item->rect().contains(x, y)) return item;
    return WidgetChildCount() ? QAccessibleWidget::childAt(x, y) : nullptr;
}

// TControl's side ------------------------------------------------------------------------------

TAccRole TControl::AccRole() const {
    return FPlainWidget ? arGraphic : arDefault;
}

String TControl::AccName() const {
    return StripAccelerator(Caption());
}

String TControl::AccDescription() const {
    String hint = GetShortHint(Hint());
    return hint.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void TControl::AccWidgetCreated(QWidget* widget) {
    static const bool installed = [] {
        QAccessible::installFactory(&TControlAccessible::Factory);
        return true;
    }();
    (void)installed;
    if (!QAccessible::isActive()) return;
    // Qt may have answered for the widget while it was being made, before it was ours.
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    TControl* c = ControlOfOwnWidget(widget);
    if (iface && c && c->AccRole() != arDefault && !dynamic_cast<TControlAccessible*>(iface))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
    // A scroll area's frames were asked for before they had their names.
    for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (IsScrollBarFrame(child))
            if (QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(child);
                frame && frame->role() == QAccessible::Client)
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(frame));
}

void TControl::AccSchedule() {
    QWidget* w = Widget();
    if (!w || FAcc.Pending || !QAccessible::isActive()) return;
    FAcc.Pending = true;
    QTimer::singleShot(0, w, [this, alive = LifeToken()] {
        if (alive) Application->Guard(this, [this] { AccCheck(); });
    });
}

void TControl::AccChanged() {
    AccCheck();
}

void TControl::AccCheck() {
    FAcc.Pending = false;
    QWidget* w = Widget();
    if (!w || !QAccessible::isActive()) return;
    auto* iface = dynamic_cast<TControlAccessible*>(QAccessible::queryAccessibleInterface(w));
    if (!iface) return;
    TAccSnapshot now;
    now.Known = true;
    now.Name = AccName();
    now.States = AccStates();
    TAccValue value;
    if (AccValue(value)) now.Value = value.Value;
    const int count = AccItemCount();
    const bool focused = w->hasFocus();
    for (int i = 0; i < count; ++i) {
        const TAccStates s = AccItem(i).States;
        if (now.SelectedItem < 0 && s.Contains(asSelected)) now.SelectedItem = i;
        if (focused && now.FocusItem < 0 && s.Contains(asFocused)) now.FocusItem = i;
    }
    iface->TrimItems(count);
    const TAccSnapshot was = std::exchange(FAcc, now);
    if (!was.Known) return;
    if (was.Name != now.Name) {
        QAccessibleEvent e(iface, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&e);
    }
    if (was.States.Bits() != now.States.Bits()) {
        QAccessible::State changed;
        AddStates(changed, TAccStates::FromBits(was.States.Bits() ^ now.States.Bits()));
        QAccessibleStateChangeEvent e(iface, changed);
        QAccessible::updateAccessibility(&e);
    }
    if (was.Value != now.Value) {
        QAccessibleValueChangeEvent e(iface, now.Value);
        QAccessible::updateAccessibility(&e);
    }
    if (was.SelectedItem != now.SelectedItem) {
        QAccessible::State selected;
        selected.selected = true;
        for (int i : {was.SelectedItem, now.SelectedItem})
            if (QAccessibleInterface* item = i >= 0 ? iface->Item(i) : nullptr) {
                QAccessibleStateChangeEvent e(item, selected);
                QAccessible::updateAccessibility(&e);
            }
        if (QAccessibleInterface* item = iface->Item(now.SelectedItem)) {
            QAccessibleEvent e(item, QAccessible::Selection);
            QAccessible::updateAccessibility(&e);
        }
    }
    if (now.FocusItem >= 0 && was.FocusItem != now.FocusItem) {
        if (QAccessibleInterface* item = iface->Item(now.FocusItem)) {
            QAccessibleEvent e(item, QAccessible::Focus);
            QAccessible::updateAccessibility(&e);
        }
    }
}
