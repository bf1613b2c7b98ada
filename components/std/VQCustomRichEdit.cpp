#include "components/std/VQCustomRichEdit.h"

#include "framework/system/ScopedChange.h"

VQ_PUBLISH(TVQCustomRichEdit) {
    P.Inherit();
}

TVQCustomRichEdit::TVQCustomRichEdit(TComponent* AOwner) : TCustomRichEdit(AOwner) {
    SetFormattingRect(Rect(0, 0, Width(), Height()));
}

String TVQCustomRichEdit::RichText() const {
    auto* self = const_cast<TVQCustomRichEdit*>(this);
    try {
        QByteArray stream;
        TScopedChange rtf(self, &TVQCustomRichEdit::PlainText, &TVQCustomRichEdit::SetPlainText,
                          false);
        Lines()->SaveToStream(stream);
        return QString::fromLatin1(stream);
    } catch (...) {
        return String();
    }
}

void TVQCustomRichEdit::SetRichText(const String& value) {
    // Every character is one byte of the document, a trailing NUL included.
    const QByteArray stream = value.toLatin1();
    if (Loading() && !HandleAllocated()) {
        // Read from a description: the text is read into the document when first needed.
        DeferContent(stream, false);
        return;
    }
    try {
        TScopedChange rtf(this, &TVQCustomRichEdit::PlainText, &TVQCustomRichEdit::SetPlainText,
                          false);
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
    const TRect bounds = BoundsAsSet();
    SetFormattingRect(Rect(0, 0, bounds.Width(), bounds.Height()));
}
