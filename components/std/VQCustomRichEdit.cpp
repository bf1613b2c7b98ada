#include "components/std/VQCustomRichEdit.h"

VQ_PUBLISH(TVQCustomRichEdit) {
    P.Inherit();
}

TVQCustomRichEdit::TVQCustomRichEdit(TComponent* AOwner) : TCustomRichEdit(AOwner) {
    SetFormattingRect(Rect(0, 0, Width(), Height()));
}

namespace {
// Restores PlainText on every path out of the stream transfer.
struct TPlainTextGuard {
    explicit TPlainTextGuard(TCustomRichEdit* edit) : FEdit(edit), FSaved(edit->PlainText()) {
        edit->SetPlainText(false);
    }
    ~TPlainTextGuard() { FEdit->SetPlainText(FSaved); }
    TCustomRichEdit* FEdit;
    bool FSaved;
};
} // namespace

String TVQCustomRichEdit::RichText() const {
    auto* self = const_cast<TVQCustomRichEdit*>(this);
    try {
        QByteArray stream;
        TPlainTextGuard guard(self);
        Lines()->SaveToStream(stream);
        return QString::fromLatin1(stream);
    } catch (...) {
        return String();
    }
}

void TVQCustomRichEdit::SetRichText(const String& value) {
    try {
        // Every character is one byte of the document, a trailing NUL included.
        const QByteArray stream = value.toLatin1();
        TPlainTextGuard guard(this);
        Lines()->LoadFromStream(stream);
    } catch (...) {
        try {
            Lines()->Clear();
        } catch (...) {
        }
    }
}

void TVQCustomRichEdit::WindowPosChanged() {
    TCustomRichEdit::WindowPosChanged();
    SetFormattingRect(Rect(0, 0, Width(), Height()));
}
