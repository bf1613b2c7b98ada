#include "framework/system/HeapPreload.h"

#include <gtest/gtest.h>

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23
#endif

namespace {

bool KernelPopulates() {
    const size_t page = size_t(sysconf(_SC_PAGESIZE));
    void* p = mmap(nullptr, page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    const bool ok = p != MAP_FAILED && madvise(p, page, MADV_POPULATE_WRITE) == 0;
    if (p != MAP_FAILED) munmap(p, page);
    return ok;
}

// Pages of [first, last) that are not in memory.
size_t MissingPages(const char* first, const char* last) {
    const size_t page = size_t(sysconf(_SC_PAGESIZE));
    std::vector<unsigned char> resident(size_t(last - first + page - 1) / page);
    if (mincore(const_cast<char*>(first), size_t(last - first), resident.data()) != 0)
        return resident.size();
    size_t missing = 0;
    for (unsigned char r : resident)
        missing += (r & 1) ? 0 : 1;
    return missing;
}

} // namespace

// The room the heap grew by is in memory once the worker is done, and what the program wrote
// to the heap meanwhile is intact.
TEST(HeapPreloadTest, FaultsInTheRoomTheHeapGrewByAndLeavesContentsAlone) {
    THeapPreload preload(size_t(3) << 20);
    if (mallopt(M_TOP_PAD, 3 << 20) != 1) {
        // A sanitizer's allocator: no brk heap to grow, nothing is done.
        EXPECT_EQ(preload.First(), nullptr);
        return;
    }
    if (!KernelPopulates()) GTEST_SKIP() << "the kernel cannot populate ranges";
    ASSERT_NE(preload.First(), nullptr);
    ASSERT_GE(size_t(preload.Last() - preload.First()), size_t(3) << 20);

    // Filled while the worker may still be populating the same pages.
    std::vector<std::unique_ptr<char[]>> blocks;
    for (int i = 0; i < 256; ++i) {
        blocks.emplace_back(new char[4000]);
        std::memset(blocks.back().get(), i, 4000);
    }
    preload.Wait();
    for (int i = 0; i < 256; ++i)
        for (int j = 0; j < 4000; j += 97)
            ASSERT_EQ(blocks[size_t(i)][size_t(j)], char(i)) << i;
    EXPECT_EQ(MissingPages(preload.First(), preload.Last()), 0u);
}
