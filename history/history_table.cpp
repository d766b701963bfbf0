#include "history/history_table.h"

#include "base/translation.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <map>

namespace trevalo::history {

namespace {

constexpr const char* kNone = "\u2013";

const char* distance_unit(Unit unit) { return unit == Unit::Mile ? "mi" : "km"; }
const char* climb_unit(Unit unit) { return unit == Unit::Mile ? "ft" : "m"; }

std::string fixed(double value, int decimals)
{
    char text[48];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string optional_fixed(const std::optional<double>& value, int decimals)
{
    return value ? fixed(*value, decimals) : kNone;
}

std::string optional_clock(const std::optional<double>& seconds) { return seconds ? clock_text(*seconds) : kNone; }

std::string with_unit(std::string number, const char* unit)
{
    number += ' ';
    number += unit;
    return number;
}

}  // namespace

std::string clock_text(double seconds)
{
    const long long whole = std::llround(std::max(seconds, 0.0));
    char text[32];
    if (whole < 3600)
        std::snprintf(text, sizeof text, "%lld:%02lld", whole / 60, whole % 60);
    else
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", whole / 3600, whole / 60 % 60, whole % 60);
    return text;
}

std::array<std::string, kWorkoutColumns> workout_headings(Unit unit)
{
    const bool mile = unit == Unit::Mile;
    return {translated("history", "Date"),
            translated("history", "Duration"),
            mile ? translated("history", "Distance (mi)") : translated("history", "Distance (km)"),
            mile ? translated("history", "Average speed (MPH)") : translated("history", "Average speed (KPH)"),
            mile ? translated("history", "Average pace (/mi)") : translated("history", "Average pace (/km)"),
            mile ? translated("history", "Climb (ft)") : translated("history", "Climb (m)"),
            translated("history", "Calories"),
            translated("history", "Average pulse"),
            translated("history", "File")};
}

std::string workout_cell(const WorkoutRow& row, int column)
{
    switch (column) {
    case 0: return row.date_line;
    case 1: return clock_text(row.duration_s);
    case 2: return fixed(row.distance, 2);
    case 3: return optional_fixed(row.average_speed, 1);
    case 4: return optional_clock(row.pace_s);
    case 5: return fixed(row.climb, 0);
    case 6: return fixed(row.calories, 0);
    case 7: return optional_fixed(row.average_pulse, 0);
    default: return row.file_name;
    }
}

std::optional<double> workout_sort_key(const WorkoutRow& row, int column)
{
    const double lowest = std::numeric_limits<double>::lowest();
    switch (column) {
    // A date line that gives no start sorts before every dated one.
    case 0: return row.start_utc ? static_cast<double>(*row.start_utc) : lowest;
    case 1: return row.duration_s;
    case 2: return row.distance;
    case 3: return row.average_speed.value_or(lowest);
    case 4: return row.pace_s.value_or(lowest);
    case 5: return row.climb;
    case 6: return row.calories;
    case 7: return row.average_pulse.value_or(lowest);
    default: return std::nullopt;
    }
}

std::array<std::string, kPeriodColumns> period_headings(Unit unit)
{
    const bool mile = unit == Unit::Mile;
    return {translated("history", "Period"),
            translated("history", "Workouts"),
            mile ? translated("history", "Distance (mi)") : translated("history", "Distance (km)"),
            translated("history", "Time"),
            mile ? translated("history", "Climb (ft)") : translated("history", "Climb (m)"),
            mile ? translated("history", "Average pace (/mi)") : translated("history", "Average pace (/km)")};
}

std::string period_cell(const PeriodTotals& row, int column)
{
    switch (column) {
    case 0: return row.period.empty() ? kNone : row.period;
    case 1: return std::to_string(row.workouts);
    case 2: return fixed(row.distance, 2);
    case 3: return clock_text(row.duration_s);
    case 4: return fixed(row.climb, 0);
    default: return optional_clock(row.pace_s);
    }
}

std::array<std::string, kBestRows> best_names()
{
    static_assert(kBestRows == 8, "a name for every best");
    return {translated("history", "Longest distance"), translated("history", "Longest time"),
            translated("history", "Most climb"),       translated("history", "Fastest 1 km"),
            translated("history", "Fastest 1 mile"),   translated("history", "Fastest 5 km"),
            translated("history", "Fastest 10 km"),    translated("history", "Fastest half marathon")};
}

const std::optional<Best>& best_of(const PersonalBests& bests, int row)
{
    switch (row) {
    case 0: return bests.longest_distance;
    case 1: return bests.longest_time;
    case 2: return bests.most_climb;
    default: return bests.fastest[static_cast<std::size_t>(row - 3)];
    }
}

std::string best_value(const PersonalBests& bests, int row, Unit unit)
{
    const std::optional<Best>& best = best_of(bests, row);
    if (!best)
        return kNone;
    switch (row) {
    case 0: return with_unit(fixed(best->value, 2), distance_unit(unit));
    case 2: return with_unit(fixed(best->value, 0), climb_unit(unit));
    default: return clock_text(best->value);
    }
}

std::string totals_text(const PeriodTotals& all, Unit unit)
{
    return filled(all.workouts == 1 ? translated("history", "%1 workout, %2, %3, %4 climbed")
                                    : translated("history", "%1 workouts, %2, %3, %4 climbed"),
                  all.workouts, with_unit(fixed(all.distance, 2), distance_unit(unit)), clock_text(all.duration_s),
                  with_unit(fixed(all.climb, 0), climb_unit(unit)));
}

std::vector<ChartPeriod> chart_periods(const std::vector<PeriodTotals>& newest_first, Period period)
{
    std::map<std::string, const PeriodTotals*> kept;
    for (const PeriodTotals& totals : newest_first)
        if (!totals.period.empty())
            kept.emplace(totals.period, &totals);
    if (kept.empty())
        return {};
    std::vector<ChartPeriod> chart;
    for (const std::string& name :
         periods_ending(period, kept.rbegin()->first, period == Period::Week ? kChartWeeks : kChartMonths)) {
        const auto found = kept.find(name);
        chart.push_back(found == kept.end() ? ChartPeriod{name, 0, std::nullopt}
                                            : ChartPeriod{name, found->second->distance, found->second->pace_s});
    }
    return chart;
}

}  // namespace trevalo::history
