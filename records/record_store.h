#pragma once

// The workouts of one record file: per record its totals, weight and unit
// marker, per sample the three chart levels. The capacity is fixed and
// allocated once: 1024 records of 1025 samples.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace trevalo::records {

inline constexpr int kMaxRecords = 1024;
inline constexpr int kMaxSamples = 1025;

struct RecordTotals {
    std::int16_t rec_count = 0;
    std::int16_t rec_calories = 0;
    double rec_distance = 0;
    std::int16_t rec_time = 0;  // seconds
    std::int16_t rec_weight = 0;
    std::string rec_unit;  // the weight line's marker; "LBS" means imperial
};

// The levels of one sample: lamps lit in the speed and incline bars, and the
// height step of the pulse point (0: no pulse).
struct SampleLevels {
    std::int16_t rec_speed = 0;
    std::int16_t rec_incline = 0;
    std::int16_t rec_pulse = 0;
};

class RecordStore {
public:
    RecordStore();

    // Starts a load: every record's totals back to 0 and its marker to empty
    // text. A record's samples read 0 again once the load settles it, so that
    // loading a large file does not write every sample slot twice.
    void begin_load();
    // Record r ends after `count` samples: the slots after them read 0.
    void settle(int r, int count);
    // The load ended before record `first`: those after it read 0 throughout.
    void settle_unreached(int first);

    RecordTotals& record(int r)
    {
        records_in_use_ = std::max(records_in_use_, r + 1);
        return records_[static_cast<std::size_t>(r)];
    }
    const RecordTotals& record(int r) const { return records_[static_cast<std::size_t>(r)]; }
    SampleLevels& sample(int r, int i)
    {
        std::int16_t& written = written_[static_cast<std::size_t>(r)];
        if (i >= written) {
            written = static_cast<std::int16_t>(i + 1);
            sampled_records_ = std::max(sampled_records_, r + 1);
        }
        return samples_[index(r, i)];
    }
    const SampleLevels& sample(int r, int i) const { return samples_[index(r, i)]; }

    static bool imperial(const RecordTotals& record) { return record.rec_unit == "LBS"; }

private:
    static std::size_t index(int r, int i)
    {
        return static_cast<std::size_t>(r) * kMaxSamples + static_cast<std::size_t>(i);
    }

    std::vector<RecordTotals> records_;
    std::vector<SampleLevels> samples_;
    // Per record, the slots past which every sample is 0.
    std::vector<std::int16_t> written_;
    // The records past which every total, and every sample, is as new: a
    // load of a small file then touches no more than that file needs.
    int records_in_use_ = 0;
    int sampled_records_ = 0;
};

}  // namespace trevalo::records
