#pragma once
// TPageControl: pages (TTabSheet children) behind a strip of tabs. Tabs are drawn by the
// style as QTabBar draws them; with MultiLine the strip wraps the tabs into rows, each row
// stretched to the full width, and the row holding the active tab moves next to the page, the
// others keeping their cyclic order above it. Without MultiLine one row scrolls so that the
// active tab stays in view; when the tabs do not fit, two arrow buttons at the right end of the
// strip scroll them a tab at a time without changing the page.
//
// A click on a tab asks OnChanging, then activates the page and fires OnChange; setting
// ActivePage or ActivePageIndex by code fires neither.

#include "framework/controls/WinControl.h"

#include <QHash>
#include <QRect>
#include <QSize>
#include <vector>

class QPainter;
class TTabSheet;

using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TPageControl : public TWinControl {
    VQ_CLASS(TPageControl, TWinControl)
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;

    int PageCount() const { return int(FPages.size()); }
    TTabSheet* Pages(int index) const; // EListError when out of range
    // ActivePage: the page shown (a component reference in descriptions); a sheet of another
    // page control is ignored. The first page inserted becomes active when none is.
    TTabSheet* ActivePage() const { return FActivePage; }
    void SetActivePage(TTabSheet* value);
    // ActivePageIndex: -1 when no page is active.
    int ActivePageIndex() const;
    void SetActivePageIndex(int value);
    // MultiLine: false; tabs wrap into rows instead of scrolling in one.
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool value);

    // The next (or previous) page with a visible tab after current, wrapping; nullptr: none.
    TTabSheet* FindNextPage(TTabSheet* current, bool goForward) const;
    // Moves to the next page as the user would: OnChanging may refuse, OnChange follows.
    void SelectNextPage(bool goForward);
    // What a click at (x, y) would pick: the page whose tab is there, nullptr outside the tabs.
    TTabSheet* PageAt(int x, int y) const;
    // Geometry for tests and painting: the number of tab rows, a page's tab rectangle (empty
    // when the tab is hidden) and its row counted from the page upwards (0: next to the page).
    int RowCount() const { return EnsureTabs(), FRowCount; }
    TRect TabRect(const TTabSheet* page) const;
    int TabRow(const TTabSheet* page) const;
    // Where the pages sit, in client coordinates.
    TRect DisplayRect() const;
    // The scroll buttons of a single row that does not fit (empty rectangles when it fits).
    TRect ScrollButtonRect(bool forward) const;
    // Scrolls a single row by one tab; false when it cannot go further that way.
    bool ScrollTabs(bool forward);

    TTabChangingEvent OnChanging; // a click is about to change the page; may refuse
    TNotifyEvent OnChange;        // the user changed the page

    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;
    void Loaded() override;

protected:
    // A page tab list: the visible tabs are its items, then the pages.
    TAccRole AccRole() const override { return arPageTabList; }
    String AccName() const override;
    TAccStates AccStates() const override { return {asFocusable}; }
    int AccItemCount() const override;
    TAccItem AccItem(int index) const override;
    void AccItemAction(int index) override;
    virtual bool CanChange();
    virtual void Change();
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void Resize() override;
    void FontChanged() override;
    void UpdateWidgetFont() override;
    void CreateWnd() override;
    // The active tab shows the focus.
    void DoEnter() override;
    void DoExit() override;
    void PaintWindow(QWidget* widget) override;

private:
    friend class TTabSheet;
    // The page of the index-th visible tab; nullptr when there is none.
    TTabSheet* AccPage(int index) const;
    struct TTab {
        TTabSheet* Page;
        QRect Rect;
        int Row; // counted from the page upwards
    };

    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void MovePage(TTabSheet* page, int index);
    // Recomputes the tabs' rows and rectangles and places the pages (without a window, when
    // next needed: EnsureTabs).
    void UpdateTabs();
    void EnsureTabs() const;
    void LayOutTabs();
    void LayoutPages();
    // Activates by the user's action; false when OnChanging refused.
    bool ChangeActivePage(TTabSheet* page);
    const TTab* FindTab(const TTabSheet* page) const;
    int TabStripHeight() const;
    int RowHeight() const;
    QSize TabSize(const QString& caption) const;
    // Tab widths by caption and the row height: measuring is most of a layout's cost, and
    // the tabs are laid out again on every page, caption, size or activation change.
    int TabWidth(const QString& caption) const;
    void ForgetTabSizes();
    int ScrollButtonWidth() const;
    void PaintScrollButtons(QPainter& p, QWidget* widget);

    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
    bool FMultiLine = false;
    std::vector<TTab> FTabs;
    mutable QHash<QString, int> FTabWidths;
    mutable int FRowHeight = -1;
    bool FTabsPending = false;
    int FRowCount = 1;
    int FScrollOffset = 0;
    // Set when the active page changes: the next layout brings its tab into view.
    bool FRevealActive = true;
    bool FScrollButtons = false;
};
