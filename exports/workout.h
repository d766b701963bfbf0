#pragma once

// A workout as fitness tools take it: SI units, times in UTC, one point per
// sample. The Record tab's model fills it from a record; the writers of
// FIT, TCX and CSV files only read it.

#include <cstdint>
#include <optional>
#include <vector>

namespace trevalo::exports {

struct Point {
    double elapsed_s = 0;            // since the start
    double distance_m = 0;           // since the start
    double speed_mps = 0;
    std::optional<int> heart_rate;   // beats per minute; none when the sample had no pulse
    double grade_percent = 0;        // the treadmill's incline
};

struct Workout {
    std::int64_t start_utc = 0;      // seconds since 1970-01-01 00:00 UTC
    double elapsed_s = 0;            // a treadmill does not pause: also the timer time
    double distance_m = 0;
    int calories = 0;                // kcal
    double average_speed_mps = 0;
    double max_speed_mps = 0;
    std::optional<int> average_heart_rate;
    std::optional<int> max_heart_rate;
    double ascent_m = 0;
    std::vector<Point> points;
};

}  // namespace trevalo::exports
