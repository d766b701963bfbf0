#include "exports/fit_activity_writer.h"

#include "base/clock.h"
#include "exports/fit_file_id.h"
#include "fit/crc.h"
#include "fit/profile.h"
#include "fit/writer.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <optional>
#include <string>

// The protocol (header, definitions, CRCs) is fit/'s; here only what an
// activity holds.

namespace trevalo::exports {
namespace {

using fit::BaseType;

namespace profile = fit::profile;
namespace event = profile::event;
namespace lap = profile::lap;
namespace session = profile::session;
namespace activity = profile::activity;
using profile::event_timer, profile::event_session, profile::event_lap, profile::event_activity;
using profile::event_type_start, profile::event_type_stop, profile::event_type_stop_all;
using profile::activity_type_manual;



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

}  // namespace


std::string write_fit_activity(const Workout& workout, std::uint32_t serial_number)
{
    namespace file_id = fit::profile::file_id;
    namespace record = fit::profile::record;
    using fit::profile::epoch_unix;
    using enum BaseType;
    // Clamped first, so that no sum below can overflow.
    const std::int64_t start =
        std::clamp<std::int64_t>(workout.start_utc, epoch_unix, epoch_unix + 0xFFFF'FFFE) - epoch_unix;
    const std::int64_t end = start + scaled(workout.elapsed_s, 1).value_or(0);
    const auto elapsed_ms = scaled(workout.elapsed_s, 1000);
    const auto distance_cm = scaled(workout.distance_m, 100);
    const auto average_speed = scaled(workout.average_speed_mps, 1000);
    const auto max_speed = scaled(workout.max_speed_mps, 1000);
    const auto ascent = scaled(workout.ascent_m, 1);
    const auto average_heart_rate = optional_int(workout.average_heart_rate);
    const auto max_heart_rate = optional_int(workout.max_heart_rate);

    fit::Writer out;
    out.write(file_id::number, {
        {file_id::type, enum8, fit::profile::file_activity},
        {file_id::manufacturer, uint16, fit::profile::manufacturer_development},
        {file_id::product, uint16, product_trevalo},
        {file_id::serial_number, uint32z, serial_number},
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
        {lap::sport, enum8, fit::profile::sport_running},
        {lap::sub_sport, enum8, fit::profile::sub_sport_treadmill},
    });
    out.write(session::number, {
        {session::message_index, uint16, 0},
        {session::timestamp, uint32, end},
        {session::event, enum8, event_session},
        {session::event_type, enum8, event_type_stop},
        {session::start_time, uint32, start},
        {session::sport, enum8, fit::profile::sport_running},
        {session::sub_sport, enum8, fit::profile::sub_sport_treadmill},
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
    out.write(activity::number, {
        {activity::timestamp, uint32, end},
        {activity::total_timer_time, uint32, elapsed_ms},
        {activity::num_sessions, uint16, 1},
        {activity::type, enum8, activity_type_manual},
        {activity::event, enum8, event_activity},
        {activity::event_type, enum8, event_type_stop},
        {activity::local_timestamp, uint32, end + zone_offset_s(end + epoch_unix)},
    });
    return out.finish();
}

}  // namespace trevalo::exports
