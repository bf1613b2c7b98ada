#pragma once
// TRtfReader: reads an RTF document (the bytes a rich-text control streams out, or the value of
// a RichText property in a form description) into a QTextDocument.
//
// What it understands: the header (\rtf1 \ansi \ansicpg \deff), the font and colour tables,
// character formats (\f \fs \b \i \ul \strike \cf \highlight \cb \super \sub \plain \v),
// paragraph formats (\pard \ql \qc \qr \qj \li \ri \fi \sb \sa \tx), \par \line \tab, bullets
// and numbering (\pn, \pntext, \ls), \'hh bytes of the document's or font's code page (the symbol
// set of \fcharset2 fonts as the Unicode characters its font draws), \uN with
// \ucN fallback skipping, and the control symbols. Unknown control words are ignored; unknown and
// ignorable ({\*...}) destinations are skipped whole.
//
// Lengths: twips become document pixels at 96 dpi (15 twips a pixel); \fs is half points.
// A bullet paragraph becomes an item of a QTextList (ListDisc, or a numbering style for \pnlvlbody)
// whose text starts at the paragraph's left indent; the hanging indent of the bullet (\pnindent or
// -\fi) is kept on the list format under HangingIndentProperty so that TRtfWriter can write it
// back.

#include <QByteArrayView>
#include <QString>
#include <QTextFormat>

class QTextDocument;

class TRtfReader {
public:
    TRtfReader();
    ~TRtfReader();
    TRtfReader(const TRtfReader&) = delete;
    TRtfReader& operator=(const TRtfReader&) = delete;

    // Replaces the content of doc by the document in rtf. The document ends with the closing
    // brace of its outer group; whatever follows (a NUL, or text of a writer that closed the
    // group early) is not read. On malformed input (no leading "{\rtf", too deeply nested
    // groups, truncated data) returns false, sets ErrorMessage and ErrorOffset and leaves doc
    // untouched. A null doc only checks the input.
    bool Read(QByteArrayView rtf, QTextDocument* doc);

    // Why the last Read failed; empty after a successful one.
    const QString& ErrorMessage() const { return FErrorMessage; }
    // Byte offset in the input where the last Read failed; -1 after a successful one.
    qsizetype ErrorOffset() const { return FErrorOffset; }

    // Deepest group nesting accepted (default 512); deeper input is rejected, not recursed into.
    int MaxDepth() const { return FMaxDepth; }
    void SetMaxDepth(int value) { FMaxDepth = value < 1 ? 1 : value; }

    // List-format property holding a bullet's hanging indent in twips.
    static constexpr int HangingIndentProperty = QTextFormat::UserProperty + 0x5254;

    // The Unicode character of a byte of code page 1252.
    static char16_t Cp1252ToUnicode(unsigned char byte);

private:
    friend class TRtfWriter;
    struct TParser;

    // The classic font families mapped to the installed metric-compatible ones.
    static QString FontFamilyFor(const QString& rtfName);

    QString FErrorMessage;
    qsizetype FErrorOffset = -1;
    int FMaxDepth = 512;
};
