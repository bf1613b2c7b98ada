#pragma once
// TWinControl: a control with a real window: it can take the focus, holds child controls and
// lays out the aligned ones. Its widget comes from the virtual CreateWidget (standard controls
// make QPushButton, QLineEdit...); RecreateWnd replaces the widget and keeps the children.

#include "framework/controls/Control.h"

#include <vector>

class QFrame;

class TWinControl : public TControl {
    VQ_CLASS(TWinControl, TControl)
public:
    explicit TWinControl(TComponent* AOwner);
    // Frees the child controls still in it.
    ~TWinControl() override;

    // Child controls in insertion order (graphic and windowed alike).
    int ControlCount() const { return int(FControls.size()); }
    TControl* Controls(int index) const; // EListError when out of range
    bool ContainsControl(const TControl* control) const;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);

    // Focus. CanFocus: the control and its parents are visible and enabled.
    bool CanFocus() const;
    bool Focused() const;
    // Moves the focus here; EInvalidOperation "Cannot focus a disabled or invisible window"
    // when CanFocus is false. A form not shown yet remembers it as its ActiveControl.
    virtual void SetFocus();
    // TabOrder: position among the parent's windowed children in the tab sequence.
    int TabOrder() const;
    void SetTabOrder(int value);
    // TabStop: false; whether Tab stops here (the control can still be clicked into focus).
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value);
    // Ctl3D: true; the 3D look. Setting it clears ParentCtl3D.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    // ParentCtl3D: true; Ctl3D follows the parent's while set.
    bool ParentCtl3D() const { return FParentCtl3D; }
    void SetParentCtl3D(bool value);
    static bool IsCtl3DStored(const TObject* o);

    // Creates the window (and the children's) if it does not exist yet.
    void HandleNeeded();
    // Replaces the window by a new one made from the current state; children are kept.
    void RecreateWnd();

    // Alignment of the children. DisableAlign/EnableAlign batch changes; Realign lays out now.
    void DisableAlign();
    void EnableAlign();
    void Realign();
    // Restacks the children's windows: graphic controls below windowed ones, each group in
    // child order.
    void UpdateStacking();

    // The show-control request: AControl, a child, asks to be made visible. Passed up the
    // parents; a container showing one child at a time brings the child's page forward.
    virtual void ShowControl(TControl* AControl);

    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;
    void Loaded() override;
    void SetEnabled(bool value) override;

    TNotifyEvent OnEnter; // the control got the focus
    TNotifyEvent OnExit;  // the control lost the focus
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;

    bool WidgetEvent(QEvent* event) override;

    // Whether the control consumes this key itself instead of leaving it to the form (Enter in
    // a multi-line edit, arrows in a grid).
    virtual bool WantsKey(uint16_t key) const;
    // Enter/Escape offered by the form: a button clicks itself and returns true when it is the
    // one for the key (focused says whether it has the focus).
    virtual bool DialogKeyTarget(uint16_t key, bool focused);

protected:
    // A window the framework paints is a section of its parent (panels, pages, panes).
    TAccRole AccRole() const override;
    TAccStates AccStates() const override;
    // The classic layout: top, bottom, left, right, client, each group in child order, within
    // Rect (the client rectangle after AdjustClientRect). AControl is the one that asked.
    virtual void AlignControls(TControl* AControl, TRect& Rect);
    virtual void AdjustClientRect(TRect&) const {}
    // Non-client border widths of the window (left, top, right, bottom).
    virtual TRect BorderInsets() const { return TRect{}; }
    TRect ClientRect() const override;
    TPoint WidgetClientOffset() const override;

    virtual void DoEnter();
    virtual void DoExit();
    // A control of the form (focused) got the focus; every windowed control of the form hears
    // it, the focused one too (push buttons move the default look with it).
    virtual void FocusChanged(TWinControl* focused);
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void KeyUp(uint16_t& Key, TShiftState Shift) override;
    virtual void Ctl3DChanged();
    virtual void ParentCtl3DChanged();

    QWidget* CreateWidget(QWidget* parentWidget) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void FontChanged() override;
    void ColorChanged() override;
    void ShowHintChanged() override;
    // Paints background and Paint of a plain widget; native widgets paint themselves.
    bool PaintWidget(QWidget* widget, QEvent* event) override;
    // Background fill before painting: Color unless csOpaque.
    virtual void EraseBackground(QWidget* widget);
    virtual void PaintWindow(QWidget* widget);
    void Resize() override;
    void UpdateFocusPolicy();
    // The client origin moved (a border changed): the children's windows follow.
    void ClientOriginChanged();
    // Qt's tab chain of the form, rebuilt from TabOrder.
    void UpdateTabChain();
    // True while the children's windows wait until this control is shown (a hidden page):
    // nothing of theirs is needed before then, and a window of many pages starts faster.
    // A child still gets its window at once when something asks for it (HandleNeeded).
    virtual bool DefersChildHandles() const { return false; }
    // Creates the windows that waited, once the control no longer defers them.
    void CreatePendingChildHandles();

private:
    friend class TControl;
    friend class TForm;
    void CreateChildHandles();
    void DestroyChildHandles();
    void NotifyChildren(void (TControl::*fn)());

    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FTabList;
    int FAlignLevel = 0;
    bool FAlignPending = false;
    bool FAligning = false;
    bool FTabStop = false;
    bool FCtl3D = true;
    bool FParentCtl3D = true;
    // TabOrder read from a description, applied when loading ends.
    int FLoadedTabOrder = -1;
};

// Marks a framed widget (a scroll area: tree, list, memo) opaque when its style paints every pixel
// of it: Fusion and Windows draw square frames over the whole ring around the viewport. Then the
// parent is not painted under it first, which on every resize of a pane was a fill of the whole
// pane for the few pixels of the frame. Styles that may leave pixels (rounded frames) keep the
// parent painting beneath.
void SetOpaqueWhenSquareFramed(QFrame* frame);
