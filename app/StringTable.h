#pragma once
// The program's string table, compiled in as ":/strings/StringTable.txt": one line per entry,
// an id, blanks, then the text in double quotes, read through the framework's resources.

#include <QString>

// The text of string id; empty when the table has no such id (as the classic lookup answers).
QString LoadStr(int id);

// Reads a table from its text; malformed lines are skipped. Exposed for the tests.
class TStringTable {
public:
    explicit TStringTable(const QByteArray& text);
    // The text of id, or empty.
    QString Text(int id) const;
    int Count() const { return int(FEntries.size()); }

private:
    std::vector<std::pair<int, QString>> FEntries;
};
