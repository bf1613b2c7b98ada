#include "framework/comctrls/CustomRichEdit.h"

#include "framework/controls/Application.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/FontPreload.h"
#include "framework/graphics/Graphics.h"
#include "framework/rtf/RtfReader.h"
#include "framework/rtf/RtfWriter.h"
#include "framework/system/UpdateScope.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QUuid>
#include <QtMath>

#include <utility>

namespace {

const char* const kClipboardOwnerFormat = "application/x-vq-richedit-owner";

} // namespace

// The text window: a QTextEdit that hands its viewport's mouse input to the control (the
// control layer's filter sees only the QTextEdit itself) and checks user edits against
// MaxLength and protected text before they happen.
class TCustomRichEdit::TEditWidget : public QTextEdit {
public:
    TEditWidget(TCustomRichEdit* edit, QWidget* parent) : QTextEdit(parent), FEdit(edit) {}

    void SetMargins(const QMargins& m) { setViewportMargins(m); }

    TCustomRichEdit* FEdit;

protected:
    bool viewportEvent(QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            if (FEdit && ForwardMouse(static_cast<QMouseEvent*>(event))) return true;
            break;
        default:
            break;
        }
        return QTextEdit::viewportEvent(event);
    }

    void keyPressEvent(QKeyEvent* e) override {
        if (!FEdit || isReadOnly()) {
            QTextEdit::keyPressEvent(e);
            return;
        }
        const QTextCursor c = textCursor();
        int start = c.selectionStart(), end = c.selectionEnd();
        QString inserted;
        bool edits = false;
        if (e->matches(QKeySequence::Paste)) {
            // insertFromMimeData checks the pasted text.
            QTextEdit::keyPressEvent(e);
            return;
        }
        if (e->matches(QKeySequence::Cut)) {
            edits = start != end;
        } else if (e->key() == Qt::Key_Backspace) {
            edits = true;
            if (start == end && start > 0) --start;
        } else if (e->key() == Qt::Key_Delete) {
            edits = true;
            if (start == end) ++end;
        } else if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            if (!FEdit->FWantReturns) {
                e->ignore();
                return;
            }
            edits = true;
            inserted = QStringLiteral("\n");
        } else if (!e->text().isEmpty() && e->text()[0].isPrint() &&
                   !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            edits = true;
            inserted = e->text();
        } else if (e->key() == Qt::Key_Tab && FEdit->FWantTabs) {
            edits = true;
            inserted = QStringLiteral("\t");
        }
        if (edits) {
            if (!inserted.isEmpty() && !FEdit->RoomFor(start, end, int(inserted.size()))) return;
            bool allowed = true;
            Application->Guard(FEdit, [&] { allowed = FEdit->AllowEdit(start, end); });
            if (!allowed) return;
        }
        QTextEdit::keyPressEvent(e);
    }

    void insertFromMimeData(const QMimeData* source) override {
        if (!FEdit) return;
        const QTextCursor c = textCursor();
        bool allowed = true;
        Application->Guard(
            FEdit, [&] { allowed = FEdit->AllowEdit(c.selectionStart(), c.selectionEnd()); });
        if (!allowed) return;
        if (FEdit->FMaxLength > 0) {
            // Only as much plain text as fits.
            const int room =
                FEdit->FMaxLength - (FEdit->TextLength() - (c.selectionEnd() - c.selectionStart()));
            QString text = source->text();
            if (text.size() > room) text.truncate(std::max(0, room));
            textCursor().insertText(text);
            return;
        }
        QTextEdit::insertFromMimeData(source);
    }

    QMimeData* createMimeDataFromSelection() const override {
        QMimeData* data = QTextEdit::createMimeDataFromSelection();
        if (FEdit) data->setData(QString::fromLatin1(kClipboardOwnerFormat), FEdit->FClipboardId);
        return data;
    }

    void focusInEvent(QFocusEvent* e) override {
        QTextEdit::focusInEvent(e);
        if (FEdit) FEdit->ApplyPalette();
    }

    void focusOutEvent(QFocusEvent* e) override {
        QTextEdit::focusOutEvent(e);
        if (FEdit) FEdit->ApplyPalette();
    }

private:
    // The control sees the event in the QTextEdit's coordinates; true when it consumed it.
    bool ForwardMouse(QMouseEvent* e) {
        const QPoint local = viewport()->mapTo(this, e->position().toPoint());
        QMouseEvent mapped(e->type(), QPointF(local), e->globalPosition(), e->button(),
                           e->buttons(), e->modifiers());
        TCustomRichEdit* edit = FEdit;
        bool handled = false;
        Application->Guard(edit, [&] { handled = edit->WidgetEvent(&mapped); });
        return handled;
    }
};

// ---------------------------------------------------------------------------------------------
// Lines

TCustomRichEdit::TLines::TLines(TCustomRichEdit* edit)
    : TTextDocumentStrings(nullptr), FEdit(edit) {}

void TCustomRichEdit::TLines::Assign(const TPersistent* Source) {
    // A failed assignment may have changed part of the content.
    TUpdateScope update([this] { FEdit->BeginContentUpdate(); },
                        [this] { FEdit->EndContentUpdate(true); });
    TStrings::Assign(Source);
}

QTextDocument* TCustomRichEdit::TLines::Prepare() const {
    return FEdit->Document();
}

void TCustomRichEdit::TLines::LoadFromStream(const QByteArray& stream) {
    // New content: whatever was kept back is replaced unread.
    FEdit->FPending = false;
    FEdit->FPendingStream.clear();
    bool loaded = false;
    TUpdateScope update([this] { FEdit->BeginContentUpdate(); },
                        [this, &loaded] { FEdit->EndContentUpdate(loaded); });
    Load(stream, FEdit->FPlainText);
    loaded = true;
}

void TCustomRichEdit::TLines::Load(const QByteArray& stream, bool plain) {
    QTextDocument* doc = Document();
    bool loaded = false;
    if (!plain) {
        TRtfReader reader;
        loaded = reader.Read(stream, doc);
    }
    if (!loaded) {
        // Plain text: trailing NULs end the data; one inside it means it is no text at all.
        QByteArray bytes = stream;
        while (bytes.endsWith('\0'))
            bytes.chop(1);
        if (bytes.contains('\0')) {
            throw EOutOfResources(QStringLiteral("Rich text load error: the data is not text"));
        }
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8.decode(bytes);
        if (utf8.hasError()) {
            text.clear();
            text.reserve(bytes.size());
            for (char b : bytes)
                text += QChar(TRtfReader::Cp1252ToUnicode(uchar(b)));
        }
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(u'\r', u'\n');
        // The break that ends the last line starts no new one.
        if (text.endsWith(u'\n')) text.chop(1);
        doc->setPlainText(text);
    }
    // New content is read from its start: the caret (and a window made later) begins there,
    // not after the inserted text.
    FEdit->SetSelStart(0);
}

void TCustomRichEdit::TLines::SaveToStream(QByteArray& stream) const {
    if (FEdit->FPlainText) {
        QString text;
        const int count = Count();
        for (int i = 0; i < count; ++i) {
            text += Get(i);
            text += QStringLiteral("\r\n");
        }
        stream += text.toUtf8();
        return;
    }
    TRtfWriter writer;
    const TFont* font = FEdit->Font();
    writer.SetDefaultFontName(font->Name());
    // Half points at 96 pixels per inch, halves rounded up: -11 pixels is 8.25 points, \fs17.
    const int pixels = std::abs(font->Height());
    writer.SetDefaultFontSize((pixels * 144 + 95) / 96);
    writer.SetTerminatingNul(true);
    stream += writer.Write(Document());
}

// ---------------------------------------------------------------------------------------------

VQ_PUBLISH(TCustomRichEdit) {
    P.Inherit();
}

TCustomRichEdit::TCustomRichEdit(TComponent* AOwner) : TWinControl(AOwner) {
    FLines = std::make_unique<TLines>(this);
    FClipboardId = QUuid::createUuid().toByteArray();
    SetColor(clWindow);
    SetParentColor(false);
    SetTabStop(true);
    SetBounds(0, 0, 185, 89);
}

TCustomRichEdit::~TCustomRichEdit() {
    // Text that this control put on the clipboard is kept only when the handler says so.
    if (QClipboard* cb = QApplication::clipboard()) {
        const QMimeData* data = cb->mimeData();
        if (data && data->data(QString::fromLatin1(kClipboardOwnerFormat)) == FClipboardId) {
            if (!SaveClipboard(0, int(data->text().size()))) cb->clear();
        }
    }
    DestroyWnd();
    if (FDocument) FDocument->disconnect();
}

void TCustomRichEdit::MakeDocument() const {
    FDocument = std::make_unique<QTextDocument>();
    QTextDocument* doc = FDocument.get();
    doc->setDocumentMargin(FFormatRectSet ? 0 : 1);
    doc->setDefaultFont(Font()->Handle());
    if (FAlignment != taLeftJustify) ApplyAlignment();
    // A document reports content changes only once it has a layout; with no page size (set
    // first: the layout would lay out the empty document) that layout waits until the
    // text's size is needed (see SetLayoutWidth).
    doc->setPageSize(QSizeF(0, 0));
    doc->documentLayout();
    auto* self = const_cast<TCustomRichEdit*>(this);
    QObject::connect(doc, &QTextDocument::contentsChange, doc, [self](int, int removed, int added) {
        if (removed || added) self->ContentsChanged();
    });
    FCursor = QTextCursor(doc);
}

QTextEdit* TCustomRichEdit::TextEdit() const {
    return static_cast<QTextEdit*>(Widget());
}

void TCustomRichEdit::SetLines(TStrings* value) {
    if (value) FLines->Assign(value);
}

// Content ---------------------------------------------------------------------------------------

void TCustomRichEdit::EndContentUpdate(bool changed) {
    if (--FContentUpdate > 0) {
        FContentChanged = FContentChanged || changed;
        return;
    }
    const bool fire = FContentChanged || changed;
    FContentChanged = false;
    if (fire) ContentsChanged();
}

void TCustomRichEdit::DeferContent(const QByteArray& stream, bool plain) {
    FPendingStream = stream;
    FPendingPlain = plain;
    FPending = true;
    ContentsChanged();
}

void TCustomRichEdit::LoadPending() const {
    auto* self = const_cast<TCustomRichEdit*>(this);
    const QByteArray stream = std::exchange(FPendingStream, QByteArray());
    FPending = false;
    // Listeners heard of this content when it was given.
    TUpdateScope quiet([self] { ++self->FQuiet; }, [self] { --self->FQuiet; });
    try {
        FLines->Load(stream, FPendingPlain);
    } catch (...) {
        FLines->Clear();
    }
}

void TCustomRichEdit::ContentsChanged() {
    if (FQuiet > 0) return;
    if (FContentUpdate > 0) {
        FContentChanged = true;
        return;
    }
    Application->Guard(this, [this] { Change(); });
    Application->Guard(this, [this] { RequestContentSize(); });
}

void TCustomRichEdit::RequestContentSize() {
    if (OnResizeRequest) RequestSize();
}

void TCustomRichEdit::Change() {
    Fire(OnChange, this);
}

void TCustomRichEdit::SelectionChange() {
    Fire(OnSelectionChange, this);
}

bool TCustomRichEdit::ProtectChange(int StartPos, int EndPos) {
    // Without a handler protected text stays as it is.
    bool allow = false;
    Fire(OnProtectChange, this, StartPos, EndPos, allow);
    return allow;
}

bool TCustomRichEdit::SaveClipboard(int NumObjects, int NumChars) {
    bool save = true;
    Fire(OnSaveClipboard, this, NumObjects, NumChars, save);
    return save;
}

int TCustomRichEdit::TextLength() const {
    return Document()->characterCount() - 1;
}

bool TCustomRichEdit::RoomFor(int start, int end, int inserted) const {
    if (FMaxLength <= 0) return true;
    return TextLength() - (end - start) + inserted <= FMaxLength;
}

bool TCustomRichEdit::AllowEdit(int start, int end) {
    bool touches = false;
    if (start == end) {
        // Typing inside protected text: both neighbours are protected.
        auto protectedAt = [this](int pos) {
            if (pos < 0 || pos >= TextLength()) return false;
            QTextCursor c(Document());
            c.setPosition(pos);
            c.setPosition(pos + 1, QTextCursor::KeepAnchor);
            return c.charFormat().boolProperty(ProtectedProperty);
        };
        touches = protectedAt(start - 1) && protectedAt(start);
    } else {
        for (QTextBlock b = Document()->findBlock(start); b.isValid() && b.position() < end;
             b = b.next()) {
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextFragment f = it.fragment();
                if (f.position() + f.length() <= start || f.position() >= end) continue;
                if (f.charFormat().boolProperty(ProtectedProperty)) touches = true;
            }
        }
    }
    return !touches || ProtectChange(start, end);
}

// Properties ----------------------------------------------------------------------------------

void TCustomRichEdit::SetReadOnly(bool value) {
    if (FReadOnly == value) return;
    FReadOnly = value;
    if (QTextEdit* e = TextEdit()) e->setReadOnly(value);
}

void TCustomRichEdit::SetWordWrap(bool value) {
    if (FWordWrap == value) return;
    FWordWrap = value;
    if (QTextEdit* e = TextEdit())
        e->setLineWrapMode(value ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    else
        ApplyFormattingRect();
    ApplyScrollBars();
}

void TCustomRichEdit::SetScrollBars(TScrollStyle value) {
    if (FScrollBars == value) return;
    FScrollBars = value;
    ApplyScrollBars();
}

void TCustomRichEdit::SetHideScrollBars(bool value) {
    if (FHideScrollBars == value) return;
    FHideScrollBars = value;
    ApplyScrollBars();
}

void TCustomRichEdit::ApplyScrollBars() {
    QTextEdit* e = TextEdit();
    if (!e) return;
    const Qt::ScrollBarPolicy shown =
        FHideScrollBars ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOn;
    const bool vertical = FScrollBars == ssVertical || FScrollBars == ssBoth;
    // Wrapped text never needs a horizontal bar.
    const bool horizontal = (FScrollBars == ssHorizontal || FScrollBars == ssBoth) && !FWordWrap;
    e->setVerticalScrollBarPolicy(vertical ? shown : Qt::ScrollBarAlwaysOff);
    e->setHorizontalScrollBarPolicy(horizontal ? shown : Qt::ScrollBarAlwaysOff);
}

void TCustomRichEdit::SetHideSelection(bool value) {
    if (FHideSelection == value) return;
    FHideSelection = value;
    ApplyPalette();
}

void TCustomRichEdit::SetMaxLength(int value) {
    if (value < 0) value = 0;
    FMaxLength = value;
}

void TCustomRichEdit::SetWantTabs(bool value) {
    if (FWantTabs == value) return;
    FWantTabs = value;
    if (QTextEdit* e = TextEdit()) e->setTabChangesFocus(!value);
}

void TCustomRichEdit::SetAlignment(TAlignment value) {
    if (FAlignment == value) return;
    FAlignment = value;
    if (FDocument) ApplyAlignment();
}

void TCustomRichEdit::ApplyAlignment() const {
    QTextOption option = FDocument->defaultTextOption();
    option.setAlignment(FAlignment == taCenter         ? Qt::AlignHCenter
                        : FAlignment == taRightJustify ? Qt::AlignRight
                                                       : Qt::AlignLeft);
    FDocument->setDefaultTextOption(option);
}

void TCustomRichEdit::SetBorderStyle(TBorderStyle value) {
    if (value != bsNone) value = bsSingle;
    if (FBorderStyle == value) return;
    FBorderStyle = value;
    if (QTextEdit* e = TextEdit()) {
        e->setFrameStyle(value == bsNone ? QFrame::NoFrame : QFrame::StyledPanel | QFrame::Sunken);
        ApplyFormattingRect();
    }
}

bool TCustomRichEdit::WantsKey(uint16_t key) const {
    switch (key) {
    case VK_RETURN:
        return FWantReturns;
    case VK_TAB:
        return FWantTabs;
    default:
        return TWinControl::WantsKey(key);
    }
}

// Formatting rectangle and size requests --------------------------------------------------------

int TCustomRichEdit::FrameWidth() const {
    if (QTextEdit* e = TextEdit()) return e->frameWidth();
    return FBorderStyle == bsNone ? 0 : 2;
}

TRect TCustomRichEdit::EffectiveFormattingRect() const {
    if (FFormatRectSet) return FFormatRect;
    const int fw = FrameWidth();
    const TRect b = BoundsAsSet();
    return Rect(fw, fw, b.Width() - fw, b.Height() - fw);
}

TRect TCustomRichEdit::FormattingRect() const {
    SettleSize();
    return EffectiveFormattingRect();
}

void TCustomRichEdit::SetFormattingRect(const TRect& value) {
    FFormatRectSet = true;
    FFormatRect = value;
    ApplyFormattingRect();
}

void TCustomRichEdit::ResetFormattingRect() {
    FFormatRectSet = false;
    ApplyFormattingRect();
}

void TCustomRichEdit::ApplyFormattingRect() {
    // A set rectangle is the text area itself; the default one keeps a pixel off the border.
    const qreal margin = FFormatRectSet ? 0 : 1;
    if (FDocument && FDocument->documentMargin() != margin) FDocument->setDocumentMargin(margin);
    const TRect r = EffectiveFormattingRect();
    auto* e = static_cast<TEditWidget*>(TextEdit());
    if (!e) {
        // Without a window the rectangle's width waits for the first layout (SetLayoutWidth);
        // a document laid out already follows it.
        SetLayoutWidth(FWordWrap ? std::max(1, r.Width()) : -1, false);
        return;
    }
    const int fw = e->frameWidth();
    const TRect b = BoundsAsSet();
    // The viewport cannot reach past the window or over its frame.
    const QMargins m(std::max(0, r.Left - fw), std::max(0, r.Top - fw),
                     std::max(0, b.Width() - fw - r.Right),
                     std::max(0, b.Height() - fw - r.Bottom));
    e->SetMargins(m);
}

int TCustomRichEdit::ContentHeight(int width) const {
    TFontPreload::WaitForRunning();
    SetLayoutWidth(FWordWrap ? std::max(1, width) : -1, true);
    return int(qCeil(Document()->size().height()));
}

void TCustomRichEdit::SetLayoutWidth(int width, bool now) const {
    // Laying out is most of the cost of loading text; text nobody has measured or shown (the
    // labels of hidden pages and windows) need not be laid out at all yet.
    if (!now && (!FDocument || FDocument->pageSize().isNull())) return;
    EnsureDocument();
    // Qt lays the whole document out again on every width it is given, even the same one.
    if (FDocument->textWidth() != qreal(width)) FDocument->setTextWidth(width);
}

TRect TCustomRichEdit::RequiredBounds() const {
    const TRect r = EffectiveFormattingRect();
    const int content = ContentHeight(r.Width());
    // What lies around the formatting rectangle stays as it is.
    const TRect b = BoundsAsSet();
    const int height = r.Top + content + (b.Height() - r.Bottom);
    return Bounds(b.Left, b.Top, b.Width(), height);
}

void TCustomRichEdit::RequestSize() {
    if (!OnResizeRequest) return;
    const TRect r = RequiredBounds();
    Fire(OnResizeRequest, this, r);
}

void TCustomRichEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    const TRect before = BoundsAsSet();
    TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (BoundsAsSet() != before) WindowPosChanged();
}

void TCustomRichEdit::WindowPosChanged() {
    ApplyFormattingRect();
}

// Selection and clipboard -----------------------------------------------------------------------

QTextCursor TCustomRichEdit::Selection() const {
    Document();
    QTextEdit* e = TextEdit();
    return e ? e->textCursor() : FCursor;
}

int TCustomRichEdit::SelStart() const {
    return Selection().selectionStart();
}

int TCustomRichEdit::SelLength() const {
    const QTextCursor c = Selection();
    return c.selectionEnd() - c.selectionStart();
}

void TCustomRichEdit::SetSelStart(int value) {
    QTextCursor c = Selection();
    c.setPosition(std::clamp(value, 0, TextLength()));
    if (QTextEdit* e = TextEdit())
        e->setTextCursor(c);
    else
        FCursor = c;
}

void TCustomRichEdit::SetSelLength(int value) {
    QTextCursor c = Selection();
    const int start = c.selectionStart();
    c.setPosition(start);
    c.setPosition(std::clamp(start + value, 0, TextLength()), QTextCursor::KeepAnchor);
    if (QTextEdit* e = TextEdit())
        e->setTextCursor(c);
    else
        FCursor = c;
}

String TCustomRichEdit::SelText() const {
    QString s = Selection().selectedText();
    s.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return s;
}

void TCustomRichEdit::SelectAll() {
    SetSelStart(0);
    SetSelLength(TextLength());
}

void TCustomRichEdit::Clear() {
    FLines->Clear();
}

void TCustomRichEdit::SetSelProtected(bool value) {
    QTextCursor c = Selection();
    if (!c.hasSelection()) return;
    QTextCharFormat f;
    f.setProperty(ProtectedProperty, value);
    c.mergeCharFormat(f);
}

void TCustomRichEdit::CopyToClipboard() {
    QTextCursor c = Selection();
    if (!c.hasSelection()) return;
    auto* data = new QMimeData;
    data->setText(SelText());
    data->setData(QString::fromLatin1(kClipboardOwnerFormat), FClipboardId);
    QApplication::clipboard()->setMimeData(data);
}

void TCustomRichEdit::CutToClipboard() {
    QTextCursor c = Selection();
    if (FReadOnly || !c.hasSelection()) return;
    if (!AllowEdit(c.selectionStart(), c.selectionEnd())) return;
    CopyToClipboard();
    c.removeSelectedText();
}

void TCustomRichEdit::PasteFromClipboard() {
    if (FReadOnly) return;
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasText()) return;
    QTextCursor c = Selection();
    if (!AllowEdit(c.selectionStart(), c.selectionEnd())) return;
    QString text = data->text();
    if (FMaxLength > 0) {
        const int room = FMaxLength - (TextLength() - (c.selectionEnd() - c.selectionStart()));
        text.truncate(std::max(0, room));
    }
    c.insertText(text);
}

// Window ----------------------------------------------------------------------------------------

QWidget* TCustomRichEdit::CreateWidget(QWidget* parentWidget) {
    // The document joins in CreateWnd, once the window has its size, font and margins: each
    // of those set afterwards would lay the whole text out again.
    auto* e = new TEditWidget(this, parentWidget);
    e->setReadOnly(FReadOnly);
    e->setLineWrapMode(FWordWrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    e->setTabChangesFocus(!FWantTabs);
    e->setAcceptRichText(true);
    e->setFrameStyle(FBorderStyle == bsNone ? QFrame::NoFrame
                                            : QFrame::StyledPanel | QFrame::Sunken);
    return e;
}

void TCustomRichEdit::SelectionMoved() {
    QTextEdit* e = TextEdit();
    if (!e) return;
    const QTextCursor c = e->textCursor();
    if (c.selectionStart() == FLastSelStart && c.selectionEnd() == FLastSelEnd) return;
    FLastSelStart = c.selectionStart();
    FLastSelEnd = c.selectionEnd();
    Application->Guard(this, [this] { SelectionChange(); });
}

void TCustomRichEdit::CreateWnd() {
    // The document is made, and kept-back content read, while there is no widget yet, so that
    // the own caret is the one put at its start.
    Document();
    TWinControl::CreateWnd();
    auto* e = static_cast<TEditWidget*>(TextEdit());
    if (!e) return;
    ApplyScrollBars();
    ApplyFormattingRect();
    ApplyPalette();
    e->setDocument(FDocument.get());
    e->setTextCursor(FCursor);
    QObject::connect(e, &QTextEdit::cursorPositionChanged, e, [this] { SelectionMoved(); });
    QObject::connect(e, &QTextEdit::selectionChanged, e, [this] { SelectionMoved(); });
}

void TCustomRichEdit::DestroyWnd() {
    if (auto* e = static_cast<TEditWidget*>(TextEdit())) {
        FCursor = e->textCursor();
        e->FEdit = nullptr;
        e->disconnect();
        // The document is ours: the dying widget must not take it along or keep using it.
        e->setDocument(nullptr);
    }
    TWinControl::DestroyWnd();
}

void TCustomRichEdit::FontChanged() {
    TWinControl::FontChanged();
    if (FDocument) FDocument->setDefaultFont(Font()->Handle());
}

void TCustomRichEdit::EnabledChanged() {
    TWinControl::EnabledChanged();
    ApplyPalette();
}

void TCustomRichEdit::UpdateWidgetColor() {
    TWinControl::UpdateWidgetColor();
    ApplyPalette();
}

void TCustomRichEdit::ApplyPalette() {
    QTextEdit* e = TextEdit();
    if (!e) return;
    QPalette pal = e->palette();
    const QColor back = ColorToQColor(Color());
    const QColor text = ColorToQColor(Font()->Color());
    // A disabled edit (the rich label) still shows its text as it is, not greyed.
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Base, back);
        pal.setColor(group, QPalette::Window, back);
        pal.setColor(group, QPalette::Text, text);
    }
    const QPalette app = QApplication::palette();
    const bool hide = FHideSelection && !e->hasFocus();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Highlight,
                     hide ? back : app.color(QPalette::Active, QPalette::Highlight));
        pal.setColor(group, QPalette::HighlightedText,
                     hide ? text : app.color(QPalette::Active, QPalette::HighlightedText));
    }
    e->setPalette(pal);
}

String TCustomRichEdit::DocumentText() const {
    return Document()->toPlainText();
}
