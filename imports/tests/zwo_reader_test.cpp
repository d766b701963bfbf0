// ZWO files read and made plans: the segment kinds the worked run in
// zwo_import_test.cpp leaves out, an unset threshold pace, and what is
// refused with where.

#include "imports/zwo_plan.h"
#include "imports/zwo_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

using namespace trevalo;

namespace {

const std::string kRun = "<sportType>run</sportType>";

// The segments start on line 4, column 9.
std::string zwo(const std::string& segments, const std::string& header = kRun)
{
    return "<workout_file>\n<name>Test</name>\n" + header + "\n<workout>" + segments + "</workout>\n</workout_file>\n";
}

// Name, seconds, speed and end speed in whole tenths of a km/h (float noise
// never differs, a wrong speed does), incline in percent.
using Steps = std::vector<std::tuple<std::string, double, std::optional<long>, std::optional<long>, double>>;

std::optional<long> tenths(std::optional<double> v) { return v ? std::optional(std::lround(*v * 36)) : std::nullopt; }

// Without a threshold pace in the file, the runner's 300 s/km makes a share
// of 1 run at 12 km/h.
TEST(ZwoReader, SegmentsAndThresholds)
{
    const struct {
        std::string header;
        std::string segments;
        Steps steps;
        std::vector<std::string> notes;
    } table[] = {
        {kRun,
         R"(<SteadyState Duration="60" Power="1"/><SteadyState Duration="60" PowerLow="0.5" PowerHigh="1.5"/>)"
         R"(<FreeRide Duration="20"/><Ramp Duration="90" PowerLow="0.75" PowerHigh="1.25"/><MaxEffort Duration="20"/>)"
         R"(<IntervalsT OnDuration="30" OffDuration="60" PowerOnLow="1" PowerOnHigh="1.5" PowerOffLow="0.5" )"
         R"(PowerOffHigh="0.5"/><steadystate duration="45" power="0.5" incline="-0.01"/>)",
         {{"SteadyState 1", 60, 120, {}, 0}, {"SteadyState 2", 60, 120, {}, 0}, {"FreeRide 3", 20, {}, {}, 0},
          {"Ramp 4", 90, 90, 150, 0}, {"IntervalsT 5 on", 30, 150, {}, 0}, {"IntervalsT 5 off", 60, 60, {}, 0},
          {"SteadyState 6", 45, 60, {}, -1}},
         {"Left out, as this tool does not know what they ask of a run: MaxEffort (line 4)."}},
        {kRun + "<thresholdSecPerKm>0</thresholdSecPerKm>", R"(<SteadyState Duration="60" Power="1"/>)",
         {{"SteadyState 1", 60, 120, {}, 0}}, {}},
        // A hill session as treadmill tools write it: slopes in percent, no
        // power; every step at the runner's pace, here the 300 s/km given.
        {kRun,
         R"(<Warmup Duration="300" Slope="1"/><IntervalsT Repeat="2" OnDuration="60" OffDuration="90" OnSlope="6" )"
         R"(OffSlope="1.5"/><SteadyState Duration="120" Slope="3"/><FreeRide Duration="30"/>)",
         {{"Warmup 1", 300, 120, {}, 1}, {"IntervalsT 2 on", 60, 120, {}, 6}, {"IntervalsT 2 off", 90, 120, {}, 1.5},
          {"IntervalsT 2 on", 60, 120, {}, 6}, {"IntervalsT 2 off", 90, 120, {}, 1.5},
          {"SteadyState 3", 120, 120, {}, 3}, {"FreeRide 4", 30, 120, {}, 0}},
         {"A hill session: every step runs at the steady pace you gave, at the file's slopes."}},
        // Where a power is given, the slope is only the incline: no hill
        // session, and a step with a slope alone has no speed of its own.
        {kRun, R"(<SteadyState Duration="60" Power="1" Slope="4" Incline="0.02"/><SteadyState Duration="60" Slope="2"/>)",
         {{"SteadyState 1", 60, 120, {}, 4}, {"SteadyState 2", 60, {}, {}, 2}}, {}},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.header);
        const Result<imports::ZwoWorkout> read = imports::read_zwo(zwo(row.segments, row.header));
        ASSERT_TRUE(read.ok()) << read.error();
        const plans::Plan plan = imports::zwo_plan(*read, read->threshold_s_per_km.value_or(300));
        EXPECT_EQ(plan.notes, row.notes);
        Steps got;
        for (const plans::Step& s : plan.steps) {
            EXPECT_EQ(s.length, plans::Step::Length::Time) << s.name;
            got.emplace_back(s.name, s.amount, tenths(s.speed_mps), tenths(s.end_speed_mps), s.incline_pct);
        }
        EXPECT_EQ(got, row.steps);
    }
}

// Columns count to the end of the element's start tag.
TEST(ZwoReader, Refusals)
{
    const std::string intervals = R"(OnDuration="1" OffDuration="1" OnPower="1" OffPower="1"/>)";
    std::string past_steps;
    for (int i = 0; i < 6; ++i)
        past_steps += R"(<IntervalsT Repeat="1000" )" + intervals;
    const struct {
        std::string file;
        std::string error;
    } table[] = {
        {"not a workout", "Not a ZWO workout: the XML is broken at line 1, column 1: Start tag expected."},
        {"<html/>", "Not a ZWO workout: the file starts with <html> at line 1, column 7, not with <workout_file>."},
        {"<workout_file>" + kRun + "</workout_file>", "The file holds no <workout>, so there are no steps to run."},
        {zwo("<FreeRide Duration=\"60\"/>", "<sportType>bike</sportType>"),
         "This is a cycling workout (sport type \"bike\" at line 3, column 11): its targets are power, not speed."},
        {zwo("<FreeRide Duration=\"60\"/>", ""), "The workout names no sport type, which Zwift reads as a cycling "
                                                "workout: its targets are power, not speed."},
        {zwo(R"(<textevent message="Go"/>)"), "The <workout> at line 4, column 9 holds no segments to run."},
        {zwo(R"(<SteadyState Duration="abc" Power="1"/>)"),
         "SteadyState at line 4, column 48: Duration \"abc\" is not a number."},
        {zwo(R"(<SteadyState Duration="-5" Power="1"/>)"),
         "SteadyState at line 4, column 47: Duration -5 is not between 0 and 86400 s."},
        {zwo(R"(<SteadyState Duration="60" Slope="150"/>)"),
         "SteadyState at line 4, column 49: Slope 150 is not between -100 and 100 %."},
        {zwo(R"(<IntervalsT OnDuration="60" OffDuration="60" OnPower="1"/>)"),
         "IntervalsT at line 4, column 67: OffPower (or PowerOffLow and PowerOffHigh) is missing."},
        {zwo(R"(<Ramp Duration="60" PowerLow="1"/>)"),
         "Ramp at line 4, column 43: PowerLow and PowerHigh (or Power) are missing."},
        {zwo(R"(<IntervalsT Repeat="2.5" )" + intervals),
         "IntervalsT at line 4, column 91: Repeat 2.5 is not a whole number."},
        {zwo(R"(<IntervalsT Repeat="5000" )" + intervals),
         "IntervalsT at line 4, column 92: Repeat 5000 is not between 1 and 1000."},
        {zwo(R"(<IntervalsT Repeat="2" OffDuration="1" OnPower="1" OffPower="1"/>)"),
         "IntervalsT at line 4, column 74: OnDuration is missing."},
        {zwo(R"(<IntervalsT Repeat="1000" OnDuration="60" OffDuration="30" OnPower="1" OffPower="1"/>)"),
         "IntervalsT at line 4, column 94: the workout runs past 24 hours here."},
        {zwo(past_steps), "IntervalsT at line 4, column 507: the workout grows past 10000 steps here."},
        {zwo("<FreeRide Duration=\"60\"/>", kRun + "<thresholdSecPerKm>fast</thresholdSecPerKm>"),
         "<thresholdSecPerKm> at line 3, column 45: \"fast\" is not a pace in seconds per kilometre from 60 to "
         "3600."},
    };
    for (const auto& row : table) {
        const Result<imports::ZwoWorkout> read = imports::read_zwo(row.file);
        ASSERT_FALSE(read.ok()) << row.error;
        EXPECT_EQ(read.error(), row.error);
    }
}

}  // namespace
