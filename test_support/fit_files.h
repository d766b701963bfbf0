#pragma once

// Small FIT files for the tests, written with the protocol writer: workouts
// step by step, activities record by record.

#include "fit/incline_field.h"
#include "fit/profile.h"
#include "fit/writer.h"

#include <optional>
#include <utility>
#include <string>
#include <vector>

namespace trevalo::test_support {

using namespace fit;

struct StepRow {
    std::int64_t duration_type = profile::duration_time;
    std::optional<std::int64_t> duration_value = {};
    std::int64_t target_type = profile::target_open;
    std::optional<std::int64_t> target_value = {}, low = {}, high = {};
    std::optional<std::int64_t> incline = {};  // tenths of a percent
};

struct FileOptions {
    std::int64_t file_type = profile::file_workout;
    ByteOrder order = ByteOrder::Little;
    std::uint8_t incline_number = 0;  // the developer field's number
    bool strangers = false;           // an unknown message and an unknown field among the steps
    std::string_view tail = {};       // bytes after the steps, the sizes and CRCs made to fit them
};

inline std::string workout_file(const std::vector<StepRow>& steps, FileOptions options = {})
{
    namespace ws = profile::workout_step;
    using enum BaseType;
    Writer out(options.order);
    out.write(profile::file_id::number, {{profile::file_id::type, enum8, options.file_type}});
    out.declare_developer(1, incline_field::application_id);
    out.declare_field({1, 3, uint8, "cadence", "rpm", std::nullopt});
    out.declare_field({1, options.incline_number, sint16, "incline", "%", 10});
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const StepRow& s = steps[i];
        if (options.strangers)
            out.write(0xFF01, {{1, uint32, 5}});
        out.write(ws::number,
                  {{ws::message_index, uint16, static_cast<std::int64_t>(i)},
                   {ws::duration_type, enum8, s.duration_type},
                   {ws::duration_value, uint32, s.duration_value},
                   {ws::target_type, enum8, s.target_type},
                   {ws::target_value, uint32, s.target_value},
                   {ws::custom_target_value_low, uint32, s.low},
                   {ws::custom_target_value_high, uint32, s.high},
                   {99, uint16, options.strangers ? std::optional<std::int64_t>(7) : std::nullopt}},
                  {{1, 3, uint8, 90}, {1, options.incline_number, sint16, s.incline}});
    }
    out.append_raw(options.tail);
    return out.finish();
}

struct Record {
    std::optional<std::int64_t> time = {}, speed = {}, enhanced_speed = {}, grade = {};
    std::optional<std::int64_t> distance = {};  // centimetres
    // The compressed speed/distance field older watches and footpods write:
    // speed in cm/s (0xFFF: none) and distance in sixteenths of a metre
    // (rolling over every 256 m), 12 bits each.
    std::optional<std::pair<std::int64_t, std::int64_t>> packed = {};
};

// Any other message of an activity: a session, a lap, an event.
struct Message {
    std::uint16_t global;
    std::vector<Field> fields;
};

// Records of an activity starting at FIT time 1000, then `after`; from the
// second record on, when `compressed`, under compressed-timestamp headers
// (speed and grade only).
inline std::string activity_file(const std::vector<Record>& records, bool compressed = false,
                                 const std::vector<Message>& after = {})
{
    namespace rec = profile::record;
    using enum BaseType;
    Writer out;
    out.write(profile::file_id::number, {{profile::file_id::type, enum8, std::int64_t{profile::file_activity}}});
    for (std::size_t i = 0; i < records.size() && !(compressed && i > 0); ++i) {
        const Record& r = records[i];
        std::string packed;
        if (r.packed)
            for (const std::int64_t v = r.packed->first | r.packed->second << 12; packed.size() < 3;)
                packed.push_back(static_cast<char>(v >> (8 * packed.size()) & 0xFF));
        out.write(rec::number, {{rec::timestamp, uint32, r.time}, {rec::speed, uint16, r.speed},
                                {rec::enhanced_speed, uint32, r.enhanced_speed}, {rec::grade, sint16, r.grade},
                                {rec::distance, uint32, r.distance},
                                {rec::compressed_speed_distance, byte, {}, packed}});
    }
    if (compressed)
        out.append_raw({"\x42\x00\x00\x14\x00\x02\x06\x02\x84\x09\x02\x83", 12});  // local type 2: speed, grade
    const auto le = [](std::int64_t v) {
        return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF)};
    };
    for (std::size_t i = 1; compressed && i < records.size(); ++i)
        out.append_raw(static_cast<char>(0x80 | 2 << 5 | (*records[i].time & 0x1F)) + le(*records[i].speed) +
                       le(*records[i].grade));
    for (const Message& m : after)
        out.write(m.global, m.fields);
    return out.finish();
}

}  // namespace trevalo::test_support
