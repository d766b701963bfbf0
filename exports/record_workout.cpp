#include "exports/record_workout.h"

#include "exports/csv.h"
#include "program/settings.h"
#include "records/workout_statistics.h"

#include <cmath>

namespace trevalo::exports {

namespace {


struct Units {
    double metres_per_distance;  // a mile or a kilometre
    double metres_per_rise;      // a foot or a metre
    const char* name;
};

Units units_of(const records::RecordTotals& record)
{
    return records::RecordStore::imperial(record) ? Units{program::kMetresPerMile, program::kMetresPerFoot, "mi"}
                                                  : Units{1000, 1, "km"};
}

std::optional<int> heart_rate(double pulse)
{
    if (pulse < records::kLowestPulse)
        return std::nullopt;
    return static_cast<int>(std::lround(pulse));
}

}  // namespace

Workout workout_from_record(const records::RecordStore& store, int r, std::int64_t start_utc)
{
    const records::RecordTotals& record = store.record(r);
    const Units units = units_of(record);
    const double speed_unit = units.metres_per_distance / 3600;  // m/s in a mph or km/h
    const records::WorkoutStatistics statistics = records::workout_statistics(store, r);

    Workout w;
    w.start_utc = start_utc;
    w.elapsed_s = record.rec_time;
    w.distance_m = record.rec_distance * units.metres_per_distance;
    w.calories = record.rec_calories;
    // The statistics bound the average by the maximum: Strava and Garmin
    // Connect show both from the session, and neither should contradict the
    // Record tab.
    w.average_speed_mps = statistics.average_speed.value_or(0) * speed_unit;
    w.max_speed_mps = statistics.max_speed.value_or(0) * speed_unit;
    w.average_heart_rate = statistics.average_pulse;
    w.max_heart_rate = statistics.max_pulse;
    w.ascent_m = statistics.climb * units.metres_per_rise;
    w.points.reserve(static_cast<std::size_t>(record.rec_count));
    const records::ProgressRule rule(store, r);
    for (int i = 0; i < record.rec_count; ++i) {
        const records::RawSample raw = store.raw(r, i);
        const records::Progress progress = rule(raw);
        w.points.push_back({progress.elapsed_s, progress.distance * units.metres_per_distance,
                            raw.speed * speed_unit, heart_rate(raw.pulse), raw.incline});
    }
    return w;
}

std::string samples_csv(const records::RecordStore& store, int r)
{
    const records::RecordTotals& record = store.record(r);
    const std::string unit = units_of(record).name;
    std::vector<std::vector<std::string>> rows;
    rows.reserve(static_cast<std::size_t>(record.rec_count));
    const records::ProgressRule rule(store, r);
    for (int i = 0; i < record.rec_count; ++i) {
        const records::RawSample raw = store.raw(r, i);
        rows.push_back({csv_number(rule(raw).elapsed_s, 1), csv_number(raw.time, 2),
                        csv_number(raw.calories, 2), csv_number(raw.pulse, 2), csv_number(raw.incline, 2),
                        csv_number(raw.distance, 3), csv_number(raw.speed, 3), unit});
    }
    return csv_table({"elapsed_s", "time_s", "calories_kcal", "pulse_bpm", "incline_percent", "distance",
                      "speed", "unit"},
                     rows);
}

std::string workouts_csv(const std::vector<records::WorkoutRow>& rows)
{
    auto optional = [](const auto& value, int decimals) { return value ? csv_number(*value, decimals) : std::string(); };
    std::vector<std::vector<std::string>> cells;
    cells.reserve(rows.size());
    for (const records::WorkoutRow& row : rows)
        cells.push_back({row.date, std::to_string(row.duration_s), csv_number(row.distance, 3),
                         row.imperial ? "mi" : "km", std::to_string(row.calories), optional(row.average_speed, 2),
                         optional(row.average_pulse, 0), optional(row.max_pulse, 0), std::to_string(row.weight),
                         row.imperial ? "lb" : "kg", std::to_string(row.samples)});
    return csv_table({"date", "duration_s", "distance", "distance_unit", "calories_kcal", "average_speed",
                      "average_pulse_bpm", "max_pulse_bpm", "weight", "weight_unit", "samples"},
                     cells);
}

}  // namespace trevalo::exports
