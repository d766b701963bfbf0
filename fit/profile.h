#pragma once

// The messages, fields and values of FIT's profile that this tool reads or
// writes, by the numbers files carry.

#include <cstdint>

namespace trevalo::fit::profile {

namespace file_id {
constexpr std::uint16_t number = 0;
enum : std::uint8_t { type = 0, manufacturer = 1, product = 2, serial_number = 3, time_created = 4 };
}  // namespace file_id

namespace workout {
constexpr std::uint16_t number = 26;
enum : std::uint8_t { sport = 4, capabilities = 5, num_valid_steps = 6, wkt_name = 8, sub_sport = 11 };
}  // namespace workout

namespace workout_step {
constexpr std::uint16_t number = 27;
enum : std::uint8_t {
    wkt_step_name = 0, duration_type = 1, duration_value = 2, target_type = 3, target_value = 4,
    custom_target_value_low = 5, custom_target_value_high = 6, intensity = 7, message_index = 254,
};
}  // namespace workout_step

namespace record {
constexpr std::uint16_t number = 20;
enum : std::uint8_t {
    heart_rate = 3, distance = 5, speed = 6, compressed_speed_distance = 8, grade = 9, enhanced_speed = 73,
    timestamp = 253,
};
}  // namespace record

namespace event {
constexpr std::uint16_t number = 21;
enum : std::uint8_t { event = 0, event_type = 1, timestamp = 253 };
}  // namespace event

// The sport of a whole file, where a device writes one apart from its sessions.
namespace sport {
constexpr std::uint16_t number = 12;
enum : std::uint8_t { sport = 0, sub_sport = 1 };
}  // namespace sport

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

namespace developer_data_id {
constexpr std::uint16_t number = 207;
enum : std::uint8_t { developer_id = 0, application_id = 1, developer_data_index = 3, application_version = 4 };
}  // namespace developer_data_id

namespace field_description {
constexpr std::uint16_t number = 206;
enum : std::uint8_t {
    developer_data_index = 0, field_definition_number = 1, fit_base_type_id = 2, field_name = 3, scale = 6,
    offset = 7, units = 8,
};
}  // namespace field_description

// Every message may carry one; a compressed-timestamp header stands for it.
constexpr std::uint8_t timestamp_field = 253;

// Values of the enumerations.
enum FileType : std::uint8_t { file_activity = 4, file_workout = 5 };
constexpr std::uint16_t manufacturer_development = 255;
constexpr std::uint8_t sport_running = 1, sub_sport_treadmill = 1;
constexpr std::uint32_t capability_speed = 0x80;

enum DurationType : std::uint8_t {
    duration_time = 0, duration_distance = 1, duration_hr_less_than = 2, duration_hr_greater_than = 3,
    duration_calories = 4, duration_open = 5, duration_repeat_until_steps_cmplt = 6,
    duration_repeat_until_time = 7, duration_repeat_until_distance = 8, duration_repeat_until_calories = 9,
    duration_repeat_until_hr_less_than = 10, duration_repeat_until_hr_greater_than = 11,
    duration_repeat_until_power_less_than = 12, duration_repeat_until_power_greater_than = 13,
    duration_repetition_time = 28, duration_time_only = 31,
};
enum TargetType : std::uint8_t { target_speed = 0, target_heart_rate = 1, target_open = 2 };
enum Intensity : std::uint8_t { intensity_active = 0 };

enum Event : std::uint8_t { event_timer = 0, event_session = 8, event_lap = 9, event_activity = 26 };
enum EventType : std::uint8_t {
    event_type_start = 0, event_type_stop = 1, event_type_stop_all = 4, event_type_stop_disable = 8,
    event_type_stop_disable_all = 9,
};
enum ActivityType : std::uint8_t { activity_type_manual = 0 };

// FIT's clock starts at 1989-12-31 00:00 UTC.
constexpr std::int64_t epoch_unix = 631'065'600;

}  // namespace trevalo::fit::profile
