#pragma once
// TRtfWriter: writes a QTextDocument as RTF in the shape a rich-text control streams out, so that
// TRtfReader reads it back to the same document: a font table of the families used, a colour
// table when colours are used, paragraph formats (alignment, indents, spacing, tab stops, bullets
// and numbering), character formats (font, size, bold, italic, underline, strike, super/subscript,
// colours), \tab and \line, code page 1252 characters as \'hh and all others as \uN? (\uc1).
// Line ends are \r\n. An empty document gives
//   {\rtf1\ansi\ansicpg1252\deff0\deflang1033{\fonttbl{\f0\fnil\fcharset0 <font>;}}\r\n
//   \viewkind4\uc1\pard\f0\fs17\par\r\n}\r\n

#include <QByteArray>
#include <QString>

class QTextDocument;

class TRtfWriter {
public:
    TRtfWriter();

    // Font \f0, used for text without a family of its own (default "MS Sans Serif").
    const QString& DefaultFontName() const { return FDefaultFontName; }
    void SetDefaultFontName(const QString& value) { FDefaultFontName = value; }
    // Size in half points for text without a size of its own (default 17).
    int DefaultFontSize() const { return FDefaultFontSize; }
    void SetDefaultFontSize(int value) { FDefaultFontSize = value < 1 ? 1 : value; }
    // Whether a NUL byte follows the final "}\r\n", as a rich-text control's stream-out
    // leaves it (default false).
    bool TerminatingNul() const { return FTerminatingNul; }
    void SetTerminatingNul(bool value) { FTerminatingNul = value; }

    QByteArray Write(const QTextDocument* doc) const;

private:
    struct TState;

    QString FDefaultFontName;
    int FDefaultFontSize = 17;
    bool FTerminatingNul = false;
};
