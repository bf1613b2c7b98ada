#pragma once
// TTextDocumentStrings: the paragraphs of a QTextDocument seen as a list of strings, the Lines
// of the rich edit and the memo. A document holding one empty paragraph is the empty list;
// every other paragraph is one line, so "a", "" (text "a" and an empty paragraph) is two lines.
// Changes go through a QTextCursor and keep the paragraphs' formats.

#include "framework/classes/Strings.h"

class QTextDocument;

class TTextDocumentStrings : public TStrings {
public:
    // The document is not owned; it must outlive the list. A list made without one gets it
    // from Prepare.
    explicit TTextDocumentStrings(QTextDocument* document);

    QTextDocument* Document() const { return Prepare(); }

    int Count() const override;
    String Get(int index) const override;
    void Put(int index, const String& value) override;
    // index == Count appends.
    void Insert(int index, const String& value) override;
    void Delete(int index) override;
    void Clear() override;

protected:
    // Called before every access to the document, which it gives: a list whose document is
    // made, or gets its content, only when needed gets them here.
    virtual QTextDocument* Prepare() const { return FDocument; }

private:
    void CheckIndex(int index, int limit) const;

    QTextDocument* FDocument;
};
