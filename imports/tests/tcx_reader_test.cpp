// TCX activities read: Garmin Connect's shape worked out by hand, this
// tool's own EXPORT read back, the timeline's rules, refusals with where.

#include "exports/export_formats.h"
#include "imports/tcx_reader.h"
#include "imports/workout_import.h"
#include "records/record_program.h"
#include "records/tests/record_file_builder.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace trevalo::imports {
namespace {

using enum program::Model;
using enum program::Unit;
using enum program::Mode;

std::string laps(const std::string& laps, const std::string& sport = "Running")
{
    return "<?xml version=\"1.0\"?>\n<TrainingCenterDatabase xmlns=\"http://www.garmin.com/xmlschemas/"
           "TrainingCenterDatabase/v2\" xmlns:ns3=\"http://www.garmin.com/xmlschemas/ActivityExtension/v2\">\n"
           "<Activities>\n<Activity Sport=\"" + sport + "\">\n" + laps + "</Activity>\n</Activities>\n"
           "</TrainingCenterDatabase>\n";
}

// The activity starts on line 4, column 26 (columns count to the end of a
// start tag); trackpoints from line 7, one a line.
std::string tcx(const std::string& trackpoints, const std::string& sport = "Running")
{
    return laps("<Lap StartTime=\"2026-03-01T06:30:00Z\">\n<Track>\n" + trackpoints + "</Track>\n</Lap>\n", sport);
}

// A time without a date is in 2026-03-01, hour 06.
std::string tp(std::string time, const std::string& speed = "", const std::string& distance = "",
               const std::string& altitude = "")
{
    const auto element = [](const std::string& name, const std::string& value) {
        return value.empty() ? value : "<" + name + ">" + value + "</" + name + ">";
    };
    return "<Trackpoint>" + element("Time", (time.find('T') == std::string::npos ? "2026-03-01T06:" : "") + time) +
           element("AltitudeMeters", altitude) + element("DistanceMeters", distance) +
           element("Extensions", element("ns3:TPX", element("ns3:Speed", speed))) + "</Trackpoint>\n";
}

// As Garmin Connect writes a run: positions, pulses and lap totals, no
// speed, a lap's last point written again as the next lap's first. By hand
// (1 mph = 0.44704 m/s): 0-270 s: 675 m in 270 s = 2.5 m/s, flat;
// 270-600 s: 990 m in 330 s = 3.0 m/s, 19.8 m up = 2 %; 600-1200 s: 1440 m
// in 600 s = 2.4 m/s, flat. The QM-20's 20 segments of 60 s: 1-4 at
// 5.59 mph, so 5.5; 5 half and half, 2.75 m/s = 6.15 mph, so 6.0 at 1 %;
// 6-10 at 6.71 mph, so 6.5 at 2 %; 11-20 at 5.37 mph, so 5.5. 20 minutes.
TEST(TcxReader, AGarminConnectRunMadeIntoAProgram)
{
    const std::string lap = "<Lap StartTime=\"2026-03-01T06:30:00.000Z\"><TotalTimeSeconds>600.0</TotalTimeSeconds>"
                            "<DistanceMeters>1665.0</DistanceMeters><Calories>140</Calories><Track>\n";
    const std::string end = "</Track><Extensions><ns3:LX><ns3:AvgSpeed>2.8</ns3:AvgSpeed></ns3:LX></Extensions>"
                            "</Lap>\n";
    const std::string pulse = "<Trackpoint><Time>2026-03-01T06:32:15.000Z</Time><Position><LatitudeDegrees>48.1"
                              "</LatitudeDegrees><LongitudeDegrees>11.5</LongitudeDegrees></Position><HeartRateBpm>"
                              "<Value>131</Value></HeartRateBpm></Trackpoint>\n";
    const Result<ActivityReadings> read = read_tcx_activity(
        laps("<Id>2026-03-01T06:30:00.000Z</Id>\n" + lap + tp("30:00.000Z", "", "0.0", "50.0") + pulse +
             tp("34:30.000Z", "", "675.0", "50.0") + tp("40:00.000Z", "", "1665.0", "69.8") + end + lap +
             tp("40:00.000Z", "", "1665.0", "69.8") + tp("50:00.000Z", "", "3105.0", "69.8") + end));
    ASSERT_TRUE(read) << read.error();
    const auto made = program::resample(read->readings, read->total_s, {QM20, MPH, General}, 150);
    ASSERT_TRUE(made) << made.error();
    const std::array<std::uint8_t, program::kSegments> speed{55, 55, 55, 55, 60, 65, 65, 65, 65, 65,
                                                             55, 55, 55, 55, 55, 55, 55, 55, 55, 55};
    const std::array<std::uint8_t, program::kSegments> incline{0, 0, 0, 0, 1, 2, 2, 2, 2, 2};
    EXPECT_EQ(made->program, (program::Program{{QM20, MPH, General}, speed, incline, 20, 150}));
}

// A workout of the record file, exported as TCX and read back, is the
// program Make Program makes of it, but flat: TCX carries no incline.
TEST(TcxReader, AnExportedWorkoutReadsBackAsMakeProgramMakesIt)
{
    const struct { std::string file; program::Settings settings; int weight; } rows[] = {
        {records::testing::twenty_minutes(false, "150", "LBS"), {QM20, MPH, General}, 150},
        {records::testing::twenty_minutes(true, " 70", " KG"), {QM5, KPH, General}, 70},
        {records::testing::twenty_minutes(true, "150", "LBS"), {R300, MPH, General}, 150},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(program::model_name(row.settings.model));
        const records::testing::Loaded l = records::testing::load(row.file);
        ASSERT_TRUE(l.outcome) << l.outcome.error();
        const auto made = records::record_program(*l.store, 0, row.settings);
        ASSERT_TRUE(made) << made.error();
        // Through the rows the dialogs use: Export…'s TCX row, then IMPORT's.
        const auto formats = exports::workout_formats();
        const std::string tcx =
            exports::format_for_name(formats, "run.tcx", formats.front()).write(*l.store, 0, 1772346600);
        const Result<WorkoutFile> read = read_workout_file(tcx, "run.tcx");
        ASSERT_TRUE(read) << read.error();
        const auto back = workout_program(*read, row.settings, row.weight);
        ASSERT_TRUE(back) << back.error();
        program::Program flat = made->program;
        flat.incline = {};
        EXPECT_EQ(back->program, flat);
    }
}

// Readings as (start, speed, incline), to the microsecond.
using Readings = std::vector<std::array<double, 3>>;

TEST(TcxReader, TheTimeline)
{
    // Any prefix of the extension's namespace, and no zone, read as UTC.
    const std::string other_prefix = "<Trackpoint><Time>2026-03-01T06:30:02</Time><Extensions><x:TPX xmlns:x=\"http"
                                     "://www.garmin.com/xmlschemas/ActivityExtension/v2\"><x:Speed>4</x:Speed>"
                                     "</x:TPX></Extensions></Trackpoint>\n";
    const struct { const char* what; std::string trackpoints; Readings readings; double total_s; } rows[] = {
        {"offsets and Z name the same instants; fractions count",
         tp("30:00Z", "1") + tp("2026-03-01T07:30:00.25+01:00", "2") + tp("2026-03-01T01:30:01.5-05:00", "3") +
             other_prefix,
         {{0, 1, 0}, {0.25, 2, 0}, {1.5, 3, 0}, {2, 4, 0}}, 2},
        {"a point before the last is passed over, one at the same instant replaces it",
         tp("30:00Z", "1") + tp("30:10Z", "2", "25") + tp("30:05Z", "9") + tp("30:10Z", "3") + tp("30:20Z", "", "45") +
             "<Trackpoint><DistanceMeters>99</DistanceMeters></Trackpoint>\n",
         {{0, 1, 0}, {10, 3, 0}, {20, 3, 0}}, 20},
        {"distance over time where no point has a speed; a fall is no speed",
         tp("30:00Z") + tp("30:10Z", "", "0") + tp("30:20Z", "", "50") + tp("30:30Z") + tp("30:40Z", "", "80") +
             tp("30:50Z", "", "70") + tp("31:00Z", "", "100") + tp("31:10Z"),
         {{0, 5, 0}, {10, 5, 0}, {20, 1.5, 0}, {30, 1.5, 0}, {40, 0, 0}, {50, 3, 0}, {60, 3, 0}, {70, 3, 0}}, 70},
        {"climb over distance where both grew",
         tp("30:00Z", "3", "0", "10") + tp("30:10Z", "3", "30", "10.6") + tp("30:20Z", "3", "30", "11") +
             tp("30:25Z", "3") + tp("30:30Z", "3", "60", "10.4"),
         {{0, 3, 2}, {10, 3, 0}, {20, 3, -2}, {25, 3, -2}, {30, 3, 0}}, 30},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const Result<ActivityReadings> read = read_tcx_activity(tcx(row.trackpoints, "Other"));
        ASSERT_TRUE(read) << read.error();
        Readings got;
        for (const program::Reading& r : read->readings)
            got.push_back({std::round(r.start_s * 1e6) / 1e6, std::round(r.speed_mps * 1e6) / 1e6,
                           std::round(r.incline_pct * 1e6) / 1e6});
        EXPECT_EQ(got, row.readings);
        EXPECT_EQ(read->total_s, row.total_s);
    }
}

TEST(TcxReader, Refusals)
{
    const std::string two = tp("30:00Z", "1") + tp("30:01Z", "1");
    std::string too_many;
    for (int i = 0; i <= kTcxMostTrackpoints; ++i)
        too_many += "<Trackpoint/>";
    const struct { std::string file, error; } rows[] = {
        {tcx(two).substr(0, 400), "Not a TCX activity: the XML is broken at line 8, column 6: Premature end of "
                                  "document."},
        {"<gpx/>", "Not a TCX activity: the file starts with <gpx> at line 1, column 6, not with "
                   "<TrainingCenterDatabase>."},
        {"<TrainingCenterDatabase><Courses/></TrainingCenterDatabase>",
         "The TCX file holds no <Activity>, so there is no workout to read."},
        {tcx(two, "Biking"), "This is a ride, not a run. The activity at line 4, column 25 has the sport \"Biking\"."},
        {tcx(tp("30:00Z", "1") + tp("30:00Z", "2")),
         "The activity at line 4, column 26 has no trackpoints at two different times, so the workout has no length."},
        {tcx(tp("30:00Z") + tp("30:01Z", "", "5")),
         "The activity at line 4, column 26 holds no speed or distance to run at: none of its trackpoints has a "
         "speed, and fewer than two have a distance."},
        {tcx(tp("30:00Z") + tp("2026-02-29T06:30:01Z")),
         "<Time> at line 8, column 18: \"2026-02-29T06:30:01Z\" is not a date and time such as 2026-03-01T06:30:00Z."},
        {tcx(two + tp("2026-03-02T06:30:01Z", "1")),
         "<Time> at line 9, column 18: the activity runs past 24 hours here."},
        {tcx(too_many), "<Trackpoint> at line 7, column 2600013: the activity grows past 200000 trackpoints here."},
    };
    for (const auto& row : rows) {
        const Result<ActivityReadings> read = read_tcx_activity(row.file);
        ASSERT_FALSE(read.ok()) << row.error;
        EXPECT_EQ(read.error(), row.error);
    }
}

}  // namespace
}  // namespace trevalo::imports
