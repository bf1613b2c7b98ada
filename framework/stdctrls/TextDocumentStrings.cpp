#include "framework/stdctrls/TextDocumentStrings.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

TTextDocumentStrings::TTextDocumentStrings(QTextDocument* document) : FDocument(document) {}

int TTextDocumentStrings::Count() const {
    Prepare();
    const int blocks = FDocument->blockCount();
    if (blocks == 1 && FDocument->firstBlock().length() <= 1) return 0;
    return blocks;
}

void TTextDocumentStrings::CheckIndex(int index, int limit) const {
    if (index < 0 || index >= limit) Error(QStringLiteral("List index out of bounds (%d)"), index);
}

String TTextDocumentStrings::Get(int index) const {
    Prepare();
    CheckIndex(index, Count());
    return FDocument->findBlockByNumber(index).text();
}

void TTextDocumentStrings::Put(int index, const String& value) {
    Prepare();
    CheckIndex(index, Count());
    const QTextBlock block = FDocument->findBlockByNumber(index);
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(value);
}

void TTextDocumentStrings::Insert(int index, const String& value) {
    Prepare();
    const int count = Count();
    CheckIndex(index, count + 1);
    if (count == 0) {
        // The empty document's one paragraph takes the first line. An empty line in an empty
        // document is still the empty document.
        QTextCursor(FDocument).insertText(value);
        return;
    }
    QTextCursor cursor(FDocument);
    // One edit, so that listeners hear of one change.
    cursor.beginEditBlock();
    if (index < count) {
        // The new text goes before the paragraph, which moves down with its format.
        cursor.setPosition(FDocument->findBlockByNumber(index).position());
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
    Prepare();
    const int count = Count();
    CheckIndex(index, count);
    if (count == 1) {
        Clear();
        return;
    }
    const QTextBlock block = FDocument->findBlockByNumber(index);
    QTextCursor cursor(FDocument);
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
    Prepare();
    if (FDocument->isEmpty() && FDocument->blockCount() == 1) return;
    QTextCursor cursor(FDocument);
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.setCharFormat(QTextCharFormat());
    cursor.endEditBlock();
}
