#pragma once
// TTabSheet: one page of a TPageControl. Its children are the page's controls; the page
// control places it (its bounds are not stored) and shows only the active page.

#include "framework/controls/WinControl.h"

class TPageControl;

class TTabSheet : public TWinControl {
    VQ_CLASS(TTabSheet, TWinControl)
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;

    // PageControl: the page control the sheet is a page of (its parent); nullptr: none.
    TPageControl* PageControl() const { return FPageControl; }
    void SetPageControl(TPageControl* value);
    // PageIndex: position among the pages (not stored: descriptions keep the pages in order);
    // -1 without a page control.
    int PageIndex() const;
    void SetPageIndex(int value);
    // TabIndex: position among the visible tabs, -1 when the tab is hidden.
    int TabIndex() const;
    // TabVisible: true; a hidden tab cannot be clicked and its page is skipped by the keys.
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool value);

    void SetParent(TWinControl* value) override;

protected:
    void TextChanged() override;
    void VisibleChanged() override;
    // A page's controls get their windows when the page is first shown.
    bool DefersChildHandles() const override { return !Visible(); }

    // Its bounds wait for the page control's tab layout.
    void SettlePendingSize() override;

private:
    friend class TPageControl;
    void TabsPending() { SetSizePending(); }
    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;
};
