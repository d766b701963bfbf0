#include "records/workouts_table.h"

#include "base/translation.h"
#include "records/result_text.h"
#include "records/workout_statistics.h"

#include <cmath>
#include <limits>

namespace trevalo::records {

namespace {

constexpr const char* kDash = "\xE2\x80\x93";  // U+2013

// "1:02:05", "25:10"; appended piece by piece, which also keeps GCC 12's
// -Wrestrict false alarm on `"literal" + std::string` away.
std::string clock_text(long seconds)
{
    std::string text = seconds < 0 ? "-" : "";
    seconds = std::labs(seconds);
    const long h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    auto two = [&text](long v) { text.append(v < 10 ? "0" : "").append(std::to_string(v)); };
    if (h > 0) {
        text.append(std::to_string(h)).append(":");
        two(m);
    } else {
        text.append(std::to_string(m));
    }
    text.append(":");
    two(s);
    return text;
}

std::string one_decimal(double value) { return distance_text(std::nearbyint(value * 10) / 10); }

template <typename T>
double key(const std::optional<T>& value)
{
    return value ? static_cast<double>(*value) : -std::numeric_limits<double>::infinity();
}

}  // namespace

std::vector<WorkoutRow> workouts_table(const std::vector<std::string>& dates, const RecordStore& store)
{
    std::vector<WorkoutRow> rows;
    rows.reserve(dates.size());
    for (int r = 0; r < static_cast<int>(dates.size()); ++r) {
        const RecordTotals& record = store.record(r);
        const WorkoutStatistics s = workout_statistics(store, r);
        rows.push_back({dates[static_cast<std::size_t>(r)], record.rec_time, record.rec_distance,
                        RecordStore::imperial(record), record.rec_calories, s.average_speed, s.average_pulse,
                        s.max_pulse, record.rec_weight, record.rec_count});
    }
    return rows;
}

const std::array<const char*, kWorkoutColumns>& workout_headings()
{
    static const std::array<const char*, kWorkoutColumns> headings{
        TREVALO_NOOP("records", "Date"),      TREVALO_NOOP("records", "Duration"),
        TREVALO_NOOP("records", "Distance"),  TREVALO_NOOP("records", "Calories"),
        TREVALO_NOOP("records", "Avg speed"), TREVALO_NOOP("records", "Avg pulse"),
        TREVALO_NOOP("records", "Max pulse"), TREVALO_NOOP("records", "Weight"),
        TREVALO_NOOP("records", "Samples")};
    return headings;
}

std::string workout_cell(const WorkoutRow& row, int column)
{
    auto or_dash = [](const auto& value, auto text) { return value ? text(*value) : std::string(kDash); };
    switch (column) {
    case 0: return row.date;
    case 1: return clock_text(row.duration_s);
    case 2: return distance_text(row.distance) + (row.imperial ? " mi" : " km");
    case 3: return std::to_string(row.calories) + " kcal";
    case 4:
        return or_dash(row.average_speed, [&](double v) { return one_decimal(v) + (row.imperial ? " mph" : " km/h"); });
    case 5: return or_dash(row.average_pulse, [](int v) { return std::to_string(v); });
    case 6: return or_dash(row.max_pulse, [](int v) { return std::to_string(v); });
    case 7: return std::to_string(row.weight) + (row.imperial ? " lb" : " kg");
    default: return std::to_string(row.samples);
    }
}

double workout_sort_key(const WorkoutRow& row, int column)
{
    switch (column) {
    case 1: return row.duration_s;
    case 2: return row.distance;
    case 3: return row.calories;
    case 4: return key(row.average_speed);
    case 5: return key(row.average_pulse);
    case 6: return key(row.max_pulse);
    case 7: return row.weight;
    case 8: return row.samples;
    default: return 0;  // the date sorts as text
    }
}

WorkoutTotals workouts_totals(const std::vector<WorkoutRow>& rows)
{
    WorkoutTotals t;
    for (const WorkoutRow& row : rows) {
        ++t.workouts;
        t.time_s += row.duration_s;
        (row.imperial ? t.miles : t.kilometres) += row.distance;
        t.calories += row.calories;
    }
    return t;
}

std::string totals_text(const WorkoutTotals& t)
{
    std::string distance;
    if (t.miles > 0 || t.kilometres == 0)
        distance = one_decimal(t.miles) + " mi";
    if (t.kilometres > 0) {
        const std::string km = one_decimal(t.kilometres) + " km";
        distance = distance.empty() ? km : filled(translated("records", "%1 and %2"), distance, km);
    }
    return filled(t.workouts == 1 ? translated("records", "%1 workout, %2, %3, %4 kcal")
                                  : translated("records", "%1 workouts, %2, %3, %4 kcal"),
                  t.workouts, clock_text(t.time_s), distance, t.calories);
}

}  // namespace trevalo::records
