#include "framework/system/HeapPreload.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <system_error>

#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23 // Linux 5.14; older kernels refuse it with EINVAL
#endif

namespace {

char* PageStart(void* p) {
    const uintptr_t page = uintptr_t(sysconf(_SC_PAGESIZE));
    return reinterpret_cast<char*>(uintptr_t(p) & ~(page - 1));
}

} // namespace

THeapPreload::THeapPreload(size_t Bytes) {
    if (Bytes == 0 || Bytes > size_t(1) << 30) return;
    // glibc's mallopt answers 1; allocators that ignore it answer otherwise.
    if (mallopt(M_TOP_PAD, int(Bytes)) != 1) return;

    // Blocks below the mmap threshold come from the top of the brk heap; once the top runs
    // out, malloc moves the break by the block and the pad together.
    constexpr size_t kBlock = 64 << 10;
    std::array<void*, 16> blocks{};
    char* const before = static_cast<char*>(sbrk(0));
    char* first = nullptr;
    size_t used = 0;
    while (used < blocks.size() && static_cast<char*>(sbrk(0)) == before) {
        void* p = std::malloc(kBlock);
        if (!p) break;
        blocks[used++] = p;
        if (!first || static_cast<char*>(p) < first) first = static_cast<char*>(p);
    }
    const bool moved = static_cast<char*>(sbrk(0)) != before;
    for (size_t i = 0; i < used; ++i)
        std::free(blocks[i]);
    // Freeing trims the top down to the pad; what is left is the room to fault in.
    char* const last = static_cast<char*>(sbrk(0));
    if (!moved || !first || first >= last) return;
    FFirst = PageStart(first);
    FLast = last;

    try {
        FThread = std::thread([from = FFirst, to = FLast] {
            // Contents are left alone: populating only makes the pages present and writable,
            // so it may run while the program allocates in the same range.
            madvise(const_cast<char*>(from), size_t(to - from), MADV_POPULATE_WRITE);
        });
    } catch (const std::system_error&) {
        // No thread: the program faults its pages in one by one, as without the preload.
    }
}

THeapPreload::~THeapPreload() {
    Wait();
}

void THeapPreload::Wait() {
    if (FThread.joinable()) FThread.join();
}
