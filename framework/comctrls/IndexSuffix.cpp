#include "framework/comctrls/IndexSuffix.h"

#include <QList>

bool SplitIndexSuffix(const String& line, int count, String& text, int* numbers) {
    if (!line.endsWith(u']')) return false;
    // Only the last " [" can start a suffix: an earlier one would hold a space and a bracket.
    const qsizetype open = line.lastIndexOf(QStringLiteral(" ["));
    if (open < 0) return false;
    const QStringView inside = QStringView(line).sliced(open + 2, line.size() - open - 3);
    const auto parts = inside.split(u',');
    if (parts.size() != count) return false;
    for (const QStringView part : parts) {
        const QStringView digits = part.startsWith(u'-') ? part.sliced(1) : part;
        if (digits.isEmpty()) return false;
        for (const QChar c : digits)
            if (c < u'0' || c > u'9') return false;
    }
    for (int i = 0; i < count; ++i)
        numbers[i] = parts[i].toInt();
    text = line.left(open);
    return true;
}
