#include "records/record_store.h"

#include <new>

#include <sys/mman.h>

namespace trevalo::records::detail {

void Unmap::operator()(void* data) const { ::munmap(data, bytes); }

// Anonymous pages read as zero and take memory only once written; calloc
// gives that only as long as the allocator's heuristics send the block to
// mmap.
void* map_zeroed(std::size_t bytes)
{
    void* data = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (data == MAP_FAILED)
        throw std::bad_alloc();
    // Large pages: a large file's samples then cost a few page faults, not
    // thousands. Only a hint; where the system says no, small pages serve.
    ::madvise(data, bytes, MADV_HUGEPAGE);
    return data;
}

}  // namespace trevalo::records::detail
