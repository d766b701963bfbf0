#include "records/record_store.h"

#include <algorithm>

namespace trevalo::records {

RecordStore::RecordStore()
    : records_(kMaxRecords), samples_(static_cast<std::size_t>(kMaxRecords) * kMaxSamples), written_(kMaxRecords)
{
}

void RecordStore::begin_load()
{
    std::fill(records_.begin(), records_.begin() + records_in_use_, RecordTotals{});
    records_in_use_ = 0;
}

void RecordStore::settle(int r, int count)
{
    std::int16_t& written = written_[static_cast<std::size_t>(r)];
    if (count < written)
        std::fill(samples_.begin() + static_cast<std::ptrdiff_t>(index(r, count)),
                  samples_.begin() + static_cast<std::ptrdiff_t>(index(r, written)), SampleLevels{});
    written = static_cast<std::int16_t>(count);
}

void RecordStore::settle_unreached(int first)
{
    for (int r = first; r < sampled_records_; ++r)
        settle(r, 0);
    sampled_records_ = std::min(sampled_records_, first);
}

}  // namespace trevalo::records
