#include "framework/comctrls/PageControl.h"

#include "framework/comctrls/TabSheet.h"
#include "framework/controls/PopupMenu.h"
#include "framework/graphics/Font.h"
#include "framework/system/MathUtils.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTab>
#include <QWidget>
#include <algorithm>

namespace {

// Space between the strip and the control's edges.
constexpr int kStripMargin = 2;
// Inset of the pages inside the frame below the strip.
constexpr int kPageInset = 4;
// Space above and below a tab's text. The classic rows are this compact, and window layouts
// made for them (three rows of tabs over a page of controls) need the page height it leaves.
constexpr int kTabTextVSpace = 3;

// The caption as drawn: "&&" is an ampersand, a single '&' marks the accelerator.
QString DisplayText(const QString& caption) {
    QString s;
    s.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
        s += caption[i];
    }
    return s;
}

} // namespace

VQ_PUBLISH(TPageControl) {
    using C = TPageControl;
    P.Inherit();
    P.Property("ActivePage", &C::ActivePage, &C::SetActivePage);
    P.Property("Align", &C::Align, &C::SetAlign).Default(alNone);
    P.Property("DragCursor", &C::DragCursor, &C::SetDragCursor)
        .Default(crDrag)
        .Idents(CursorIdents());
    P.Property("DragMode", &C::DragMode, &C::SetDragMode).Default(dmManual);
    P.Property("Enabled", &C::Enabled, &C::SetEnabled).Default(true);
    P.Property("Font", &C::Font, &C::SetFont).Stored(TStoredFn(&TControl::IsFontStored));
    P.Property("MultiLine", &C::MultiLine, &C::SetMultiLine).Default(false);
    P.Property("ParentFont", &C::ParentFont, &C::SetParentFont).Default(true);
    P.Property("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint).Default(true);
    P.Property("PopupMenu", &C::PopupMenu, &C::SetPopupMenu);
    P.Property("ShowHint", &C::ShowHint, &C::SetShowHint)
        .Stored(TStoredFn(&TControl::IsShowHintStored));
    P.Property("TabOrder", &C::TabOrder, &C::SetTabOrder).Default(-1);
    P.Property("TabStop", &C::TabStop, &C::SetTabStop).Default(true);
    P.Property("Visible", &C::Visible, &C::SetVisible).Default(true);
    P.Event("OnChange", &C::OnChange, "TNotifyEvent");
    P.Event("OnChanging", &C::OnChanging, "TTabChangingEvent");
    P.Event("OnDragDrop", &C::OnDragDrop, "TDragDropEvent");
    P.Event("OnDragOver", &C::OnDragOver, "TDragOverEvent");
    P.Event("OnEndDrag", &C::OnEndDrag, "TEndDragEvent");
    P.Event("OnEnter", &C::OnEnter, "TNotifyEvent");
    P.Event("OnExit", &C::OnExit, "TNotifyEvent");
    P.Event("OnMouseDown", &C::OnMouseDown, "TMouseEvent");
    P.Event("OnMouseMove", &C::OnMouseMove, "TMouseMoveEvent");
    P.Event("OnMouseUp", &C::OnMouseUp, "TMouseEvent");
    P.Event("OnStartDrag", &C::OnStartDrag, "TStartDragEvent");
}

TPageControl::TPageControl(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle.Include(csAcceptsControls);
    FControlStyle.Exclude(csSetCaption);
    SetTabStop(true);
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl() {
    // The sheets still here are freed with the children; they are no pages any more.
    for (TTabSheet* p : FPages)
        p->FPageControl = nullptr;
    FPages.clear();
    FActivePage = nullptr;
}

TTabSheet* TPageControl::Pages(int index) const {
    if (index < 0 || index >= int(FPages.size()))
        throw EListError(Exception::Format(QStringLiteral("List index out of bounds (%d)"),
                                           {QString::number(index)}));
    return FPages[size_t(index)];
}

// Pages -------------------------------------------------------------------------------------

void TPageControl::InsertPage(TTabSheet* page) {
    FPages.push_back(page);
    page->FPageControl = this;
    if (!FActivePage)
        SetActivePage(page);
    else
        page->SetVisible(false);
    UpdateTabs();
}

void TPageControl::RemovePage(TTabSheet* page) {
    auto it = std::find(FPages.begin(), FPages.end(), page);
    if (it == FPages.end()) return;
    TTabSheet* next = page == FActivePage ? FindNextPage(page, true) : nullptr;
    FPages.erase(it);
    page->FPageControl = nullptr;
    if (page == FActivePage) {
        FActivePage = nullptr;
        SetActivePage(next == page ? nullptr : next);
    }
    UpdateTabs();
}

void TPageControl::MovePage(TTabSheet* page, int index) {
    auto it = std::find(FPages.begin(), FPages.end(), page);
    if (it == FPages.end()) return;
    index = std::clamp(index, 0, int(FPages.size()) - 1);
    FPages.erase(it);
    FPages.insert(FPages.begin() + index, page);
    UpdateTabs();
}

void TPageControl::GetChildren(const std::function<void(TComponent*)>& proc,
                               TComponent* root) const {
    // Pages in page order, then any other controls.
    for (TTabSheet* p : FPages)
        if (p->Owner() == root) proc(p);
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c->Owner() == root &&
            !(dynamic_cast<TTabSheet*>(c) && static_cast<TTabSheet*>(c)->FPageControl == this))
            proc(c);
    }
}

void TPageControl::Loaded() {
    TWinControl::Loaded();
    UpdateTabs();
}

int TPageControl::ActivePageIndex() const {
    return FActivePage ? FActivePage->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int value) {
    SetActivePage(value >= 0 && value < int(FPages.size()) ? FPages[size_t(value)] : nullptr);
}

void TPageControl::SetActivePage(TTabSheet* value) {
    if (value && value->FPageControl != this) return;
    if (FActivePage == value) return;
    TTabSheet* old = FActivePage;
    FActivePage = value;
    if (value) {
        // Show the new page before hiding the old one, so nothing behind them flashes.
        value->SetVisible(true);
        value->BringToFront();
    }
    if (old) old->SetVisible(false);
    FRevealActive = true;
    UpdateTabs();
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward) const {
    const int n = int(FPages.size());
    if (n == 0) return nullptr;
    auto it = std::find(FPages.begin(), FPages.end(), current);
    int start = it == FPages.end() ? (goForward ? n - 1 : 0) : int(it - FPages.begin());
    for (int step = 1; step <= n; ++step) {
        const int i = ((start + (goForward ? step : -step)) % n + n) % n;
        if (FPages[size_t(i)]->TabVisible()) return FPages[size_t(i)];
    }
    return nullptr;
}

void TPageControl::SelectNextPage(bool goForward) {
    TTabSheet* page = FindNextPage(FActivePage, goForward);
    if (page && page != FActivePage) ChangeActivePage(page);
}

bool TPageControl::ChangeActivePage(TTabSheet* page) {
    if (!CanChange()) return false;
    SetActivePage(page);
    Change();
    return true;
}

bool TPageControl::CanChange() {
    bool allow = true;
    Fire(OnChanging, this, allow);
    return allow;
}

void TPageControl::Change() {
    Fire(OnChange, this);
}

// Tab layout -----------------------------------------------------------------------------------

int TPageControl::RowHeight() const {
    if (FRowHeight < 0) FRowHeight = TabSize(QString()).height();
    return FRowHeight;
}

int TPageControl::TabWidth(const QString& caption) const {
    auto it = FTabWidths.constFind(caption);
    if (it == FTabWidths.constEnd()) it = FTabWidths.insert(caption, TabSize(caption).width());
    return *it;
}

void TPageControl::ForgetTabSizes() {
    FTabWidths.clear();
    FRowHeight = -1;
}

QSize TPageControl::TabSize(const QString& caption) const {
    // Widths are measured as QTabBar measures its tabs, in the style that draws them; the
    // height is the classic one.
    QWidget* w = Widget();
    QStyle* style = w ? w->style() : QApplication::style();
    const QFontMetrics fm = TFont::Metrics(Font()->Handle());
    QStyleOptionTab opt;
    if (w) opt.initFrom(w);
    opt.fontMetrics = fm;
    opt.shape = QTabBar::RoundedNorth;
    opt.text = caption;
    const int hframe = style->pixelMetric(QStyle::PM_TabBarTabHSpace, &opt, w);
    const int vframe = style->pixelMetric(QStyle::PM_TabBarTabVSpace, &opt, w);
    const QSize content(fm.horizontalAdvance(DisplayText(caption)) + hframe, fm.height() + vframe);
    const QSize styled = style->sizeFromContents(QStyle::CT_TabBarTab, &opt, content, w);
    return QSize(styled.width(), fm.height() + 2 * kTabTextVSpace);
}

int TPageControl::TabStripHeight() const {
    EnsureTabs();
    return kStripMargin + FRowCount * RowHeight();
}

TRect TPageControl::DisplayRect() const {
    const int strip = TabStripHeight();
    return Rect(kPageInset, strip + kPageInset, std::max(kPageInset, Width() - kPageInset),
                std::max(strip + kPageInset, Height() - kPageInset));
}

int TPageControl::ScrollButtonWidth() const {
    return RowHeight();
}

TRect TPageControl::ScrollButtonRect(bool forward) const {
    EnsureTabs();
    if (!FScrollButtons) return TRect{};
    const int w = ScrollButtonWidth();
    const int right = Width() - kStripMargin - (forward ? 0 : w);
    const int top = kStripMargin;
    return Rect(right - w, top, right, top + RowHeight());
}

bool TPageControl::ScrollTabs(bool forward) {
    EnsureTabs();
    if (!FScrollButtons || FTabs.empty()) return false;
    // Tab edges in unscrolled coordinates; the new offset starts the row at one of them.
    std::vector<int> edges;
    for (const TTab& t : FTabs)
        edges.push_back(t.Rect.left() - kStripMargin + FScrollOffset);
    int target = FScrollOffset;
    if (forward) {
        auto it = std::upper_bound(edges.begin(), edges.end(), FScrollOffset);
        if (it == edges.end()) return false;
        target = *it;
    } else {
        auto it = std::lower_bound(edges.begin(), edges.end(), FScrollOffset);
        if (it == edges.begin()) return false;
        target = *std::prev(it);
    }
    const int before = FScrollOffset;
    FScrollOffset = target;
    UpdateTabs();
    return FScrollOffset != before;
}

void TPageControl::UpdateTabs() {
    // Loaded lays the tabs out once all pages and captions are read.
    if (Loading()) return;
    if (!HandleAllocated()) {
        // Nothing shows the tabs yet: they are measured once the window is made or a tab's
        // place or a page's bounds are asked for (a window not shown opens no font).
        FTabsPending = true;
        for (TTabSheet* p : FPages)
            p->TabsPending();
        return;
    }
    LayOutTabs();
}

void TPageControl::EnsureTabs() const {
    if (FTabsPending) const_cast<TPageControl*>(this)->LayOutTabs();
}

void TPageControl::LayOutTabs() {
    FTabsPending = false;
    FTabs.clear();
    const int rowHeight = RowHeight();
    const int available = std::max(1, Width() - 2 * kStripMargin);

    std::vector<std::vector<TTab>> rows(1);
    int rowWidth = 0;
    for (TTabSheet* p : FPages) {
        if (!p->TabVisible()) continue;
        const int w = TabWidth(p->Caption());
        if (FMultiLine && !rows.back().empty() && rowWidth + w > available) {
            rows.emplace_back();
            rowWidth = 0;
        }
        rows.back().push_back(TTab{p, QRect(0, 0, w, rowHeight), 0});
        rowWidth += w;
    }
    const int n = int(rows.size());
    int activeRow = 0;
    for (int r = 0; r < n; ++r)
        for (const TTab& t : rows[size_t(r)])
            if (t.Page == FActivePage) activeRow = r;

    for (int r = 0; r < n; ++r) {
        auto& row = rows[size_t(r)];
        // Rows wrap in page order; the active one sits next to the page and the rest keep
        // their cyclic order above it.
        const int fromPage = (r - activeRow + n) % n;
        const int y = kStripMargin + (n - 1 - fromPage) * rowHeight;
        int extra = 0;
        if (n > 1) {
            // Wrapped rows are stretched to the full width.
            int used = 0;
            for (const TTab& t : row)
                used += t.Rect.width();
            extra = std::max(0, available - used);
        }
        int x = kStripMargin;
        const int count = int(row.size());
        for (int i = 0; i < count; ++i) {
            TTab& t = row[size_t(i)];
            const int w = t.Rect.width() + (count ? extra / count + (i < extra % count) : 0);
            t.Rect = QRect(x, y, w, rowHeight);
            t.Row = fromPage;
            x += w;
        }
    }
    FRowCount = n;

    FScrollButtons = false;
    if (!FMultiLine) {
        // One row: when it does not fit, the scroll buttons take the right end of the strip.
        auto& row = rows.front();
        const int total = row.empty() ? 0 : row.back().Rect.right() + 1 - kStripMargin;
        int room = available;
        if (total > available) {
            FScrollButtons = true;
            room = std::max(1, available - 2 * ScrollButtonWidth());
        }
        const int maxOffset = std::max(0, total - room);
        if (FRevealActive) {
            for (const TTab& t : row) {
                if (t.Page != FActivePage) continue;
                const int left = t.Rect.left() - kStripMargin;
                const int right = t.Rect.right() + 1 - kStripMargin;
                if (right - FScrollOffset > room) FScrollOffset = right - room;
                if (left < FScrollOffset) FScrollOffset = left;
            }
        }
        FScrollOffset = std::clamp(FScrollOffset, 0, maxOffset);
        for (TTab& t : row)
            t.Rect.translate(-FScrollOffset, 0);
    }
    FRevealActive = false;

    for (auto& row : rows)
        for (TTab& t : row)
            FTabs.push_back(t);
    LayoutPages();
    Invalidate();
}

void TPageControl::LayoutPages() {
    const TRect r = DisplayRect();
    for (TTabSheet* p : FPages)
        p->SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

const TPageControl::TTab* TPageControl::FindTab(const TTabSheet* page) const {
    EnsureTabs();
    for (const TTab& t : FTabs)
        if (t.Page == page) return &t;
    return nullptr;
}

TRect TPageControl::TabRect(const TTabSheet* page) const {
    const TTab* t = FindTab(page);
    return t ? ToRect(t->Rect) : TRect{};
}

int TPageControl::TabRow(const TTabSheet* page) const {
    const TTab* t = FindTab(page);
    return t ? t->Row : -1;
}

TTabSheet* TPageControl::PageAt(int x, int y) const {
    EnsureTabs();
    if (y >= TabStripHeight()) return nullptr;
    if (FScrollButtons && x >= ScrollButtonRect(false).Left) return nullptr;
    for (const TTab& t : FTabs)
        if (t.Rect.contains(x, y) && x >= 0 && x < Width()) return t.Page;
    return nullptr;
}

void TPageControl::SetMultiLine(bool value) {
    if (FMultiLine == value) return;
    FMultiLine = value;
    FScrollOffset = 0;
    FRevealActive = true;
    UpdateTabs();
}

void TPageControl::Resize() {
    UpdateTabs();
    TWinControl::Resize();
}

void TPageControl::CreateWnd() {
    // Measured in the window's style from now on: forgotten before the pages' windows are
    // made, as the first of them lays the tabs out (settling its size) with the new window.
    ForgetTabSizes();
    TWinControl::CreateWnd();
    UpdateTabs();
}

void TPageControl::UpdateWidgetFont() {
    // The style draws the tab captions in the widget's font.
    if (QWidget* w = Widget()) w->setFont(Font()->Handle());
}

void TPageControl::FontChanged() {
    TWinControl::FontChanged();
    ForgetTabSizes();
    UpdateTabs();
}

// Input --------------------------------------------------------------------------------------

void TPageControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && FScrollButtons) {
        for (bool forward : {false, true}) {
            if (PtInRect(ScrollButtonRect(forward), Point(X, Y))) {
                ScrollTabs(forward);
                TWinControl::MouseDown(Button, Shift, X, Y);
                return;
            }
        }
    }
    if (Button == mbLeft) {
        TTabSheet* page = PageAt(X, Y);
        if (page && page != FActivePage) ChangeActivePage(page);
        if (page && TabStop() && CanFocus()) SetFocus();
    }
    TWinControl::MouseDown(Button, Shift, X, Y);
}

void TPageControl::KeyDown(uint16_t& Key, TShiftState Shift) {
    TWinControl::KeyDown(Key, Shift);
    if (Key == VK_TAB && Shift.Contains(ssCtrl)) {
        SelectNextPage(!Shift.Contains(ssShift));
        Key = 0;
    } else if (Key == VK_LEFT || Key == VK_UP) {
        SelectNextPage(false);
        Key = 0;
    } else if (Key == VK_RIGHT || Key == VK_DOWN) {
        SelectNextPage(true);
        Key = 0;
    }
}

void TPageControl::DoEnter() {
    Invalidate();
    TWinControl::DoEnter();
}

void TPageControl::DoExit() {
    Invalidate();
    TWinControl::DoExit();
}

// Painting ------------------------------------------------------------------------------------

void TPageControl::PaintWindow(QWidget* widget) {
    QPainter p(widget);
    p.setFont(Font()->Handle());
    QStyle* style = widget->style();
    const int strip = TabStripHeight();
    const TTab* active = FindTab(FActivePage);

    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(widget);
    frame.rect = QRect(0, strip, Width(), std::max(0, Height() - strip));
    frame.shape = QTabBar::RoundedNorth;
    frame.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, widget);
    frame.tabBarRect = QRect(0, 0, Width(), strip);
    if (active) frame.selectedTabRect = active->Rect;
    style->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &p, widget);

    auto drawTab = [&](const TTab& t, size_t index) {
        QStyleOptionTab opt;
        opt.initFrom(widget);
        opt.fontMetrics = TFont::Metrics(Font()->Handle());
        opt.rect = t.Rect;
        opt.text = t.Page->Caption();
        opt.shape = QTabBar::RoundedNorth;
        opt.row = t.Row;
        // Where the tab sits in its row decides which of its edges the style rounds.
        const bool first = index == 0 || FTabs[index - 1].Rect.top() != t.Rect.top();
        const bool last = index + 1 == FTabs.size() || FTabs[index + 1].Rect.top() != t.Rect.top();
        opt.position = first && last ? QStyleOptionTab::OnlyOneTab
                       : first       ? QStyleOptionTab::Beginning
                       : last        ? QStyleOptionTab::End
                                     : QStyleOptionTab::Middle;
        opt.state &= ~QStyle::State_HasFocus;
        if (&t == active) {
            opt.state |= QStyle::State_Selected;
            if (Focused()) opt.state |= QStyle::State_HasFocus;
        }
        if (!t.Page->Enabled()) opt.state &= ~QStyle::State_Enabled;
        style->drawControl(QStyle::CE_TabBarTab, &opt, &p, widget);
    };
    // Rows far from the page first, the active tab last, so it overlaps its neighbours.
    for (size_t i = 0; i < FTabs.size(); ++i)
        if (&FTabs[i] != active) drawTab(FTabs[i], i);
    if (active) drawTab(*active, size_t(active - FTabs.data()));
    if (FScrollButtons) PaintScrollButtons(p, widget);
}

void TPageControl::PaintScrollButtons(QPainter& p, QWidget* widget) {
    QStyle* style = widget->style();
    const TRect back = ScrollButtonRect(false);
    // The buttons cover the tabs scrolled under them.
    p.fillRect(QRect(back.Left, 0, Width() - back.Left, TabStripHeight()),
               widget->palette().color(QPalette::Window));
    const int last = FTabs.empty() ? 0 : FTabs.back().Rect.right() + 1 - kStripMargin;
    const bool canBack = FScrollOffset > 0;
    const bool canForward = last > back.Left - kStripMargin;
    for (bool forward : {false, true}) {
        QStyleOption opt;
        opt.initFrom(widget);
        opt.rect = ToQRect(ScrollButtonRect(forward));
        opt.state |= QStyle::State_Raised;
        if (!(forward ? canForward : canBack)) opt.state &= ~QStyle::State_Enabled;
        style->drawPrimitive(QStyle::PE_PanelButtonTool, &opt, &p, widget);
        style->drawPrimitive(forward ? QStyle::PE_IndicatorArrowRight
                                     : QStyle::PE_IndicatorArrowLeft,
                             &opt, &p, widget);
    }
}

TTabSheet* TPageControl::AccPage(int index) const {
    for (TTabSheet* p : FPages)
        if (p->TabVisible() && index-- == 0) return p;
    return nullptr;
}

String TPageControl::AccName() const {
    return FActivePage ? StripAccelerator(FActivePage->Caption()) : String();
}

int TPageControl::AccItemCount() const {
    return int(std::count_if(FPages.begin(), FPages.end(),
                             [](const TTabSheet* p) { return p->TabVisible(); }));
}

TAccItem TPageControl::AccItem(int index) const {
    TAccItem item;
    TTabSheet* page = AccPage(index);
    if (!page) return item;
    item.Role = arPageTab;
    item.Name = StripAccelerator(page->Caption());
    item.Bounds = TabRect(page);
    item.States = {asSelectable, asFocusable};
    if (page == FActivePage) item.States += TAccStates{asSelected, asFocused};
    if (item.Bounds.Width() <= 0) item.States.Include(asInvisible);
    return item;
}

void TPageControl::AccItemAction(int index) {
    if (TTabSheet* page = AccPage(index)) ChangeActivePage(page);
}
