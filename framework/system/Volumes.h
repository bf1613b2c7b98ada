#pragma once
// The mounted volumes a user would recognise, from the kernel's mount table
// (/proc/self/mounts): the root file system, block devices (disks, USB sticks, optical discs)
// and network shares. Pseudo file systems (proc, sysfs, tmpfs, cgroups...) and read-only loop
// images (snap packages) are left out; a mount point mounted twice counts once (the last).

#include <QString>
#include <vector>

enum class TVolumeKind { Fixed, Removable, Optical, Network };

struct TVolume {
    QString MountPoint; // as the table writes it, escapes decoded ("/media/me/MY DISK")
    QString Device;     // "/dev/sda1", "server:/export"
    QString FileSystem; // "ext4", "nfs"
    TVolumeKind Kind = TVolumeKind::Fixed;
};

// The volumes, sorted by mount point ("/" first). Unreadable table: just "/".
std::vector<TVolume> MountedVolumes();
// The same from a mount table's text.
std::vector<TVolume> ParseMountTable(const QByteArray& text);
// The volume whose mount point holds path (the longest matching mount point); nullptr when
// none does.
const TVolume* VolumeOfPath(const std::vector<TVolume>& volumes, const QString& path);
// Tests read another table; empty restores /proc/self/mounts. Returns the previous path.
QString SetMountTablePath(const QString& path);
