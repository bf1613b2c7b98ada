#pragma once
// TEdit: a single-line text edit (QLineEdit). OnChange fires after every change of Text, by
// the user or by code.

#include "framework/controls/WinControl.h"

class QLineEdit;

VQ_ENUM(TEditCharCase, uint8_t, ecNormal, ecUpperCase, ecLowerCase)

class TEdit : public TWinControl {
    VQ_CLASS(TEdit, TWinControl)
public:
    explicit TEdit(TComponent* AOwner);

    // AutoSelect: true; entering by Tab selects all text.
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool value) { FAutoSelect = value; }
    // CharCase: ecNormal; upper or lower case converts the text and everything typed.
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase value);
    // MaxLength: 0 (no limit); characters the user can type.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value);
    // PasswordChar: none; when set every character shows as this one.
    QChar PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(QChar value);
    // ReadOnly: false.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);

    int SelStart() const;
    void SetSelStart(int value);
    int SelLength() const;
    void SetSelLength(int value);
    String SelText() const;
    void SelectAll();
    void Clear() { SetText(String()); }

    TNotifyEvent OnChange; // the text changed

protected:
    virtual void Change();
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void TextChanged() override;
    bool WidgetEvent(QEvent* event) override;
    QLineEdit* LineEdit() const;

private:
    String ApplyCase(const String& s) const;
    void PushText();

    bool FAutoSelect = true;
    TEditCharCase FCharCase = ecNormal;
    int FMaxLength = 0;
    QChar FPasswordChar;
    bool FReadOnly = false;
    bool FPushing = false;
    int FSelStart = 0;
    int FSelLength = 0;
};
