#include "records/record_store.h"

#include <new>

#include <sys/mman.h>

namespace trevalo::records {

namespace {
constexpr std::size_t kSlots = static_cast<std::size_t>(kMaxRecords) * kMaxSamples;
}  // namespace

namespace detail {

void Unmap::operator()(void* data) const { ::munmap(data, bytes); }

// Anonymous pages read as zero and take memory only once written; calloc
// gives that only as long as the allocator's heuristics send the block to
// mmap.
void* map_zeroed(std::size_t bytes)
{
    void* data = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (data == MAP_FAILED)
        throw std::bad_alloc();
    return data;
}

}  // namespace detail

// The arrays hold implicit-lifetime types, which zeroed memory makes whole.
RecordStore::RecordStore()
    : records_(kMaxRecords),
      levels_(static_cast<SampleLevels*>(detail::map_zeroed(kSlots * sizeof(SampleLevels))),
              detail::Unmap{kSlots * sizeof(SampleLevels)}),
      raw_(static_cast<RawSample*>(detail::map_zeroed(kSlots * sizeof(RawSample))),
           detail::Unmap{kSlots * sizeof(RawSample)})
{
}

}  // namespace trevalo::records
