#pragma once

// The workouts of one record file: per record its totals, weight and unit
// marker, per sample the three chart levels. The capacity is fixed and
// allocated once: 1024 records of 1025 samples.

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

    // Every entry back to 0, every marker to empty text.
    void clear();

    RecordTotals& record(int r) { return records_[static_cast<std::size_t>(r)]; }
    const RecordTotals& record(int r) const { return records_[static_cast<std::size_t>(r)]; }
    SampleLevels& sample(int r, int i)
    {
        if (r >= used_records_)
            used_records_ = r + 1;
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
    // Records whose samples were written since the last clear: clearing only
    // those keeps a load of a small file from sweeping the whole store.
    int used_records_ = 0;
};

}  // namespace trevalo::records
