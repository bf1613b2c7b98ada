#pragma once
// TMemo: a multi-line plain-text edit (QPlainTextEdit), the "String editor" form's edit. The
// control owns the document, so Lines works with or without a window.

#include "framework/comctrls/CustomRichEdit.h"

class QPlainTextEdit;

class TMemo : public TWinControl {
    VQ_CLASS(TMemo, TWinControl)
public:
    explicit TMemo(TComponent* AOwner);
    ~TMemo() override;

    // Lines: the text's lines; assigning copies the strings.
    TTextDocumentStrings* Lines() const { return FLines.get(); }
    void SetLines(TStrings* value);
    // ReadOnly: false.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    // WordWrap: true; long lines wrap at the right edge (and need no horizontal scroll bar).
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    // ScrollBars: ssNone; the bars shown when the text does not fit.
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);

    TNotifyEvent OnChange; // the text changed (by the user or by code)

    bool WantsKey(uint16_t key) const override;

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void DestroyWnd() override;
    void FontChanged() override;
    QPlainTextEdit* PlainEdit() const;

private:
    void ApplyScrollBars();

    std::unique_ptr<QTextDocument> FDocument;
    std::unique_ptr<TTextDocumentStrings> FLines;
    bool FReadOnly = false;
    bool FWordWrap = true;
    TScrollStyle FScrollBars = ssNone;
};
