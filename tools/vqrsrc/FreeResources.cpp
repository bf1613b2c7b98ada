// libvqrsrc: the free-resources library the about box loads by name. A process on a Linux
// desktop runs out of two things first: file descriptors (every window-system connection,
// file, pipe and notifier holds one, up to the soft RLIMIT_NOFILE) and memory that can be
// handed out without swapping. Selector 1 answers the free share of this process's
// descriptors, selector 2 the available share of physical memory (MemAvailable of MemTotal),
// and selector 0, the system's resources, the smaller of the two. Percentages 0 to 100,
// rounded down; what cannot be measured counts as free.

#include <dirent.h>
#include <sys/resource.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

unsigned DescriptorsFree() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY ||
        limit.rlim_cur == 0)
        return 100;
    DIR* dir = opendir("/proc/self/fd");
    if (!dir) return 100;
    uint64_t open = 0;
    while (dirent* entry = readdir(dir))
        if (entry->d_name[0] != '.') ++open;
    closedir(dir);
    if (open > 0) --open; // the directory stream itself
    if (open >= limit.rlim_cur) return 0;
    return unsigned((limit.rlim_cur - open) * 100 / limit.rlim_cur);
}

unsigned MemoryFree() {
    FILE* f = std::fopen("/proc/meminfo", "r");
    if (!f) return 100;
    unsigned long long total = 0, available = 0, value = 0;
    char line[256];
    while (std::fgets(line, sizeof line, f)) {
        if (std::sscanf(line, "MemTotal: %llu", &value) == 1) total = value;
        if (std::sscanf(line, "MemAvailable: %llu", &value) == 1) available = value;
    }
    std::fclose(f);
    if (total == 0 || available > total) return 100;
    return unsigned(available * 100 / total);
}

} // namespace

extern "C" __attribute__((visibility("default"))) uint32_t
MyGetFreeSystemResources32(uint32_t selector) {
    switch (selector) {
    case 1:
        return DescriptorsFree();
    case 2:
        return MemoryFree();
    default: {
        const unsigned d = DescriptorsFree(), m = MemoryFree();
        return d < m ? d : m;
    }
    }
}
