#include "records/record_store.h"

#include <algorithm>

namespace trevalo::records {

RecordStore::RecordStore()
    : records_(kMaxRecords), samples_(static_cast<std::size_t>(kMaxRecords) * kMaxSamples)
{
}

void RecordStore::clear()
{
    std::fill(records_.begin(), records_.end(), RecordTotals{});
    std::fill_n(samples_.begin(), index(used_records_, 0), SampleLevels{});
    used_records_ = 0;
}

}  // namespace trevalo::records
