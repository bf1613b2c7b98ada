#pragma once
// TCustomRichEdit: a multi-line edit of formatted text on a QTextEdit. The control owns the
// QTextDocument, so the content lives on while the control has no window and across
// RecreateWnd; it is made when first needed (edits of windows built hidden may never need it).
// Lines is a view of its paragraphs; Lines->SaveToStream and LoadFromStream move the whole content
// as RTF (TRtfWriter, TRtfReader) or, with PlainText, as plain text.
//
// The formatting rectangle is where the text lays out, in the control's own coordinates; by
// default it is the client area inside the border. RequestSize reports through OnResizeRequest
// the bounds the whole content needs at the current width; content changes report it too, as
// a bottomless edit does. Both rectangles are in the parent's coordinates, so applying one as
// bounds keeps the control where it is. Without a window the text is laid out only once its
// size is needed: Document()->size() of an edit never shown nor measured is not worked out.
//
// Protected text: characters whose format has ProtectedProperty set. A user edit touching them
// asks OnProtectChange, and is refused when no handler allows it.

#include "framework/comctrls/TextDocumentStrings.h"
#include "framework/controls/WinControl.h"

#include <QTextCursor>
#include <QTextFormat>
#include <memory>

class QTextDocument;
class QTextEdit;

VQ_ENUM(TScrollStyle, uint8_t, ssNone, ssHorizontal, ssVertical, ssBoth)

using TRichEditResizeEvent = std::function<void(TObject* Sender, const TRect& Rect)>;
using TRichEditProtectChange =
    std::function<void(TObject* Sender, int StartPos, int EndPos, bool& AllowChange)>;
using TRichEditSaveClipboard =
    std::function<void(TObject* Sender, int NumObjects, int NumChars, bool& SaveClipboard)>;

class TCustomRichEdit : public TWinControl {
    VQ_CLASS(TCustomRichEdit, TWinControl)
public:
    // The Lines of a rich edit: the paragraph list plus the stream transfer of the content.
    class TLines : public TTextDocumentStrings {
    public:
        explicit TLines(TCustomRichEdit* edit);
        // Replaces the content. RTF unless PlainText; bytes the RTF reader rejects are read
        // again as plain text. Data that is not text either (a NUL before its end) raises
        // EOutOfResources and leaves the content as it was.
        void LoadFromStream(const QByteArray& stream);
        // Appends the content: RTF (ending "}\r\n" and a NUL, as the control streams out) or,
        // with PlainText, the lines in UTF-8, each ended by CR LF.
        void SaveToStream(QByteArray& stream) const;
        void Assign(const TPersistent* Source) override;

    protected:
        QTextDocument* Prepare() const override;

    private:
        friend class TCustomRichEdit;
        // LoadFromStream without the change notification, with the given format.
        void Load(const QByteArray& stream, bool plain);

        TCustomRichEdit* FEdit;
    };

    explicit TCustomRichEdit(TComponent* AOwner);
    ~TCustomRichEdit() override;

    // Lines: the paragraphs; assigning copies the strings.
    TLines* Lines() const { return FLines.get(); }
    void SetLines(TStrings* value);
    // The document, made if need be, with content kept back by DeferContent read into it first.
    // The content as plain text, paragraphs on lines of their own.
    String DocumentText() const;
    QTextDocument* Document() const {
        EnsureDocument();
        SettleContent();
        return FDocument.get();
    }

    // PlainText: false; whether Lines streams plain text instead of RTF.
    bool PlainText() const { return FPlainText; }
    void SetPlainText(bool value) { FPlainText = value; }
    // ReadOnly: false; the user cannot change the text (selection and copy still work).
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    // WordWrap: true; lines wrap at the formatting rectangle's right edge.
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    // ScrollBars: ssNone.
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    // HideSelection: true; the selection shows only while the control has the focus.
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value);
    // HideScrollBars: true; scroll bars show only when needed (false: always, inactive when
    // there is nothing to scroll).
    bool HideScrollBars() const { return FHideScrollBars; }
    void SetHideScrollBars(bool value);
    // MaxLength: 0 (no limit); characters the user can bring the text to by typing or pasting.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value);
    // WantTabs: false; Tab inserts a tab instead of moving the focus.
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool value);
    // WantReturns: true; Enter starts a paragraph instead of going to the form's default button.
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool value) { FWantReturns = value; }
    // Alignment: taLeftJustify; of paragraphs that have none of their own.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    // BorderStyle: bsSingle; bsNone draws no frame.
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);

    // The formatting rectangle; setting it lays the text out inside it at once.
    TRect FormattingRect() const;
    void SetFormattingRect(const TRect& value);
    // Back to the client area inside the border.
    void ResetFormattingRect();
    // Fires OnResizeRequest now with the bounds the whole content needs.
    void RequestSize();
    // The bounds RequestSize reports: same left, top and width, the content's height.
    TRect RequiredBounds() const;

    // Selection in characters from the start of the text.
    int SelStart() const;
    void SetSelStart(int value);
    int SelLength() const;
    void SetSelLength(int value);
    String SelText() const;
    void SelectAll();
    void Clear();
    // Marks the characters of the selection protected or not.
    void SetSelProtected(bool value);
    // Copy and cut put the selection on the clipboard, marked as this control's.
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();

    static constexpr int ProtectedProperty = QTextFormat::UserProperty + 0x5052;

    TNotifyEvent OnChange;                  // the text changed (by the user or by code)
    TNotifyEvent OnSelectionChange;         // the selection or caret moved
    TRichEditResizeEvent OnResizeRequest;   // RequestSize, and after each content change
    TRichEditProtectChange OnProtectChange; // a user edit touches protected text
    TRichEditSaveClipboard OnSaveClipboard; // freed while its text is on the clipboard

    bool WantsKey(uint16_t key) const override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    // After every change of position or size (the moved or resized window).
    virtual void WindowPosChanged();
    virtual void Change();
    // After a content change: reports the size the content needs (OnResizeRequest, if set).
    virtual void RequestContentSize();
    virtual void SelectionChange();
    virtual bool ProtectChange(int StartPos, int EndPos);
    virtual bool SaveClipboard(int NumObjects, int NumChars);

    QWidget* CreateWidget(QWidget* parentWidget) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void UpdateWidgetColor() override;
    void FontChanged() override;
    void EnabledChanged() override;
    QTextEdit* TextEdit() const;
    // Replaces the content like Lines()->LoadFromStream, for content read from a form
    // description into a control without a window: the bytes are kept and read into the
    // document when it is first needed (windows built hidden at start may never need it).
    // Listeners hear of the change now. Data that turns out not to be text leaves the control
    // empty.
    void DeferContent(const QByteArray& stream, bool plain);

private:
    class TEditWidget;
    friend class TEditWidget;
    friend class TLines;

    // Content changes made by code are reported once, after they are all done.
    void BeginContentUpdate() { ++FContentUpdate; }
    void EndContentUpdate(bool changed);
    void ContentsChanged();
    void ApplyFormattingRect();
    void ApplyScrollBars();
    void ApplyPalette();
    // The rectangle in use: the set one, or the client area inside the border.
    TRect EffectiveFormattingRect() const;
    int FrameWidth() const;
    // Whether a user edit replacing [start, end) (or one character next to an empty range)
    // may go ahead, asking OnProtectChange for protected text.
    bool AllowEdit(int start, int end);
    // Whether MaxLength leaves room to replace [start, end) by inserted characters.
    bool RoomFor(int start, int end, int inserted) const;
    int TextLength() const;
    int ContentHeight(int width) const;
    // now: lay out at once; otherwise a document never laid out stays so until its size is
    // needed (its window is made or its height asked for).
    void SetLayoutWidth(int width, bool now) const;
    // Fires OnSelectionChange when the widget's selection really moved.
    void SelectionMoved();
    // The caret and selection: the widget's, or the own cursor without a window.
    QTextCursor Selection() const;
    void EnsureDocument() const {
        if (!FDocument) MakeDocument();
    }
    // The document with the settings made so far, and the own caret at its start.
    void MakeDocument() const;
    // The document's default alignment from Alignment.
    void ApplyAlignment() const;
    void SettleContent() const {
        if (FPending) LoadPending();
    }
    void LoadPending() const;

    mutable std::unique_ptr<QTextDocument> FDocument;
    std::unique_ptr<TLines> FLines;
    bool FPlainText = false;
    bool FReadOnly = false;
    bool FWordWrap = true;
    TScrollStyle FScrollBars = ssNone;
    bool FHideSelection = true;
    bool FHideScrollBars = true;
    int FMaxLength = 0;
    bool FWantTabs = false;
    bool FWantReturns = true;
    TAlignment FAlignment = taLeftJustify;
    TBorderStyle FBorderStyle = bsSingle;
    bool FFormatRectSet = false;
    TRect FFormatRect;
    int FContentUpdate = 0;
    bool FContentChanged = false;
    int FLastSelStart = 0;
    int FLastSelEnd = 0;
    // The caret and selection while the control has no window.
    mutable QTextCursor FCursor;
    // Marks the clipboard data that this control put there.
    QByteArray FClipboardId;
    // Content kept back by DeferContent, in the format it was given in.
    mutable QByteArray FPendingStream;
    mutable bool FPending = false;
    bool FPendingPlain = false;
    int FQuiet = 0; // content changes made while reading kept-back content are not told of
};
