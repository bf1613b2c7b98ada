#pragma once
// TButton: a push button (QPushButton). A click sets the parent form's ModalResult to the
// button's, then fires OnClick. Default buttons take Enter and Cancel buttons Escape from the
// form. The default look (odDefault) goes with the focus: the focused push button shows it,
// and the Default one while no push button has the focus. With OwnerDraw the button paints
// itself entirely through DrawItem.

#include "framework/controls/WinControl.h"

class TCanvas;
class QPushButton;

VQ_ENUM(TOwnerDrawStateItem, uint8_t, odSelected, odGrayed, odDisabled, odChecked, odFocused,
        odDefault, odHotLight, odInactive, odNoAccel, odNoFocusRect)
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

class TButton : public TWinControl {
    VQ_CLASS(TButton, TWinControl)
public:
    explicit TButton(TComponent* AOwner);
    ~TButton() override;

    // Cancel: false; Escape on the form clicks the button.
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    // Default: false; Enter on the form clicks the button (unless another button has focus).
    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    // Whether the button shows the default look now (see above); a change repaints it.
    bool DefaultLook() const { return FDefaultLook; }
    // ModalResult: mrNone; handed to the parent form on each click (non-zero ends ShowModal).
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int value) { FModalResult = value; }

    // The button was clicked (mouse, Space, Enter/Escape, accelerator or code).
    void Click() override;
    bool DoAccelerator(QChar ch) override;
    bool DialogKeyTarget(uint16_t key, bool focused) override;

protected:
    // OwnerDraw: false; when set the button paints itself entirely in DrawItem.
    bool OwnerDraw() const { return FOwnerDraw; }
    void SetOwnerDraw(bool value);
    // Paints an owner-drawn button on canvas (the whole button, rect) in the given state.
    virtual void DrawItem(TCanvas* canvas, const TRect& rect, TOwnerDrawState state);
    QPushButton* Button() const;
    // Down: whether the button shows pushed; an owner-drawn button repaints at once.
    bool Down() const;
    void SetDown(bool value);
    // OwnMouse: false; when set, mouse presses and releases reach MouseDown and MouseUp only:
    // the native button neither shows them pushed nor clicks from them (keys still click).
    bool OwnMouse() const { return FOwnMouse; }
    void SetOwnMouse(bool value) { FOwnMouse = value; }
    bool WidgetEvent(QEvent* event) override;

    void FocusChanged(TWinControl* focused) override;

    QWidget* CreateWidget(QWidget* parentWidget) override;
    bool PaintWidget(QWidget* widget, QEvent* event) override;
    void TextChanged() override;

private:
    void UpdateDefaultLook(TWinControl* focused);

    bool FCancel = false;
    bool FDefault = false;
    bool FDefaultLook = false;
    int FModalResult = 0;
    bool FOwnerDraw = false;
    bool FOwnMouse = false;
    bool FDown = false;
    std::unique_ptr<TCanvas> FCanvas;
};
