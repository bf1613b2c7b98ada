#include "framework/system/Volumes.h"

#include <QFile>
#include <QList>
#include <algorithm>

namespace {

QString& TablePath() {
    static QString path = QStringLiteral("/proc/self/mounts");
    return path;
}

// The table writes space, tab, newline and backslash as \040, \011, \012 and \134.
QString Unescape(const QByteArray& field) {
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok && code > 0 && code < 256) {
                out.append(char(code));
                i += 3;
                continue;
            }
        }
        out.append(field[i]);
    }
    return QString::fromUtf8(out);
}

bool IsNetwork(const QByteArray& fs) {
    static const char* const types[] = {"nfs", "nfs4", "cifs", "smb3",      "smbfs", "fuse.sshfs",
                                        "9p",  "afs",  "ceph", "glusterfs", "davfs", "fuse.rclone"};
    return std::any_of(std::begin(types), std::end(types), [&](const char* t) { return fs == t; });
}

} // namespace

std::vector<TVolume> ParseMountTable(const QByteArray& text) {
    std::vector<TVolume> volumes;
    bool haveRoot = false;
    for (const QByteArray& line : text.split('\n')) {
        const QList<QByteArray> f = line.simplified().split(' ');
        if (f.size() < 3) continue;
        const QByteArray& device = f[0];
        const QByteArray& fs = f[2];
        const QString mountPoint = Unescape(f[1]);
        const bool root = mountPoint == QLatin1String("/");
        const bool network = IsNetwork(fs);
        const bool block = device.startsWith("/dev/") && !device.startsWith("/dev/loop");
        if (!root && !network && !block) continue;
        TVolume v;
        v.MountPoint = mountPoint;
        v.Device = Unescape(device);
        v.FileSystem = QString::fromLatin1(fs);
        if (network)
            v.Kind = TVolumeKind::Network;
        else if (device.startsWith("/dev/sr") || fs == "iso9660" || fs == "udf")
            v.Kind = TVolumeKind::Optical;
        else if (mountPoint.startsWith(QLatin1String("/media/")) ||
                 mountPoint.startsWith(QLatin1String("/run/media/")) ||
                 mountPoint.startsWith(QLatin1String("/mnt/")))
            v.Kind = TVolumeKind::Removable;
        haveRoot = haveRoot || root;
        // A later mount over the same point hides the earlier one.
        auto same = std::find_if(volumes.begin(), volumes.end(),
                                 [&](const TVolume& o) { return o.MountPoint == mountPoint; });
        if (same != volumes.end())
            *same = v;
        else
            volumes.push_back(v);
    }
    if (!haveRoot) volumes.push_back({QStringLiteral("/"), QString(), QString()});
    std::sort(volumes.begin(), volumes.end(),
              [](const TVolume& a, const TVolume& b) { return a.MountPoint < b.MountPoint; });
    return volumes;
}

std::vector<TVolume> MountedVolumes() {
    QFile file(TablePath());
    if (!file.open(QIODevice::ReadOnly)) return ParseMountTable(QByteArray());
    return ParseMountTable(file.readAll());
}

const TVolume* VolumeOfPath(const std::vector<TVolume>& volumes, const QString& path) {
    const TVolume* best = nullptr;
    for (const TVolume& v : volumes) {
        const bool holds = v.MountPoint == QLatin1String("/") || path == v.MountPoint ||
                           path.startsWith(v.MountPoint + u'/');
        if (holds && (!best || v.MountPoint.size() > best->MountPoint.size())) best = &v;
    }
    return best;
}

QString SetMountTablePath(const QString& path) {
    QString previous = TablePath();
    TablePath() = path.isEmpty() ? QStringLiteral("/proc/self/mounts") : path;
    return previous;
}
