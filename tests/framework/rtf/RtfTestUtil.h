#pragma once
// Helpers of the RTF tests: reading into a fresh document and a readable dump of a document's
// blocks, lists, fragments and every format property, for comparing documents.

#include "framework/rtf/RtfReader.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <memory>

inline QString DumpFormat(const QTextFormat& f) {
    QString s;
    const auto props = f.properties();
    for (auto it = props.begin(); it != props.end(); ++it) {
        QString value = it.value().toString();
        if (it.value().canConvert<QBrush>() && it.value().typeId() == QMetaType::QBrush)
            value = it.value().value<QBrush>().color().name();
        if (it.value().typeId() == QMetaType::QStringList)
            value = it.value().toStringList().join(u',');
        if (it.key() == QTextFormat::TabPositions) {
            value.clear();
            for (const QVariant& v : it.value().toList()) {
                const auto tab = v.value<QTextOption::Tab>();
                value += QStringLiteral("%1/%2 ").arg(tab.position).arg(int(tab.type));
            }
        }
        s += QStringLiteral("%1=%2;").arg(QString::number(it.key(), 16), value);
    }
    return s;
}

inline QString DumpDocument(const QTextDocument& doc) {
    QString s;
    QList<const QTextList*> lists; // numbered in order of appearance
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        s += QStringLiteral("P[%1] mark[%2]")
                 .arg(DumpFormat(b.blockFormat()), DumpFormat(b.charFormat()));
        if (const QTextList* list = b.textList()) {
            if (!lists.contains(list)) lists << list;
            s += QStringLiteral(" list#%1[%2]")
                     .arg(lists.indexOf(list))
                     .arg(DumpFormat(list->format()));
        }
        s += u'\n';
        for (auto it = b.begin(); !it.atEnd(); ++it)
            s += QStringLiteral("  \"%1\" %2\n")
                     .arg(it.fragment().text(), DumpFormat(it.fragment().charFormat()));
    }
    return s;
}

// Text of the blocks, joined by '|'.
inline QString BlockTexts(const QTextDocument& doc) {
    QStringList parts;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        parts << b.text();
    return parts.join(u'|');
}

inline std::unique_ptr<QTextDocument> ReadRtf(const QByteArray& rtf, QString* error = nullptr) {
    auto doc = std::make_unique<QTextDocument>();
    TRtfReader reader;
    if (!reader.Read(rtf, doc.get())) {
        if (error) *error = reader.ErrorMessage();
        return nullptr;
    }
    return doc;
}

// The format of the character at a position of the document.
inline QTextCharFormat FormatAt(const QTextDocument& doc, int position) {
    const QTextBlock b = doc.findBlock(position);
    for (auto it = b.begin(); !it.atEnd(); ++it)
        if (it.fragment().contains(position)) return it.fragment().charFormat();
    return {};
}
