#include "exports/fit_encoder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Every message is written from one list of (field number, base type, value):
// the definition a reader needs comes from the same list as the data, so the
// two cannot disagree. All multi-byte values are little-endian, as each
// definition declares (architecture 0); they are put out byte by byte, so
// the host's own byte order does not matter.

namespace trevalo::exports {
namespace {

enum class BaseType : std::uint8_t {
    enum8 = 0x00,
    uint8 = 0x02,
    sint16 = 0x83,
    uint16 = 0x84,
    uint32 = 0x86,
    uint32z = 0x8C,
};

struct TypeRange {
    int size;
    std::int64_t min;
    std::int64_t max;
};

// The range a value may take; each type's invalid value ("no data") lies
// outside it, so that a clamped value is never read back as missing.
constexpr TypeRange range(BaseType type)
{
    switch (type) {
    case BaseType::enum8:
    case BaseType::uint8: return {1, 0, 0xFE};
    case BaseType::sint16: return {2, -0x8000, 0x7FFE};
    case BaseType::uint16: return {2, 0, 0xFFFE};
    case BaseType::uint32: return {4, 0, 0xFFFF'FFFE};
    case BaseType::uint32z: return {4, 1, 0xFFFF'FFFF};
    }
    return {1, 0, 0};
}

// A value left empty leaves its field out of the message.
struct Field {
    std::uint8_t number;
    BaseType type;
    std::optional<std::int64_t> value;
};

namespace file_id {
constexpr std::uint16_t number = 0;
enum : std::uint8_t { type = 0, manufacturer = 1, product = 2, serial_number = 3, time_created = 4 };
}  // namespace file_id

namespace event {
constexpr std::uint16_t number = 21;
enum : std::uint8_t { event = 0, event_type = 1, timestamp = 253 };
}  // namespace event

namespace record {
constexpr std::uint16_t number = 20;
enum : std::uint8_t { heart_rate = 3, distance = 5, speed = 6, grade = 9, timestamp = 253 };
}  // namespace record

namespace lap {
constexpr std::uint16_t number = 19;
enum : std::uint8_t {
    event = 0, event_type = 1, start_time = 2, total_elapsed_time = 7, total_timer_time = 8,
    total_distance = 9, total_calories = 11, avg_speed = 13, max_speed = 14, avg_heart_rate = 15,
    max_heart_rate = 16, total_ascent = 21, sport = 25, sub_sport = 39, timestamp = 253,
    message_index = 254,
};
}  // namespace lap

namespace session {
constexpr std::uint16_t number = 18;
enum : std::uint8_t {
    event = 0, event_type = 1, start_time = 2, sport = 5, sub_sport = 6, total_elapsed_time = 7,
    total_timer_time = 8, total_distance = 9, total_calories = 11, avg_speed = 14, max_speed = 15,
    avg_heart_rate = 16, max_heart_rate = 17, total_ascent = 22, first_lap_index = 25, num_laps = 26,
    timestamp = 253, message_index = 254,
};
}  // namespace session

namespace activity {
constexpr std::uint16_t number = 34;
enum : std::uint8_t {
    total_timer_time = 0, num_sessions = 1, type = 2, event = 3, event_type = 4, local_timestamp = 5,
    timestamp = 253,
};
}  // namespace activity

// Values of the enumerations the messages use.
constexpr std::int64_t file_type_activity = 4;
constexpr std::int64_t manufacturer_development = 255;
constexpr std::int64_t event_timer = 0, event_session = 8, event_lap = 9, event_activity = 26;
constexpr std::int64_t event_type_start = 0, event_type_stop = 1, event_type_stop_all = 4;
constexpr std::int64_t sport_running = 1, sub_sport_treadmill = 1;
constexpr std::int64_t activity_type_manual = 0;

// Platforms tell files apart by serial number and creation time; the time
// differs from workout to workout, so one serial number serves them all.
constexpr std::int64_t product_trevalo = 1;
constexpr std::int64_t serial_number_trevalo = 0x54'52'45'56;  // "TREV"

constexpr std::int64_t fit_epoch_unix = 631'065'600;  // 1989-12-31 00:00 UTC
constexpr std::uint8_t protocol_version = 0x20;       // 2.0
constexpr std::uint16_t profile_version = 2100;       // 21.00: has every field written here

constexpr std::size_t local_message_types = 16;

std::optional<std::int64_t> scaled(double value, double scale)
{
    const double rounded = std::round(value * scale);
    if (std::isnan(rounded))
        return std::nullopt;
    // Far beyond every field's range, yet safe to convert.
    constexpr double bound = 0x1p62;
    return static_cast<std::int64_t>(std::clamp(rounded, -bound, bound));
}

std::optional<std::int64_t> optional_int(const std::optional<int>& value)
{
    if (!value)
        return std::nullopt;
    return *value;
}

void put(std::string& out, std::uint64_t value, int size)
{
    for (int i = 0; i < size; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

class Writer {
public:
    void write(std::uint16_t global, std::initializer_list<Field> fields)
    {
        // The definition without its record header: what tells one layout
        // from another.
        std::string layout = {0, 0};  // reserved, little-endian
        put(layout, global, 2);
        layout.push_back(0);
        for (const Field& field : fields) {
            if (!field.value)
                continue;
            layout.push_back(static_cast<char>(field.number));
            layout.push_back(static_cast<char>(range(field.type).size));
            layout.push_back(static_cast<char>(field.type));
            ++layout[4];
        }

        const std::uint8_t local = local_type_for(std::move(layout));
        data_.push_back(static_cast<char>(local));
        for (const Field& field : fields) {
            if (!field.value)
                continue;
            const TypeRange r = range(field.type);
            const std::int64_t value = std::clamp(*field.value, r.min, r.max);
            put(data_, static_cast<std::uint64_t>(value), r.size);
        }
    }

    std::string finish() const
    {
        std::string file;
        file.reserve(14 + data_.size() + 2);
        file.push_back(14);
        file.push_back(static_cast<char>(protocol_version));
        put(file, profile_version, 2);
        put(file, data_.size(), 4);
        file += ".FIT";
        put(file, fit_crc(file), 2);
        file += data_;
        put(file, fit_crc(file), 2);
        return file;
    }

private:
    // Records with and without a pulse alternate freely; keeping each layout
    // under its own local type defines each once, not at every change. The
    // messages here need fewer than the 16 local types; past them the last
    // one is defined anew.
    std::uint8_t local_type_for(std::string layout)
    {
        auto local = static_cast<std::size_t>(std::find(layouts_.begin(), layouts_.end(), layout) - layouts_.begin());
        if (local < layouts_.size())
            return static_cast<std::uint8_t>(local);
        if (layouts_.size() == local_message_types)
            layouts_.pop_back();
        local = layouts_.size();
        layouts_.push_back(std::move(layout));
        data_.push_back(static_cast<char>(0x40 | local));
        data_ += layouts_[local];
        return static_cast<std::uint8_t>(local);
    }

    std::vector<std::string> layouts_;
    std::string data_;
};

constexpr std::array<std::uint16_t, 256> crc_table = [] {
    // CRC-16 with the reflected polynomial x^16 + x^15 + x^2 + 1, a byte at a time.
    std::array<std::uint16_t, 256> table{};
    for (unsigned byte = 0; byte < 256; ++byte) {
        unsigned crc = byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
        table[byte] = static_cast<std::uint16_t>(crc);
    }
    return table;
}();

}  // namespace

std::uint16_t fit_crc(std::string_view bytes)
{
    std::uint16_t crc = 0;
    for (const char c : bytes)
        crc = static_cast<std::uint16_t>((crc >> 8) ^ crc_table[(crc ^ static_cast<unsigned char>(c)) & 0xFF]);
    return crc;
}

std::string encode_fit(const Workout& workout)
{
    using enum BaseType;
    // Clamped first, so that no sum below can overflow.
    const std::int64_t start =
        std::clamp<std::int64_t>(workout.start_utc, fit_epoch_unix, fit_epoch_unix + 0xFFFF'FFFE) - fit_epoch_unix;
    const std::int64_t end = start + scaled(workout.elapsed_s, 1).value_or(0);
    const auto elapsed_ms = scaled(workout.elapsed_s, 1000);
    const auto distance_cm = scaled(workout.distance_m, 100);
    const auto average_speed = scaled(workout.average_speed_mps, 1000);
    const auto max_speed = scaled(workout.max_speed_mps, 1000);
    const auto ascent = scaled(workout.ascent_m, 1);
    const auto average_heart_rate = optional_int(workout.average_heart_rate);
    const auto max_heart_rate = optional_int(workout.max_heart_rate);

    Writer out;
    out.write(file_id::number, {
        {file_id::type, enum8, file_type_activity},
        {file_id::manufacturer, uint16, manufacturer_development},
        {file_id::product, uint16, product_trevalo},
        {file_id::serial_number, uint32z, serial_number_trevalo},
        {file_id::time_created, uint32, start},
    });
    out.write(event::number, {
        {event::timestamp, uint32, start},
        {event::event, enum8, event_timer},
        {event::event_type, enum8, event_type_start},
    });
    for (const Point& point : workout.points) {
        out.write(record::number, {
            {record::timestamp, uint32, start + scaled(point.elapsed_s, 1).value_or(0)},
            {record::distance, uint32, scaled(point.distance_m, 100)},
            {record::speed, uint16, scaled(point.speed_mps, 1000)},
            {record::heart_rate, uint8, optional_int(point.heart_rate)},
            {record::grade, sint16, scaled(point.grade_percent, 100)},
        });
    }
    out.write(event::number, {
        {event::timestamp, uint32, end},
        {event::event, enum8, event_timer},
        {event::event_type, enum8, event_type_stop_all},
    });
    out.write(lap::number, {
        {lap::message_index, uint16, 0},
        {lap::timestamp, uint32, end},
        {lap::event, enum8, event_lap},
        {lap::event_type, enum8, event_type_stop},
        {lap::start_time, uint32, start},
        {lap::total_elapsed_time, uint32, elapsed_ms},
        {lap::total_timer_time, uint32, elapsed_ms},
        {lap::total_distance, uint32, distance_cm},
        {lap::total_calories, uint16, workout.calories},
        {lap::avg_speed, uint16, average_speed},
        {lap::max_speed, uint16, max_speed},
        {lap::avg_heart_rate, uint8, average_heart_rate},
        {lap::max_heart_rate, uint8, max_heart_rate},
        {lap::total_ascent, uint16, ascent},
        {lap::sport, enum8, sport_running},
        {lap::sub_sport, enum8, sub_sport_treadmill},
    });
    out.write(session::number, {
        {session::message_index, uint16, 0},
        {session::timestamp, uint32, end},
        {session::event, enum8, event_session},
        {session::event_type, enum8, event_type_stop},
        {session::start_time, uint32, start},
        {session::sport, enum8, sport_running},
        {session::sub_sport, enum8, sub_sport_treadmill},
        {session::total_elapsed_time, uint32, elapsed_ms},
        {session::total_timer_time, uint32, elapsed_ms},
        {session::total_distance, uint32, distance_cm},
        {session::total_calories, uint16, workout.calories},
        {session::avg_speed, uint16, average_speed},
        {session::max_speed, uint16, max_speed},
        {session::avg_heart_rate, uint8, average_heart_rate},
        {session::max_heart_rate, uint8, max_heart_rate},
        {session::total_ascent, uint16, ascent},
        {session::first_lap_index, uint16, 0},
        {session::num_laps, uint16, 1},
    });
    // Without a time zone in the workout, local time is taken to be UTC.
    out.write(activity::number, {
        {activity::timestamp, uint32, end},
        {activity::total_timer_time, uint32, elapsed_ms},
        {activity::num_sessions, uint16, 1},
        {activity::type, enum8, activity_type_manual},
        {activity::event, enum8, event_activity},
        {activity::event_type, enum8, event_type_stop},
        {activity::local_timestamp, uint32, end},
    });
    return out.finish();
}

}  // namespace trevalo::exports
