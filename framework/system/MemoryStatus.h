#pragma once
// The machine's memory as the kernel reports it in /proc/meminfo.

#include <QString>
#include <cstdint>

struct TMemoryStatus {
    uint64_t TotalPhys = 0; // bytes of physical memory (MemTotal)
    uint64_t AvailPhys = 0; // bytes available to start programs without swapping (MemAvailable)
};

// Reads the memory information; a file that cannot be read or parsed gives zeros.
TMemoryStatus GlobalMemoryStatus();
// The same from the text of a meminfo file: "Name:   value kB" lines, values in kibibytes.
TMemoryStatus ParseMemInfo(const QByteArray& text);
// Tests read another file instead of /proc/meminfo; an empty path restores it. Returns the
// previous path.
QString SetMemInfoPath(const QString& path);
