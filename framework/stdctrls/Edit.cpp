#include "framework/stdctrls/Edit.h"

#include "framework/controls/Application.h"
#include "framework/controls/PopupMenu.h"
#include "framework/system/ScopedChange.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

VQ_PUBLISH(TEdit) {
    P.Inherit();
    P.Property("AutoSelect", &TEdit::AutoSelect, &TEdit::SetAutoSelect).Default(true);
    P.Property("CharCase", &TEdit::CharCase, &TEdit::SetCharCase).Default(ecNormal);
    P.Property("Color", &TEdit::Color, &TEdit::SetColor)
        .Default(clWindow)
        .Stored(TStoredFn(&TControl::IsColorStored));
    P.Property("Ctl3D", &TEdit::Ctl3D, &TEdit::SetCtl3D)
        .Stored(TStoredFn(&TWinControl::IsCtl3DStored));
    P.Property("DragCursor", &TEdit::DragCursor, &TEdit::SetDragCursor)
        .Default(crDrag)
        .Idents(CursorIdents());
    P.Property("DragMode", &TEdit::DragMode, &TEdit::SetDragMode).Default(dmManual);
    P.Property("Enabled", &TEdit::Enabled, &TEdit::SetEnabled).Default(true);
    P.Property("Font", &TEdit::Font, &TEdit::SetFont).Stored(TStoredFn(&TControl::IsFontStored));
    P.Property("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength).Default(0);
    P.Property("ParentColor", &TEdit::ParentColor, &TEdit::SetParentColor).Default(false);
    P.Property("ParentCtl3D", &TEdit::ParentCtl3D, &TEdit::SetParentCtl3D).Default(true);
    P.Property("ParentFont", &TEdit::ParentFont, &TEdit::SetParentFont).Default(true);
    P.Property("ParentShowHint", &TEdit::ParentShowHint, &TEdit::SetParentShowHint).Default(true);
    // A character property: one-character strings in descriptions, #0 for none.
    P.Property(
        "PasswordChar",
        [](const TEdit* e) {
            return e->PasswordChar().isNull() ? String() : String(e->PasswordChar());
        },
        [](TEdit* e, const String& v) { e->SetPasswordChar(v.isEmpty() ? QChar() : v[0]); });
    P.Property("PopupMenu", &TEdit::PopupMenu, &TEdit::SetPopupMenu);
    P.Property("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly).Default(false);
    P.Property("ShowHint", &TEdit::ShowHint, &TEdit::SetShowHint)
        .Stored(TStoredFn(&TControl::IsShowHintStored));
    P.Property("TabOrder", &TEdit::TabOrder, &TEdit::SetTabOrder).Default(-1);
    P.Property("TabStop", &TEdit::TabStop, &TEdit::SetTabStop).Default(true);
    P.Property("Text", &TEdit::Text, &TEdit::SetText);
    P.Property("Visible", &TEdit::Visible, &TEdit::SetVisible).Default(true);
    P.Event("OnChange", &TEdit::OnChange, "TNotifyEvent");
    P.Event("OnClick", &TEdit::OnClick, "TNotifyEvent");
    P.Event("OnDblClick", &TEdit::OnDblClick, "TNotifyEvent");
    P.Event("OnDragDrop", &TEdit::OnDragDrop, "TDragDropEvent");
    P.Event("OnDragOver", &TEdit::OnDragOver, "TDragOverEvent");
    P.Event("OnEndDrag", &TEdit::OnEndDrag, "TEndDragEvent");
    P.Event("OnEnter", &TEdit::OnEnter, "TNotifyEvent");
    P.Event("OnExit", &TEdit::OnExit, "TNotifyEvent");
    P.Event("OnKeyDown", &TEdit::OnKeyDown, "TKeyEvent");
    P.Event("OnKeyPress", &TEdit::OnKeyPress, "TKeyPressEvent");
    P.Event("OnKeyUp", &TEdit::OnKeyUp, "TKeyEvent");
    P.Event("OnMouseDown", &TEdit::OnMouseDown, "TMouseEvent");
    P.Event("OnMouseMove", &TEdit::OnMouseMove, "TMouseMoveEvent");
    P.Event("OnMouseUp", &TEdit::OnMouseUp, "TMouseEvent");
    P.Event("OnStartDrag", &TEdit::OnStartDrag, "TStartDragEvent");
}

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle =
        TControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight};
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    SetParentColor(false);
}

QLineEdit* TEdit::LineEdit() const {
    return static_cast<QLineEdit*>(Widget());
}

String TEdit::ApplyCase(const String& s) const {
    switch (FCharCase) {
    case ecUpperCase:
        return s.toUpper();
    case ecLowerCase:
        return s.toLower();
    default:
        return s;
    }
}

QWidget* TEdit::CreateWidget(QWidget* parentWidget) {
    auto* edit = new QLineEdit(parentWidget);
    edit->setMaxLength(std::max(FMaxLength > 0 ? FMaxLength : 32767, int(Text().size())));
    edit->setReadOnly(FReadOnly);
    if (!FPasswordChar.isNull()) edit->setEchoMode(QLineEdit::Password);
    {
        TScopedChange pushing(FPushing, true);
        edit->setText(Text());
        // A selection made before the window existed carries over to it.
        if (FSelLength > 0) edit->setSelection(FSelStart, FSelLength);
    }
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this, edit](const QString& text) {
        if (FPushing) return;
        Application->Guard(this, [this, edit, text] {
            const String converted = ApplyCase(text);
            if (converted != text) {
                // Typed characters take the edit's case; the caret stays where it was.
                const int pos = edit->cursorPosition();
                TScopedChange pushing(FPushing, true);
                edit->setText(converted);
                edit->setCursorPosition(pos);
            }
            if (converted == Text()) return;
            StoreText(converted);
            Change();
        });
    });
    return edit;
}

void TEdit::PushText() {
    QLineEdit* edit = LineEdit();
    if (!edit || edit->text() == Text()) return;
    TScopedChange pushing(FPushing, true);
    // MaxLength limits typing; a longer text set by code is kept whole.
    edit->setMaxLength(std::max(FMaxLength > 0 ? FMaxLength : 32767, int(Text().size())));
    edit->setText(Text());
}

void TEdit::TextChanged() {
    const String converted = ApplyCase(Text());
    if (converted != Text()) StoreText(converted);
    PushText();
    Change();
}

void TEdit::Change() {
    Fire(OnChange, this);
}

void TEdit::SetCharCase(TEditCharCase value) {
    if (FCharCase == value) return;
    FCharCase = value;
    const String converted = ApplyCase(Text());
    if (converted != Text()) SetText(converted);
}

void TEdit::SetMaxLength(int value) {
    if (value < 0) value = 0;
    if (FMaxLength == value) return;
    FMaxLength = value;
    if (QLineEdit* edit = LineEdit()) {
        // The limit is for typing; a longer text already there stays whole.
        TScopedChange pushing(FPushing, true);
        edit->setMaxLength(std::max(value > 0 ? value : 32767, int(Text().size())));
    }
}

void TEdit::SetPasswordChar(QChar value) {
    if (FPasswordChar == value) return;
    FPasswordChar = value;
    if (QLineEdit* edit = LineEdit())
        edit->setEchoMode(value.isNull() ? QLineEdit::Normal : QLineEdit::Password);
}

void TEdit::SetReadOnly(bool value) {
    if (FReadOnly == value) return;
    FReadOnly = value;
    if (QLineEdit* edit = LineEdit()) edit->setReadOnly(value);
}

int TEdit::SelStart() const {
    if (QLineEdit* edit = LineEdit())
        return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    return FSelStart;
}

void TEdit::SetSelStart(int value) {
    FSelStart = value;
    FSelLength = 0;
    if (QLineEdit* edit = LineEdit()) edit->setCursorPosition(value);
}

int TEdit::SelLength() const {
    if (QLineEdit* edit = LineEdit()) return int(edit->selectedText().size());
    return FSelLength;
}

void TEdit::SetSelLength(int value) {
    FSelLength = value;
    if (QLineEdit* edit = LineEdit()) edit->setSelection(SelStart(), value);
}

String TEdit::SelText() const {
    if (QLineEdit* edit = LineEdit()) return edit->selectedText();
    return Text().mid(FSelStart, FSelLength);
}

void TEdit::SelectAll() {
    FSelStart = 0;
    FSelLength = int(Text().size());
    if (QLineEdit* edit = LineEdit()) edit->selectAll();
}

bool TEdit::WidgetEvent(QEvent* event) {
    if (event->type() == QEvent::FocusIn && !FAutoSelect) {
        // The line edit selects everything on Tab focus after this filter; undo that then.
        QLineEdit* edit = LineEdit();
        QTimer::singleShot(0, edit, [edit] { edit->deselect(); });
    }
    return TWinControl::WidgetEvent(event);
}
