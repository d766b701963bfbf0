#pragma once

// The workouts of one record file: per record its totals, weight and unit
// marker, per sample the readings as the file gives them, from which the
// three chart levels are drawn when a sample is shown. The capacity is
// fixed: 1024 records of 1025 samples. A store is filled by one load and
// starts zeroed; its sample memory is mapped in only where a load writes, so
// a small file costs little and a large one no more than its samples.

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

// The readings of one sample, as read.
struct RawSample {
    double time = 0;      // the time display, seconds: 60 x minutes + seconds
    double calories = 0;  // the calorie display, kcal
    double pulse = 0;     // beats per minute
    double incline = 0;   // percent
    double distance = 0;  // the distance display, in the record's unit
    double speed = 0;     // in the record's unit per hour
};

// A sample's readings in the shapes the treadmill writes, in 12 bytes:
// whole seconds, calories, pulse and incline, the distance in hundredths,
// the speed in tenths. Readings of any other shape go to a side table with
// their levels. Keeping no levels beside the usual readings spares the load
// a second array to write: the 20 samples shown have theirs looked up.
struct PackedSample {
    std::uint16_t time;
    std::uint16_t calories;
    std::uint16_t pulse;
    std::uint16_t distance;
    std::uint16_t speed;
    std::uint8_t incline;
    std::uint8_t flags;  // the bits below; zero for a slot no load wrote

    static constexpr std::uint8_t kRead = 1;
    static constexpr std::uint8_t kImperial = 2;  // read while the record's marker was "LBS"
    static constexpr std::uint8_t kUnusual = 4;   // the readings are in the side table
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
    // All zero for a slot that no sample filled.
    SampleLevels levels(int r, int i) const;
    RawSample raw(int r, int i) const;
    // Samples are given in the order of the file, with the levels their
    // fields gave and whether the record was imperial when they were read.
    void set_raw(int r, int i, const RawSample& readings, const SampleLevels& levels, bool imperial);
    // Readings in the usual shapes, packed already, kRead among the flags.
    void set_packed(int r, int i, const PackedSample& packed) { packed_.get()[index(r, i)] = packed; }

    static bool imperial(const RecordTotals& record) { return record.rec_unit == "LBS"; }

private:
    static std::size_t index(int r, int i)
    {
        return static_cast<std::size_t>(r) * kMaxSamples + static_cast<std::size_t>(i);
    }

    std::vector<RecordTotals> records_;
    struct Unusual {
        std::size_t slot;
        RawSample readings;
        SampleLevels levels;
    };
    const Unusual& unusual(std::size_t slot) const;

    std::unique_ptr<PackedSample, detail::Unmap> packed_;
    std::vector<Unusual> unusual_;  // by slot, ascending
};

}  // namespace trevalo::records
