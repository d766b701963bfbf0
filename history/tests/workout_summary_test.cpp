#include "history/calendar.h"
#include "history/workout_summary.h"
#include "records/tests/record_file_builder.h"

#include <cmath>

#include <gtest/gtest.h>

namespace trevalo::history {
namespace {

using records::testing::RecordFile;

// A workout of one sample a minute, at the distances given, counting up or down.
std::string workout(const std::vector<double>& distances, const char* unit, bool down)
{
    RecordFile file;
    file.header().weight("150", unit);
    const int last = static_cast<int>(distances.size()) - 1;
    for (int k = 0; k <= last; ++k) {
        char minute[16], distance[16];
        std::snprintf(minute, sizeof minute, "%02d", down ? last - k : k);
        std::snprintf(distance, sizeof distance, "%4.2f", down ? distances[static_cast<std::size_t>(last)] -
                                                                     distances[static_cast<std::size_t>(k)]
                                                               : distances[static_cast<std::size_t>(k)]);
        file.sample({minute, "00", "000", "120", "00", distance, " 6.0"});
    }
    return file.text();
}

std::vector<double> steady(double per_minute, int minutes)
{
    std::vector<double> d;
    for (int k = 0; k <= minutes; ++k)
        d.push_back(per_minute * k);
    return d;
}

TEST(HistorySummary, FastestStretchesOfEachDistance)
{
    using Fastest = std::array<std::optional<double>, kBestDistances>;
    const struct {
        const char* name;
        std::vector<double> distances;  // a minute apart
        const char* unit;
        bool down;
        Fastest fastest;  // 1 km, 1 mile, 5 km, 10 km, half marathon
    } rows[] = {
        {"steady 6 MPH", steady(0.1, 40), "LBS", false, {373, 600, 1864, {}, {}}},
        {"steady 6 MPH counting down", steady(0.1, 40), "LBS", true, {373, 600, 1864, {}, {}}},
        {"steady 12 km/h", steady(0.2, 49), " KG", false, {300, 483, 1500, {}, {}}},
        // Stretches that start or end between two samples.
        {"a fast start", {0, 1.5, 2.0}, " KG", false, {40, 60 + 0.109344 / 0.5 * 60, {}, {}, {}}},
        {"a fast middle", {0, 0.5, 2.0, 2.2}, " KG", false, {40, 120 - 0.390656 / 0.5 * 60, {}, {}, {}}},
        // From the end of the stop, not its start.
        {"standing still in between", {0, 0.5, 0.5, 1.0, 1.5}, " KG", false, {120, {}, {}, {}, {}}},
    };
    for (const auto& row : rows) {
        const auto loaded = records::testing::load(workout(row.distances, row.unit, row.down));
        ASSERT_TRUE(loaded.outcome.ok()) << row.name << ": " << loaded.outcome.error();
        const WorkoutSummary s = summarise(*loaded.store, 0);
        for (std::size_t b = 0; b < kBestDistances; ++b) {
            if (row.fastest[b])
                EXPECT_EQ(s.fastest[b], std::nearbyint(*row.fastest[b])) << row.name << ", " << kBestDistanceNames[b];
            else
                EXPECT_EQ(s.fastest[b], std::nullopt) << row.name << ", " << kBestDistanceNames[b];
        }
        EXPECT_DOUBLE_EQ(s.distance, row.distances.back()) << row.name;
        EXPECT_DOUBLE_EQ(s.duration_s, 60.0 * (static_cast<double>(row.distances.size()) - 1)) << row.name;
    }
}

TEST(HistorySummary, IsoWeeksStartOnMondayInTheYearOfTheirThursday)
{
    const struct {
        records::LocalTime time;
        const char* week;
    } rows[] = {
        {{2026, 12, 6, 23, 59}, "2026-W49"},  // Sunday
        {{2026, 12, 7, 0, 0}, "2026-W50"},    // Monday
        {{2027, 1, 1, 12, 0}, "2026-W53"},    // a Friday, in the last week of 2026
        {{2024, 12, 30, 12, 0}, "2025-W01"},  // a Monday, in the first week of 2025
        {{2024, 2, 29, 12, 0}, "2024-W09"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(iso_week(row.time), row.week) << row.week;
}

}  // namespace
}  // namespace trevalo::history
