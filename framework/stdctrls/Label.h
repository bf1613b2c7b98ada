#pragma once
// TLabel: a windowless text control. With AutoSize it takes the size of its text (the width of
// the widest line with WordWrap); its '&' letter focuses FocusControl.

#include "framework/controls/GraphicControl.h"

class TWinControl;

class TLabel : public TGraphicControl {
    VQ_CLASS(TLabel, TGraphicControl)
public:
    explicit TLabel(TComponent* AOwner);

    // Alignment: taLeftJustify; horizontal placement of the text.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    // AutoSize: true; the label sizes itself to its text (right-justified labels keep their
    // right edge).
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    // FocusControl: nullptr; the control that Alt+accelerator focuses.
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* value);
    // Layout: tlTop; vertical placement of the text.
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    // ShowAccelChar: true; '&' underlines the next letter ("&&" shows '&').
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value);
    // Transparent: false; when true the background is not filled.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // WordWrap: false; breaks lines at word boundaries within the width.
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);

    bool DoAccelerator(QChar ch) override;
    void Loaded() override;

protected:
    void Paint() override;
    TAccRole AccRole() const override { return arStaticText; }
    void TextChanged() override;
    void FontChanged() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // Sizes the label to its text when AutoSize is set (without a window, once the size is
    // needed: see SetSizePending).
    virtual void AdjustBounds();
    void SettlePendingSize() override;
    // The flags of DrawText for the current settings.
    unsigned DrawTextFlags() const;

private:
    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = true;
    TWinControl* FFocusControl = nullptr;
    TTextLayout FLayout = tlTop;
    bool FShowAccelChar = true;
    bool FTransparent = false;
    bool FWordWrap = false;

    void Measure();
};
