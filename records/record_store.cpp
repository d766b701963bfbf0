#include "records/record_store.h"

#include "records/sample_levels.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <optional>

namespace trevalo::records {

namespace {
constexpr std::size_t kSlots = static_cast<std::size_t>(kMaxRecords) * kMaxSamples;
}  // namespace

// The arrays hold implicit-lifetime types, which zeroed memory makes whole.
RecordStore::RecordStore()
    : records_(kMaxRecords),
      packed_(static_cast<PackedSample*>(detail::map_zeroed(kSlots * sizeof(PackedSample))),
              detail::Unmap{kSlots * sizeof(PackedSample)})
{
}

namespace {

// `value` as a whole number of 1/scale, when it is one that fits `limit`.
std::optional<unsigned> scaled(double value, double scale, unsigned limit)
{
    const double units = value * scale;
    const double whole = std::nearbyint(units);
    if (!(std::fabs(units - whole) < 1e-6) || whole < 0 || whole > limit)
        return std::nullopt;
    return static_cast<unsigned>(whole);
}

// The levels of readings in the usual shapes, from the tables the reader
// would use for those fields.
SampleLevels usual_levels(const PackedSample& packed)
{
    const LevelTables& tables = LevelTables::instance();
    return {tables.speed({packed.speed, 1}, (packed.flags & PackedSample::kImperial) != 0),
            tables.incline({packed.incline, 0}), tables.pulse({packed.pulse, 0})};
}

}  // namespace

// Readings of another shape are packed when their values fit the tables: a
// field that holds a whole number of tenths reads as the same double as the
// usual shape of that number, so the tables give the levels it gave.
void RecordStore::set_raw(int r, int i, const RawSample& readings, const SampleLevels& levels, bool imperial)
{
    PackedSample& packed = packed_.get()[index(r, i)];
    const auto time = scaled(readings.time, 1, 0xFFFF), calories = scaled(readings.calories, 1, 0xFFFF),
               pulse = scaled(readings.pulse, 1, 999), incline = scaled(readings.incline, 1, 99),
               distance = scaled(readings.distance, 100, 0xFFFF), speed = scaled(readings.speed, 10, 9999);
    const std::uint8_t flags = PackedSample::kRead | (imperial ? PackedSample::kImperial : 0);
    if (time && calories && pulse && incline && distance && speed) [[likely]] {
        packed = {static_cast<std::uint16_t>(*time),     static_cast<std::uint16_t>(*calories),
                  static_cast<std::uint16_t>(*pulse),    static_cast<std::uint16_t>(*distance),
                  static_cast<std::uint16_t>(*speed),    static_cast<std::uint8_t>(*incline), flags};
        return;
    }
    packed = {};
    packed.flags = flags | PackedSample::kUnusual;
    unusual_.push_back({index(r, i), readings, levels});
}

const RecordStore::Unusual& RecordStore::unusual(std::size_t slot) const
{
    return *std::lower_bound(unusual_.begin(), unusual_.end(), slot,
                             [](const Unusual& entry, std::size_t at) { return entry.slot < at; });
}

SampleLevels RecordStore::levels(int r, int i) const
{
    const std::size_t slot = index(r, i);
    const PackedSample& packed = packed_.get()[slot];
    if (packed.flags & PackedSample::kUnusual) [[unlikely]]
        return unusual(slot).levels;
    if (!(packed.flags & PackedSample::kRead))
        return {};
    return usual_levels(packed);
}

RawSample RecordStore::raw(int r, int i) const
{
    const std::size_t slot = index(r, i);
    const PackedSample& packed = packed_.get()[slot];
    if (packed.flags & PackedSample::kUnusual) [[unlikely]]
        return unusual(slot).readings;
    // Divided as a field of that shape is read, so the values are the same.
    return {static_cast<double>(packed.time),  static_cast<double>(packed.calories),
            static_cast<double>(packed.pulse), static_cast<double>(packed.incline),
            packed.distance / 100.0,           packed.speed / 10.0};
}

}  // namespace trevalo::records
