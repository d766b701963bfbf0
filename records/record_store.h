#pragma once

// The workouts of one record file: per record its totals, weight and unit
// marker, per sample the readings as the file gives them and the three chart
// levels drawn from them. The capacity is fixed: 1024 records of 1025
// samples. A store is filled by one load and starts zeroed; its sample
// memory is mapped in only where a load writes, so a small file costs
// little and a large one no more than its samples.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
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

// The readings of one sample, as read. A float holds every number a field
// of at most four characters can write.
struct RawSample {
    float time = 0;      // the time display, seconds: 60 x minutes + seconds
    float calories = 0;  // the calorie display, kcal
    float pulse = 0;     // beats per minute
    float incline = 0;   // percent
    float distance = 0;  // the distance display, in the record's unit
    float speed = 0;     // in the record's unit per hour
};

namespace detail {
// Zeroed memory that the system maps in only when it is first written.
struct Unmap {
    std::size_t bytes;
    void operator()(void* data) const;
};
void* map_zeroed(std::size_t bytes);
}  // namespace detail

class RecordStore {
public:
    RecordStore();

    RecordTotals& record(int r) { return records_[static_cast<std::size_t>(r)]; }
    const RecordTotals& record(int r) const { return records_[static_cast<std::size_t>(r)]; }
    SampleLevels& sample(int r, int i) { return levels_.get()[index(r, i)]; }
    const SampleLevels& sample(int r, int i) const { return levels_.get()[index(r, i)]; }
    RawSample& raw(int r, int i) { return raw_.get()[index(r, i)]; }
    const RawSample& raw(int r, int i) const { return raw_.get()[index(r, i)]; }

    static bool imperial(const RecordTotals& record) { return record.rec_unit == "LBS"; }

private:
    static std::size_t index(int r, int i)
    {
        return static_cast<std::size_t>(r) * kMaxSamples + static_cast<std::size_t>(i);
    }

    std::vector<RecordTotals> records_;
    std::unique_ptr<SampleLevels, detail::Unmap> levels_;
    std::unique_ptr<RawSample, detail::Unmap> raw_;
};

}  // namespace trevalo::records
