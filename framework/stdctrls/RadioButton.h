#pragma once
// TRadioButton: one of a group of exclusive choices (QRadioButton). The radio buttons with the
// same parent form the group: checking one unchecks the others.

#include "framework/controls/WinControl.h"

class QRadioButton;

class TRadioButton : public TWinControl {
    VQ_CLASS(TRadioButton, TWinControl)
public:
    explicit TRadioButton(TComponent* AOwner);

    // Alignment: taRightJustify (text right of the circle).
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    // Checked: false; setting it unchecks the siblings and fires OnClick (not while loading).
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);

    bool DoAccelerator(QChar ch) override;

    // A radio button to a screen reader: Qt would call one outside its own exclusive groups a
    // check box. Pressing it checks it, as a click does.
    TAccRole AccRole() const override { return arRadioButton; }
    TAccStates AccStates() const override;
    TAccActions AccActions() const override { return {aaPress}; }
    void AccDoAction(TAccActionItem) override;

protected:
    // The arrow keys move to the previous or next button of the group and check it.
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void TextChanged() override;
    QRadioButton* Radio() const;

private:
    void PushChecked();

    TAlignment FAlignment = taRightJustify;
    bool FChecked = false;
    bool FPushing = false;
};
