// ZWO files read and made plans: each segment kind, distances, the
// threshold pace, inclines, and what is refused with where.

#include "plans/zwo_plan.h"
#include "plans/zwo_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

using namespace trevalo;

namespace {

const std::string kRun = "<sportType>run</sportType>";

// The segments start on line 4, column 9.
std::string zwo(const std::string& segments, const std::string& header = kRun)
{
    return "<workout_file>\n<name>Test</name>\n" + header + "\n<workout>" + segments + "</workout>\n</workout_file>\n";
}

struct Expected {
    std::string name;
    double amount;
    std::optional<double> kmh;
    std::optional<double> end_kmh = std::nullopt;
    double incline = 0;
};

std::optional<double> kmh(std::optional<double> mps) { return mps ? std::optional(*mps * 3.6) : std::nullopt; }

// Whole tenths of a km/h: float noise never differs, a wrong speed does.
std::optional<long> tenths(std::optional<double> kmh)
{
    return kmh ? std::optional(std::lround(*kmh * 10)) : std::nullopt;
}

void expect_steps(const plans::Plan& plan, const std::vector<Expected>& expected)
{
    ASSERT_EQ(plan.steps.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const plans::Step& got = plan.steps[i];
        EXPECT_EQ(got.name, expected[i].name);
        EXPECT_DOUBLE_EQ(got.amount, expected[i].amount) << got.name;
        EXPECT_EQ(tenths(kmh(got.speed_mps)), tenths(expected[i].kmh)) << got.name;
        EXPECT_EQ(tenths(kmh(got.end_speed_mps)), tenths(expected[i].end_kmh)) << got.name;
        EXPECT_DOUBLE_EQ(got.incline_pct, expected[i].incline) << got.name;
    }
}

// With a threshold of 300 s/km, a share of 1 is 12 km/h.
TEST(ZwoReader, SegmentKinds)
{
    const struct {
        std::string segments;
        std::vector<Expected> steps;
    } table[] = {
        {R"(<SteadyState Duration="60" Power="1"/>)", {{"SteadyState 1", 60, 12}}},
        {R"(<SteadyState Duration="60" PowerLow="0.5" PowerHigh="1.5"/>)", {{"SteadyState 1", 60, 12}}},
        {R"(<Warmup Duration="300" PowerLow="0.5" PowerHigh="1"/>)", {{"Warmup 1", 300, 6, 12}}},
        {R"(<Cooldown Duration="300" PowerLow="1" PowerHigh="0.5"/>)", {{"Cooldown 1", 300, 12, 6}}},
        {R"(<FreeRide Duration="20"/><Ramp Duration="90" PowerLow="0.75" PowerHigh="1.25"/>)",
         {{"FreeRide 1", 20, std::nullopt}, {"Ramp 2", 90, 9, 15}}},
        {R"(<IntervalsT Repeat="2" OnDuration="30" OffDuration="60" OnPower="1.25" OffPower="0.5"/>)",
         {{"IntervalsT 1 on", 30, 15}, {"IntervalsT 1 off", 60, 6}, {"IntervalsT 1 on", 30, 15},
          {"IntervalsT 1 off", 60, 6}}},
        {R"(<IntervalsT OnDuration="30" OffDuration="60" PowerOnLow="1" PowerOnHigh="1.5" PowerOffLow="0.5" )"
         R"(PowerOffHigh="0.5"/>)",
         {{"IntervalsT 1 on", 30, 15}, {"IntervalsT 1 off", 60, 6}}},
        {R"(<SteadyState Duration="60" Power="1" Incline="0.03"><textevent message="Up"/></SteadyState>)",
         {{"SteadyState 1", 60, 12, std::nullopt, 3}}},
        {R"(<MaxEffort Duration="20"/><steadystate duration="45" power="0.5" incline="-0.01"/>)",
         {{"SteadyState 1", 45, 6, std::nullopt, -1}}},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.segments);
        const Result<plans::ZwoWorkout> read = plans::read_zwo(zwo(row.segments));
        ASSERT_TRUE(read.ok()) << read.error();
        expect_steps(plans::zwo_plan(*read, 300), row.steps);
    }
}

TEST(ZwoReader, DistancesThresholdsAndSkippedElements)
{
    const Result<plans::ZwoWorkout> given = plans::read_zwo(zwo(
        R"(<SteadyState Duration="1000" Power="1"/>)",
        kRun + "<durationType>distance</durationType><thresholdSecPerKm>240</thresholdSecPerKm>"));
    ASSERT_TRUE(given.ok()) << given.error();
    EXPECT_EQ(given->threshold_s_per_km, 240);
    EXPECT_EQ(given->sport_type, "run");
    const plans::Plan plan = plans::zwo_plan(*given, *given->threshold_s_per_km);
    expect_steps(plan, {{"SteadyState 1", 1000, 15}});
    EXPECT_EQ(plan.steps.at(0).length, plans::Step::Length::Distance);

    const Result<plans::ZwoWorkout> not_given =
        plans::read_zwo(zwo(R"(<MaxEffort Duration="20"/><SteadyState Duration="60" Power="1"/>)"));
    ASSERT_TRUE(not_given.ok()) << not_given.error();
    EXPECT_FALSE(not_given->threshold_s_per_km);
    const plans::Plan asked = plans::zwo_plan(*not_given, 360);
    expect_steps(asked, {{"SteadyState 1", 60, 10}});
    EXPECT_EQ(asked.steps.at(0).length, plans::Step::Length::Time);
    ASSERT_EQ(asked.notes.size(), 1u);
    EXPECT_EQ(asked.notes[0], "Left out, as this tool does not know what they ask of a run: MaxEffort (line 4).");
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
        {"<workout_file><name>x</workout_file>",
         "Not a ZWO workout: the XML is broken at line 1, column 36: Opening and ending tag mismatch."},
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
        const Result<plans::ZwoWorkout> read = plans::read_zwo(row.file);
        ASSERT_FALSE(read.ok()) << row.error;
        EXPECT_EQ(read.error(), row.error);
    }
}

}  // namespace
