#include "framework/stdctrls/CustomItemListBox.h"

#include "framework/controls/Application.h"

#include <QListWidget>
#include <QPainter>

namespace {
// The frame a sunken list draws around its items.
constexpr int FrameSize = 2;
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
        FPushing = true;
        list->setCurrentRow(value);
        FPushing = false;
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
    FPushing = true;
    list->clear();
    int glyphWidth = 16;
    for (const TItem& item : FItems)
        if (!item.Glyph.isNull()) glyphWidth = std::max(glyphWidth, item.Glyph.width());
    int maxIndent = 0;
    for (const TItem& item : FItems)
        maxIndent = std::max(maxIndent, item.Indent);
    // Each item's icon is its glyph placed at its indent in a strip as wide as the deepest one,
    // so the texts line up after their glyphs like a tree.
    const QSize iconSize((maxIndent + 1) * glyphWidth / 2 + glyphWidth / 2, FItemHeight);
    list->setIconSize(iconSize);
    for (const TItem& item : FItems) {
        auto* row = new QListWidgetItem(list);
        row->setText(item.Text);
        row->setSizeHint(QSize(-1, FItemHeight));
        if (!item.Glyph.isNull() || maxIndent > 0) {
            QImage strip(iconSize, QImage::Format_ARGB32_Premultiplied);
            strip.fill(Qt::transparent);
            if (!item.Glyph.isNull()) {
                QPainter p(&strip);
                p.drawImage(item.Indent * glyphWidth / 2, (FItemHeight - item.Glyph.height()) / 2,
                            item.Glyph);
            }
            row->setIcon(QIcon(QPixmap::fromImage(strip)));
        }
    }
    list->setCurrentRow(FItemIndex);
    FPushing = false;
}

QWidget* TCustomItemListBox::CreateWidget(QWidget* parentWidget) {
    auto* list = new QListWidget(parentWidget);
    list->setUniformItemSizes(true);
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
