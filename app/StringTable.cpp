#include "app/StringTable.h"

#include "framework/classes/Resources.h"

#include <algorithm>

TStringTable::TStringTable(const QByteArray& text) {
    for (qsizetype start = 0, end = 0; start <= text.size(); start = end + 1) {
        end = text.indexOf('\n', start);
        if (end < 0) end = text.size();
        const QByteArray line = text.mid(start, end - start).trimmed();
        if (line.isEmpty() || line.startsWith('#')) continue;
        qsizetype p = 0;
        while (p < line.size() && line[p] >= '0' && line[p] <= '9')
            ++p;
        if (p == 0 || p >= line.size() || (line[p] != ' ' && line[p] != '\t')) continue;
        bool ok = false;
        const int id = line.left(p).toInt(&ok);
        if (!ok) continue;
        while (p < line.size() && (line[p] == ' ' || line[p] == '\t'))
            ++p;
        if (p >= line.size() || line[p] != '"') continue;
        QByteArray value;
        bool closed = false;
        for (++p; p < line.size(); ++p) {
            if (line[p] != '"') {
                value += line[p];
            } else if (p + 1 < line.size() && line[p + 1] == '"') {
                value += '"';
                ++p;
            } else {
                closed = p + 1 == line.size();
                break;
            }
        }
        if (!closed) continue;
        // A later line for the same id replaces the earlier one.
        auto it = std::find_if(FEntries.begin(), FEntries.end(),
                               [id](const auto& e) { return e.first == id; });
        if (it != FEntries.end())
            it->second = QString::fromUtf8(value);
        else
            FEntries.emplace_back(id, QString::fromUtf8(value));
    }
}

QString TStringTable::Text(int id) const {
    for (const auto& [key, text] : FEntries)
        if (key == id) return text;
    return QString();
}

QString LoadStr(int id) {
    static const TStringTable table = [] {
        const QString name = QStringLiteral(":/strings/StringTable.txt");
        return TStringTable(ResourceExists(name) ? ReadResource(name) : QByteArray());
    }();
    return table.Text(id);
}
