#include "framework/comctrls/TextDocumentStrings.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

TTextDocumentStrings::TTextDocumentStrings(QTextDocument* document) : FDocument(document) {}

int TTextDocumentStrings::Count() const {
    QTextDocument* const doc = Prepare();
    const int blocks = doc->blockCount();
    if (blocks == 1 && doc->firstBlock().length() <= 1) return 0;
    return blocks;
}

void TTextDocumentStrings::CheckIndex(int index, int limit) const {
    if (index < 0 || index >= limit) Error(QStringLiteral("List index out of bounds (%d)"), index);
}

String TTextDocumentStrings::Get(int index) const {
    QTextDocument* const doc = Prepare();
    CheckIndex(index, Count());
    return doc->findBlockByNumber(index).text();
}

void TTextDocumentStrings::Put(int index, const String& value) {
    QTextDocument* const doc = Prepare();
    CheckIndex(index, Count());
    const QTextBlock block = doc->findBlockByNumber(index);
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(value);
}

void TTextDocumentStrings::Insert(int index, const String& value) {
    QTextDocument* const doc = Prepare();
    const int count = Count();
    CheckIndex(index, count + 1);
    if (count == 0) {
        // The empty document's one paragraph takes the first line. An empty line in an empty
        // document is still the empty document.
        QTextCursor(doc).insertText(value);
        return;
    }
    QTextCursor cursor(doc);
    // One edit, so that listeners hear of one change.
    cursor.beginEditBlock();
    if (index < count) {
        // The new text goes before the paragraph, which moves down with its format.
        cursor.setPosition(doc->findBlockByNumber(index).position());
        cursor.insertText(value);
        cursor.insertBlock();
    } else {
        cursor.movePosition(QTextCursor::End);
        cursor.insertBlock();
        cursor.insertText(value);
    }
    cursor.endEditBlock();
}

void TTextDocumentStrings::Delete(int index) {
    QTextDocument* const doc = Prepare();
    const int count = Count();
    CheckIndex(index, count);
    if (count == 1) {
        Clear();
        return;
    }
    const QTextBlock block = doc->findBlockByNumber(index);
    QTextCursor cursor(doc);
    if (index < count - 1) {
        cursor.setPosition(block.position());
        cursor.setPosition(block.next().position(), QTextCursor::KeepAnchor);
    } else {
        // The last paragraph goes with the break before it.
        cursor.setPosition(block.position() - 1);
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    }
    cursor.removeSelectedText();
}

void TTextDocumentStrings::Clear() {
    QTextDocument* const doc = Prepare();
    if (doc->isEmpty() && doc->blockCount() == 1) return;
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.setCharFormat(QTextCharFormat());
    cursor.endEditBlock();
}
