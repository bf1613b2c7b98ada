#include "framework/system/MemoryStatus.h"

#include <QFile>
#include <QList>

namespace {
QString& MemInfoPath() {
    static QString path = QStringLiteral("/proc/meminfo");
    return path;
}
} // namespace

TMemoryStatus ParseMemInfo(const QByteArray& text) {
    TMemoryStatus status;
    for (const QByteArray& line : text.split('\n')) {
        const int colon = int(line.indexOf(':'));
        if (colon <= 0) continue;
        const QByteArray name = line.left(colon).trimmed();
        uint64_t* slot = name == "MemTotal"       ? &status.TotalPhys
                         : name == "MemAvailable" ? &status.AvailPhys
                                                  : nullptr;
        if (!slot) continue;
        const QList<QByteArray> parts = line.mid(colon + 1).simplified().split(' ');
        bool ok = false;
        const uint64_t value = parts.value(0).toULongLong(&ok);
        if (!ok) continue;
        // The kernel writes kB (kibibytes); a value without a unit is in bytes.
        const bool kib = parts.size() > 1 && parts[1].toLower() == "kb";
        *slot = kib ? value * 1024 : value;
    }
    return status;
}

TMemoryStatus GlobalMemoryStatus() {
    QFile file(MemInfoPath());
    if (!file.open(QIODevice::ReadOnly)) return {};
    // Files under /proc report no size: read until the end.
    return ParseMemInfo(file.readAll());
}

QString SetMemInfoPath(const QString& path) {
    QString previous = MemInfoPath();
    MemInfoPath() = path.isEmpty() ? QStringLiteral("/proc/meminfo") : path;
    return previous;
}
