#pragma once
// TCheckBox: a check box (QCheckBox) with an optional third, grayed state. Every change of
// State, by the user or by code, fires OnClick (not while loading).

#include "framework/controls/WinControl.h"

class QCheckBox;

VQ_ENUM(TCheckBoxState, uint8_t, cbUnchecked, cbChecked, cbGrayed)

class TCheckBox : public TWinControl {
    VQ_CLASS(TCheckBox, TWinControl)
public:
    explicit TCheckBox(TComponent* AOwner);

    // Alignment: taRightJustify (text right of the box); taLeftJustify puts it on the left.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    // AllowGrayed: false; whether clicking cycles through cbGrayed too.
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool value);
    // Checked: false; State == cbChecked.
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    // State: cbUnchecked.
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState value);
    // The user's click: unchecked -> grayed (with AllowGrayed) -> checked -> unchecked.
    void Toggle();

    bool DoAccelerator(QChar ch) override;

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void TextChanged() override;
    QCheckBox* Box() const;

private:
    void PushState();

    TAlignment FAlignment = taRightJustify;
    bool FAllowGrayed = false;
    TCheckBoxState FState = cbUnchecked;
    bool FPushing = false;
};
