#pragma once

// What the history keeps of a workout beside its readings, worked out once
// when it is kept: the figures every view shows, and the fastest time over
// each of the usual race distances.

#include "program/settings.h"
#include "records/record_store.h"
#include "records/start_time.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trevalo::history {

inline constexpr double kKilometresPerMile = program::kMetresPerMile / 1000;
using program::kMetresPerFoot;

// 1 km, 1 mile, 5 km, 10 km, half marathon, in km.
inline constexpr int kBestDistances = 5;
inline constexpr std::array<double, kBestDistances> kBestDistanceKm{1, kKilometresPerMile, 5, 10, 21.0975};
inline constexpr std::array<const char*, kBestDistances> kBestDistanceNames{"1 km", "1 mile", "5 km", "10 km",
                                                                              "Half marathon"};

struct WorkoutSummary {
    double duration_s = 0;
    double distance = 0;  // in the record's unit
    double distance_km = 0;
    double climb_m = 0;
    double calories = 0;
    std::optional<double> average_speed;  // the record's unit per hour
    std::optional<double> average_pulse;
    // Whole seconds; none where the workout did not run that far.
    std::array<std::optional<double>, kBestDistances> fastest{};
};

WorkoutSummary summarise(const records::RecordStore& store, int r);

// A point of a workout: seconds and distance since its start.
struct Point {
    double elapsed_s = 0;
    double distance = 0;
};
// The shortest time in which the distance grows by `span`, the distance
// taken to grow linearly between two points; none if it never grows so much.
// The points go forward in time; a distance that falls back (a reading
// misread) counts as standing still.
std::optional<double> fastest_span(const std::vector<Point>& points, double span);

}  // namespace trevalo::history
