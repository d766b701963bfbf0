#include "records/record_store.h"

#include <new>

#include <windows.h>

namespace trevalo::records::detail {

void Unmap::operator()(void* data) const { ::VirtualFree(data, 0, MEM_RELEASE); }

// Committed pages read as zero and take memory only once written, as
// anonymous mappings do elsewhere.
void* map_zeroed(std::size_t bytes)
{
    void* data = ::VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (!data)
        throw std::bad_alloc();
    return data;
}

}  // namespace trevalo::records::detail
