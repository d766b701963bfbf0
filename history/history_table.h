#pragma once

// The History window's tables as their captions: headings, cells, the keys
// they sort by, and the totals line. The figures come from the store; here
// they become text, in the unit the window shows.

#include "history/history_store.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace trevalo::history {

// Whole seconds, rounded: "31:04" under an hour, "1:02:15" from an hour.
std::string clock_text(double seconds);

// The workouts: date, duration, distance, average speed, average pace,
// climb, calories, average pulse, file.
inline constexpr int kWorkoutColumns = 9;
std::array<std::string, kWorkoutColumns> workout_headings(Unit unit);
std::string workout_cell(const WorkoutRow& row, int column);
// Numbers by value, a missing value before every other; text sorts as text.
std::optional<double> workout_sort_key(const WorkoutRow& row, int column);

// The periods: period, workouts, distance, time, climb, average pace.
inline constexpr int kPeriodColumns = 6;
std::array<std::string, kPeriodColumns> period_headings(Unit unit);
std::string period_cell(const PeriodTotals& row, int column);

// The bests, in this order: longest distance, longest time, most climb,
// then the fastest of each race distance.
inline constexpr int kBestRows = 3 + kBestDistances;
std::array<std::string, kBestRows> best_names();
const std::optional<Best>& best_of(const PersonalBests& bests, int row);
// The best's value with its unit, "–" where there is none.
std::string best_value(const PersonalBests& bests, int row, Unit unit);

// "142 workouts, 1204.33 mi, 118:02:41, 5120 ft climbed"
std::string totals_text(const PeriodTotals& all, Unit unit);

// The chart over the periods: the last 52 weeks or 24 months up to the
// newest period kept, oldest first, periods without workouts at zero.
struct ChartPeriod {
    std::string period;
    double distance = 0;
    std::optional<double> pace_s;
};
inline constexpr int kChartWeeks = 52;
inline constexpr int kChartMonths = 24;
std::vector<ChartPeriod> chart_periods(const std::vector<PeriodTotals>& newest_first, Period period);

}  // namespace trevalo::history
