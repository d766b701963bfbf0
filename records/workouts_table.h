#pragma once

// Every workout of the loaded file at a glance: one row per workout with its
// totals and statistics, and the totals of them all.

#include "records/record_store.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace trevalo::records {

struct WorkoutRow {
    std::string date;
    int duration_s = 0;
    double distance = 0;  // miles or kilometres, as `imperial` says
    bool imperial = false;
    int calories = 0;
    std::optional<double> average_speed;
    std::optional<int> average_pulse;
    std::optional<int> max_pulse;
    int weight = 0;
    int samples = 0;
};

std::vector<WorkoutRow> workouts_table(const std::vector<std::string>& dates, const RecordStore& store);

inline constexpr int kWorkoutColumns = 9;
// The column headings: "Date", "Duration", "Distance", ...
// In English, marked for translation in the "records" context.
const std::array<const char*, kWorkoutColumns>& workout_headings();
// A cell as shown: "25:10", "3.1 mi", "–" for a missing value.
std::string workout_cell(const WorkoutRow& row, int column);
// A cell as sorted: numbers by value, a missing value before every other.
double workout_sort_key(const WorkoutRow& row, int column);

struct WorkoutTotals {
    int workouts = 0;
    long time_s = 0;
    double miles = 0;
    double kilometres = 0;
    long calories = 0;
};
WorkoutTotals workouts_totals(const std::vector<WorkoutRow>& rows);
// "12 workouts, 6:15:20, 18.4 mi and 30.2 km, 4520 kcal"
std::string totals_text(const WorkoutTotals& totals);

}  // namespace trevalo::records
