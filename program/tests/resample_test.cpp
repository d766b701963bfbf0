#include "program/resample.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trevalo::program {
namespace {

using enum Model;
using enum Unit;
using enum Mode;

constexpr double kMph = kMetresPerMile / 3600;  // m/s in one mile an hour
constexpr double kKph = 1000.0 / 3600;

struct Expected {
    std::vector<int> speed;    // tenths, segments shown
    std::vector<int> incline;  // percent
    int minutes, weight;
    std::string beyond;  // what was reported, in order: one letter a value (Speed, Incline, Time, Weight)
};

std::vector<int> per_segment(const Program& p, const std::array<std::uint8_t, kSegments>& values)
{
    return {values.begin(), values.begin() + segments_shown(p.settings.model)};
}

std::vector<int> repeat(int count, int value) { return std::vector<int>(static_cast<std::size_t>(count), value); }

std::vector<int> joined(std::initializer_list<std::vector<int>> parts)
{
    std::vector<int> all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

// Readings at whole minutes: reading k holds minute k.
std::vector<Reading> per_minute(const std::vector<double>& mph, const std::vector<double>& incline)
{
    std::vector<Reading> r;
    for (std::size_t k = 0; k < mph.size(); ++k)
        r.push_back({60.0 * static_cast<double>(k), mph[k] * kMph, incline[k]});
    return r;
}

TEST(Resample, TimeWeightedMeansThenTheNearestOfferedValues)
{
    std::vector<double> climbing_mph, climbing_incline;
    for (int k = 0; k < 21; ++k) {
        climbing_mph.push_back(3 + 0.5 * (k % 20));
        climbing_incline.push_back(k % 16);
    }
    const struct {
        const char* what;
        Settings settings;
        std::vector<Reading> readings;
        double total_s, weight;
        Expected expected;
    } rows[] = {
        {"aligned: a 20-minute workout changing at whole minutes gives its minutes",
         {QM20, MPH, General}, per_minute(climbing_mph, climbing_incline), 1200, 154,
         {{30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 85, 90, 95, 100, 105, 110, 115, 120, 125},
          {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0, 1, 2, 3}, 20, 154, ""}},
        {"unaligned: a change at 1:30 splits segment 2 evenly",
         {QM20, MPH, General}, {{0, 6 * kMph, 2}, {90, 8 * kMph, 4}}, 1200, 154,
         {joined({{60, 70}, repeat(18, 80)}), joined({{2, 3}, repeat(18, 4)}), 20, 154, ""}},
        {"before the first reading the first holds; one reading holds to the end",
         {QM5, KPH, General}, {{300, 10 * kKph, 1}}, 1800, 70, {repeat(20, 100), repeat(20, 1), 30, 70, ""}},
        {"a record in KPH on an MPH tab: 10 km/h is 6.21 mph, 6 offered",
         {QM20, MPH, General}, {{0, 10 * kKph, 0}}, 1800, 70 / kKilogramsPerPound,
         {repeat(20, 60), repeat(20, 0), 30, 154, ""}},
        {"an exact tie goes to the lower: 6.25 mph, 30.5 minutes, 154.5 pounds",
         {QM20, MPH, General}, {{0, 6.25 * kMph, 0.5}}, 30.5 * 60, 154.5,
         {repeat(20, 60), repeat(20, 0), 30, 154, ""}},
        {"beyond both ends: 16 mph and 0 mph on a QM-20, a 19.4-minute workout",
         {QM20, MPH, General}, {{0, 16 * kMph, 0}, {19.4 * 30, 0, 0}}, 19.4 * 60, 500,
         {joined({repeat(10, 150), repeat(10, 2)}), repeat(20, 0), 20, 450,
          std::string(20, 'S') + "TW"}},
        {"rounding just inside an end is no clamp: 0.1 mph, 19.6 minutes, 69.6 pounds",
         {QM20, MPH, General}, {{0, 0.1 * kMph, 0}}, 19.6 * 60, 69.6, {repeat(20, 2), repeat(20, 0), 20, 70, ""}},
        {"Silver offers inclines up to 6: 8 % is set to 6; 6.4 % rounds",
         {QM5, MPH, Silver}, {{0, 3 * kMph, 8}, {900, 3 * kMph, 6.4}}, 1800, 154,
         {repeat(20, 30), joined({repeat(10, 6), repeat(10, 6)}), 30, 154,
          std::string(10, 'I')}},
        {"R300: 16 segments of one minute each, the hidden four at their defaults",
         {R300, KPH, General}, per_minute(climbing_mph, climbing_incline), 960, 70,
         {{50, 55, 65, 70, 80, 90, 95, 105, 115, 120, 130, 135, 145, 155, 160, 170},
          {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 16, 70, ""}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const auto r = resample(row.readings, row.total_s, row.settings, row.weight);
        ASSERT_TRUE(r) << r.error();
        const Program& p = r->program;
        EXPECT_EQ(per_segment(p, p.speed), row.expected.speed);
        EXPECT_EQ(per_segment(p, p.incline), row.expected.incline);
        EXPECT_EQ(p.minutes, row.expected.minutes);
        EXPECT_EQ(p.weight, row.expected.weight);
        EXPECT_TRUE(is_offered(p));
        const Program defaults = default_program(row.settings);
        for (int i = segments_shown(row.settings.model); i < kSegments; ++i)
            EXPECT_EQ(p.speed[static_cast<std::size_t>(i)], defaults.speed[static_cast<std::size_t>(i)]);
        std::string reported;
        for (const Beyond& b : r->beyond)
            reported += "SITW"[static_cast<int>(b.what)];
        EXPECT_EQ(reported, row.expected.beyond);
    }
}

TEST(Resample, RefusesAWorkoutWithoutReadingsOrLength)
{
    const Reading one{0, 3, 0};
    EXPECT_FALSE(resample({}, 60, {}, 154));
    for (double total : {0.0, -5.0, std::nan("")})
        EXPECT_FALSE(resample({&one, 1}, total, {}, 154)) << total;
}

TEST(Resample, DescribesWhatWasBeyondOncePerKindAndEnd)
{
    const std::vector<Beyond> beyond{
        {Beyond::What::Speed, 2, 16.2, 150}, {Beyond::What::Speed, 3, 17.4, 150},
        {Beyond::What::Speed, 6, 0, 2},      {Beyond::What::Incline, 0, 8, 6},
        {Beyond::What::Time, -1, 12.5, 20},  {Beyond::What::Weight, -1, 500, 450},
    };
    const std::vector<std::string> expected{
        "Segment 7: set to 0.2 MPH, the lowest speed the QM-20 offers in General mode (the workout ran down to 0 MPH).",
        "Segments 3 and 4: set to 15 MPH, the highest speed the QM-20 offers in General mode (the workout ran up to "
        "17.4 MPH).",
        "Segment 1: set to 6 %, the highest incline the QM-20 offers in General mode (the workout climbed up to 8 %).",
        "The workout lasts 12.5 minutes: the time is set to 20, the shortest the QM-20 offers in General mode.",
        "The weight of 500 LBS is set to 450 LBS, the highest the QM-20 offers.",
    };
    EXPECT_EQ(describe(beyond, {QM20, MPH, General}), expected);
}

}  // namespace
}  // namespace trevalo::program
