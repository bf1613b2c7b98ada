#include "framework/stdctrls/CustomItemListBox.h"

#include "framework/controls/Application.h"
#include "framework/graphics/Font.h"
#include "framework/system/ScopedChange.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>

namespace {
// The frame a sunken list draws around its items.
constexpr int FrameSize = 2;
constexpr int IndentRole = Qt::UserRole + 1;

// Draws an item as the classic lists do: its glyph at its indent (half a glyph per step),
// the text straight after it, the highlight behind the text only.
class TItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QImage glyph = index.data(Qt::DecorationRole).value<QImage>();
        const int indent = index.data(IndentRole).toInt();
        const QRect r = option.rect;
        int x = r.left() + 2 + indent * 8;
        if (!glyph.isNull()) {
            p->drawImage(x, r.top() + (r.height() - glyph.height()) / 2, glyph);
            x += glyph.width() + 4;
        }
        const QString text = index.data(Qt::DisplayRole).toString();
        const QFontMetrics fm = TFont::Metrics(option.font);
        const QRect textRect(x, r.top(), fm.horizontalAdvance(text) + 4, r.height());
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& pal = option.palette;
        if (selected) p->fillRect(textRect, pal.brush(QPalette::Highlight));
        p->setFont(option.font);
        p->setPen(selected ? pal.color(QPalette::HighlightedText)
                  : index.data(Qt::ForegroundRole).isValid()
                      ? index.data(Qt::ForegroundRole).value<QColor>()
                      : pal.color(QPalette::Text));
        p->drawText(textRect.adjusted(2, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.rect = textRect;
            focus.palette = pal;
            QApplication::style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, p);
        }
    }
};
} // namespace

VQ_PUBLISH(TCustomItemListBox) {
    P.Inherit();
}

TCustomItemListBox::TCustomItemListBox(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 145, 97);
    SetTabStop(true);
    SetParentColor(false);
}

const TCustomItemListBox::TItem& TCustomItemListBox::Item(int index) const {
    if (index < 0 || index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return FItems[size_t(index)];
}

QListWidget* TCustomItemListBox::ListWidget() const {
    return static_cast<QListWidget*>(Widget());
}

void TCustomItemListBox::SetItemIndex(int value) {
    if (value < -1 || value >= Count()) value = -1;
    if (FItemIndex == value) return;
    FItemIndex = value;
    if (QListWidget* list = ListWidget()) {
        TScopedChange pushing(FPushing, true);
        list->setCurrentRow(value);
    }
}

void TCustomItemListBox::SetItemHeight(int value) {
    if (value < 1 || FItemHeight == value) return;
    FItemHeight = value;
    FillWidget();
    if (FIntegralHeight) SetBounds(Left(), Top(), Width(), Height());
}

void TCustomItemListBox::SetIntegralHeight(bool value) {
    if (FIntegralHeight == value) return;
    FIntegralHeight = value;
    SetBounds(Left(), Top(), Width(), Height());
}

bool TCustomItemListBox::CanResize(int& NewWidth, int& NewHeight) {
    if (FIntegralHeight && !Loading()) {
        const int rows = std::max(1, (NewHeight - 2 * FrameSize) / FItemHeight);
        NewHeight = rows * FItemHeight + 2 * FrameSize;
    }
    return TWinControl::CanResize(NewWidth, NewHeight);
}

void TCustomItemListBox::SetItems(std::vector<TItem> items, int highlight) {
    FItems = std::move(items);
    FItemIndex = highlight >= 0 && highlight < Count() ? highlight : -1;
    FillWidget();
}

void TCustomItemListBox::Change() {
    Fire(OnChange, this);
}

void TCustomItemListBox::FontChanged() {
    TWinControl::FontChanged();
    FillWidget();
}

void TCustomItemListBox::FillWidget() {
    QListWidget* list = ListWidget();
    if (!list) return;
    TScopedChange pushing(FPushing, true);
    list->clear();
    for (const TItem& item : FItems) {
        auto* row = new QListWidgetItem(list);
        row->setText(item.Text);
        row->setSizeHint(QSize(-1, FItemHeight));
        row->setData(Qt::DecorationRole, item.Glyph);
        row->setData(IndentRole, item.Indent);
    }
    list->setCurrentRow(FItemIndex);
}

QWidget* TCustomItemListBox::CreateWidget(QWidget* parentWidget) {
    auto* list = new QListWidget(parentWidget);
    list->setUniformItemSizes(true);
    list->setItemDelegate(new TItemDelegate(list));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QObject::connect(list, &QListWidget::currentRowChanged, list, [this](int row) {
        if (FPushing || row == FItemIndex) return;
        Application->Guard(this, [this, row] {
            FItemIndex = row;
            HighlightChanged();
        });
    });
    // The items sit in the view's viewport, whose mouse events the control does not see.
    QObject::connect(list, &QListWidget::itemClicked, list,
                     [this](QListWidgetItem*) { Application->Guard(this, [this] { Click(); }); });
    QObject::connect(list, &QListWidget::itemDoubleClicked, list, [this](QListWidgetItem*) {
        Application->Guard(this, [this] { DblClick(); });
    });
    return list;
}

void TCustomItemListBox::CreateWnd() {
    TWinControl::CreateWnd();
    FillWidget();
}
