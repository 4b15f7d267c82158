#include "runtime/qt/ImageHeap.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

namespace rtqt {

// The first frame paints tens of megabytes of pictures at the view scale, the window's own
// image and the buffers that carry it to the display, and frees as much again in temporary
// images. By default each large block is a fresh mapping from the system, and every page of it
// costs a fault when first written: about 8000 faults before the first frame on a 1920 x 1080
// screen, a third of its start-up time. Here large blocks come from the one heap, freed memory
// stays there for the next image instead of going back to the system, and the heap is grown
// ahead in one step and marked for huge pages, so a fault brings in 2 MB rather than 4 kB.
// Memory that is never written costs nothing; where huge pages are not offered, the advice
// is ignored and only the reuse remains.
void prepareHeapForImages() {
    constexpr int kLargest = 32 << 20;  // glibc's ceiling for the mapping threshold
    mallopt(M_MMAP_THRESHOLD, kLargest);
    mallopt(M_TRIM_THRESHOLD, 8 * kLargest);
    mallopt(M_TOP_PAD, 8 * kLargest);
    // The painting threads share the heap too, rather than each mapping its own arena.
    mallopt(M_ARENA_MAX, 1);

    const auto heapEnd = [] { return reinterpret_cast<uintptr_t>(sbrk(0)); };
    const uintptr_t before = heapEnd();
    // More than the heap has left, so it grows by this and the pad (written through a volatile
    // pointer: a block allocated and freed unused may be left out by the compiler).
    void* volatile block = malloc(1 << 20);
    free(block);
    const uintptr_t after = heapEnd();
    constexpr uintptr_t kHuge = 2 << 20;
    const uintptr_t from = (before + kHuge - 1) & ~(kHuge - 1);
    if (after > from) madvise(reinterpret_cast<void*>(from), after - from, MADV_HUGEPAGE);
}

}  // namespace rtqt
