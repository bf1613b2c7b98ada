#pragma once

#include <cstddef>
#include <thread>

// Faults in, on a worker thread, the heap a starting program is about to fill. A program that
// builds its windows touches a few hundred fresh heap pages, and each first touch is a page
// fault; on a virtual machine a fault traps to the hypervisor (about 10 us each on small cloud
// machines, several milliseconds in all). Populating the same pages in one call costs a
// fraction of that per page, and runs on the other core while the program starts.
//
// The heap is grown by Bytes of room at once (malloc's top pad), and malloc keeps that much room
// at the top for the rest of the run, so trimming does not give back the pages just faulted in.
// Setting the pad fixes malloc's threshold for serving large blocks by mmap at its start value.
// Create one at the top of main, before anything fills the heap; the object waits for the
// thread when it goes. Where the allocator is not glibc's on a brk heap (a sanitizer's, say), or
// the kernel cannot populate a range (before Linux 5.14), nothing is done.
class THeapPreload {
public:
    static constexpr size_t DefaultBytes = size_t(2) << 20;

    explicit THeapPreload(size_t Bytes = DefaultBytes);
    ~THeapPreload();
    THeapPreload(const THeapPreload&) = delete;
    THeapPreload& operator=(const THeapPreload&) = delete;

    // Waits until the room is faulted in (or populating failed).
    void Wait();
    // The range handed to the worker, empty when nothing is done; for tests.
    const char* First() const { return FFirst; }
    const char* Last() const { return FLast; }

private:
    const char* FFirst = nullptr;
    const char* FLast = nullptr;
    std::thread FThread;
};
