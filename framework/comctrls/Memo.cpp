#include "framework/comctrls/Memo.h"

#include "framework/controls/Application.h"
#include "framework/graphics/Font.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextDocument>

VQ_PUBLISH(TMemo) {
    using C = TMemo;
    P.Inherit();
    P.Property("Align", &C::Align, &C::SetAlign).Default(alNone);
    P.Property("Color", &C::Color, &C::SetColor)
        .Default(clWindow)
        .Stored(TStoredFn(&TControl::IsColorStored));
    P.Property("Enabled", &C::Enabled, &C::SetEnabled).Default(true);
    P.Property("Font", &C::Font, &C::SetFont).Stored(TStoredFn(&TControl::IsFontStored));
    P.Property(
        "Lines", [](const C* c) -> TStrings* { return c->Lines(); }, &C::SetLines);
    P.Property("ParentColor", &C::ParentColor, &C::SetParentColor).Default(false);
    P.Property("ParentFont", &C::ParentFont, &C::SetParentFont).Default(true);
    P.Property("ReadOnly", &C::ReadOnly, &C::SetReadOnly).Default(false);
    P.Property("ScrollBars", &C::ScrollBars, &C::SetScrollBars).Default(ssNone);
    P.Property("TabOrder", &C::TabOrder, &C::SetTabOrder).Default(-1);
    P.Property("TabStop", &C::TabStop, &C::SetTabStop).Default(true);
    P.Property("Visible", &C::Visible, &C::SetVisible).Default(true);
    P.Property("WordWrap", &C::WordWrap, &C::SetWordWrap).Default(true);
    P.Event("OnChange", &C::OnChange, "TNotifyEvent");
    P.Event("OnEnter", &C::OnEnter, "TNotifyEvent");
    P.Event("OnExit", &C::OnExit, "TNotifyEvent");
    P.Event("OnKeyDown", &C::OnKeyDown, "TKeyEvent");
    P.Event("OnKeyPress", &C::OnKeyPress, "TKeyPressEvent");
    P.Event("OnKeyUp", &C::OnKeyUp, "TKeyEvent");
}

TMemo::TMemo(TComponent* AOwner)
    : TWinControl(AOwner), FDocument(std::make_unique<QTextDocument>()) {
    FDocument->setDocumentLayout(new QPlainTextDocumentLayout(FDocument.get()));
    FDocument->setDefaultFont(Font()->Handle());
    FLines = std::make_unique<TTextDocumentStrings>(FDocument.get());
    QObject::connect(FDocument.get(), &QTextDocument::contentsChange, FDocument.get(),
                     [this](int, int removed, int added) {
                         if (removed || added)
                             Application->Guard(this, [this] { Fire(OnChange, this); });
                     });
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 185, 89);
}

TMemo::~TMemo() {
    DestroyWnd();
    FDocument->disconnect();
}

QPlainTextEdit* TMemo::PlainEdit() const {
    return static_cast<QPlainTextEdit*>(Widget());
}

void TMemo::SetLines(TStrings* value) {
    if (value) FLines->Assign(value);
}

void TMemo::SetReadOnly(bool value) {
    if (FReadOnly == value) return;
    FReadOnly = value;
    if (QPlainTextEdit* e = PlainEdit()) e->setReadOnly(value);
}

void TMemo::SetWordWrap(bool value) {
    if (FWordWrap == value) return;
    FWordWrap = value;
    if (QPlainTextEdit* e = PlainEdit())
        e->setLineWrapMode(value ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    ApplyScrollBars();
}

void TMemo::SetScrollBars(TScrollStyle value) {
    if (FScrollBars == value) return;
    FScrollBars = value;
    ApplyScrollBars();
}

void TMemo::ApplyScrollBars() {
    QPlainTextEdit* e = PlainEdit();
    if (!e) return;
    const bool vertical = FScrollBars == ssVertical || FScrollBars == ssBoth;
    const bool horizontal = (FScrollBars == ssHorizontal || FScrollBars == ssBoth) && !FWordWrap;
    e->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    e->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

bool TMemo::WantsKey(uint16_t key) const {
    return key == VK_RETURN || TWinControl::WantsKey(key);
}

QWidget* TMemo::CreateWidget(QWidget* parentWidget) {
    auto* e = new QPlainTextEdit(parentWidget);
    e->setDocument(FDocument.get());
    e->setReadOnly(FReadOnly);
    e->setLineWrapMode(FWordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    e->setTabChangesFocus(true);
    const bool vertical = FScrollBars == ssVertical || FScrollBars == ssBoth;
    const bool horizontal = (FScrollBars == ssHorizontal || FScrollBars == ssBoth) && !FWordWrap;
    e->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    e->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    return e;
}

void TMemo::DestroyWnd() {
    // The document is ours: the widget must let go of it before it dies.
    if (QPlainTextEdit* e = PlainEdit()) {
        auto* spare = new QTextDocument(e);
        spare->setDocumentLayout(new QPlainTextDocumentLayout(spare));
        e->setDocument(spare);
    }
    TWinControl::DestroyWnd();
}

void TMemo::FontChanged() {
    TWinControl::FontChanged();
    FDocument->setDefaultFont(Font()->Handle());
}
