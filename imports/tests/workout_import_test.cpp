#include "imports/workout_import.h"

#include "exports/fit_workout_writer.h"
#include "program/tests/random_program.h"
#include "program_file/program_file.h"
#include "test_support/fit_files.h"
#include "test_support/garmin_sdk.h"

#include <gtest/gtest.h>

namespace trevalo::imports {
namespace {

// EXPORT then IMPORT under the same settings gives back the program, and
// SAVE the same 65 bytes: random programs under every model, unit and mode,
// the time and weight of the editor kept.
TEST(WorkoutImport, AnExportedWorkoutImportsBackByteForByte)
{
    std::mt19937 random(20261208);
    for (const program::Settings& s : program::kAllSettings)
        for (int round = 0; round < 10; ++round) {
            const program::Program p = program::testing::random_program(s, random);
            const std::string bytes = exports::write_fit_workout(p, "Hill repeats", {12345, 1'800'000'000});
            const auto file = read_workout_file(bytes, "QM20.fit");
            ASSERT_TRUE(file) << file.error();
            EXPECT_FALSE(needs_threshold_pace(*file));
            const auto back = workout_program(*file, s, p.weight);
            ASSERT_TRUE(back) << back.error();
            EXPECT_EQ(back->program, p);
            EXPECT_EQ(program_file::program_bytes(back->program), program_file::program_bytes(p));
            EXPECT_EQ(back->notes, std::vector<std::string>{});
        }
}

// The format is told by the bytes, whatever the name; a Zwift run at its
// threshold for 20 minutes runs at the file's own pace (5:00 a km: 12 km/h),
// else at the runner's (4:00: 15 km/h). A hill session (slopes, no power)
// runs at the runner's steady pace (4:00) even where the file has a
// threshold, at its slope.
TEST(WorkoutImport, TellsTheFormatAndWhosePaceAZwiftRunTakes)
{
    const auto zwo = [](const char* threshold, const char* segment = R"(<SteadyState Duration="1200" Power="1"/>)") {
        return std::string("<workout_file><sportType>run</sportType>") + threshold + "<workout>" + segment +
               "</workout></workout_file>";
    };
    const char* hill = R"(<SteadyState Duration="1200" Slope="5"/>)";
    const std::string fit = exports::write_fit_workout(program::default_program({}), "x", {1, 0});
    const struct {
        std::string bytes, name;
        bool threshold, steady;  // the pace the runner is asked
        int tenths;  // km/h, with the runner's pace 4:00
        int incline;
    } rows[] = {
        {zwo("<thresholdSecPerKm>300</thresholdSecPerKm>"), "a.zwo", false, false, 120, 0},
        {zwo(""), "a.xml", true, false, 150, 0},
        {zwo("<thresholdSecPerKm>300</thresholdSecPerKm>", hill), "hill.zwo", false, true, 150, 5},
        {fit, "workout.bin", false, false, 8, 0},  // a FIT file whatever its name: the R300's first speed
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto file = read_workout_file(row.bytes, row.name);
        ASSERT_TRUE(file) << file.error();
        EXPECT_EQ(needs_threshold_pace(*file), row.threshold);
        EXPECT_EQ(needs_steady_pace(*file), row.steady);
        const auto made = workout_program(*file, {program::Model::R300, program::Unit::KPH, program::Mode::General},
                                          70, 240);
        ASSERT_TRUE(made) << made.error();
        EXPECT_EQ(made->program.speed[0], row.tenths);
        EXPECT_EQ(made->program.incline[0], row.incline);
        EXPECT_EQ(made->program.weight, 70);
    }
}

// How an activity was read comes first in the message, then what the
// treadmill could not run: 30 m/s is beyond any treadmill.
TEST(WorkoutImport, AnActivitysNotesComeBeforeWhatTheTreadmillCannotRun)
{
    const auto file = read_workout_file(test_support::activity_file({{1000, 30'000}, {1050, 30'000}}), "fast.fit");
    ASSERT_TRUE(file) << file.error();
    const auto made = workout_program(*file, {program::Model::QM20, program::Unit::KPH, program::Mode::General}, 70);
    ASSERT_TRUE(made) << made.error();
    ASSERT_GE(made->notes.size(), 2u);
    EXPECT_EQ(made->notes[0], "The run lasted 0:50 by the watch's timer.");
    EXPECT_TRUE(made->notes[1].starts_with("Segments 1, 2")) << made->notes[1];
}

// A plan as Garmin Connect hands it out, encoded by Garmin's own SDK: a
// warm-up, four repeats of a fast 1200 m and 150 s of recovery, a
// cool-down. 50 minutes: on a QM-20 20 segments of 150 s, each step on
// segment bounds, so every segment is one step's speed, to the nearest
// half km/h (2.6 m/s is 9.36 km/h: 9.5; 4.0 m/s 14.4: 14.5; 2.0 m/s 7.2: 7;
// 2.5 m/s 9).
TEST(WorkoutImport, AGarminEncodedIntervalWorkoutBecomesItsSegments)
{
    if (const std::string why = test_support::why_no_sdk(); !why.empty())
        GTEST_SKIP() << why;
    const std::string json = R"({"name": "4x1200", "incline": true, "steps": [
        {"wktStepName": "Warm up", "durationType": "time", "durationValue": 600000, "targetType": "speed",
         "targetValue": 0, "customTargetValueLow": 2500, "customTargetValueHigh": 2700, "incline": 10},
        {"wktStepName": "Fast", "durationType": "distance", "durationValue": 120000, "targetType": "speed",
         "targetValue": 0, "customTargetValueLow": 3900, "customTargetValueHigh": 4100, "incline": 20},
        {"wktStepName": "Easy", "durationType": "time", "durationValue": 150000, "targetType": "speed",
         "targetValue": 0, "customTargetValueLow": 2000, "customTargetValueHigh": 2000},
        {"durationType": "repeatUntilStepsCmplt", "durationValue": 1, "targetValue": 4},
        {"wktStepName": "Cool down", "durationType": "time", "durationValue": 600000, "targetType": "speed",
         "targetValue": 0, "customTargetValueLow": 2400, "customTargetValueHigh": 2600}]})";
    const auto [status, hex] = test_support::read_back(test_support::node_script("encode_workout.mjs"), {json});
    const std::string bytes = test_support::from_hex(hex);
    ASSERT_TRUE(status == 0 && !bytes.empty()) << hex;
    const auto file = read_workout_file(bytes, "4x1200.fit");
    ASSERT_TRUE(file) << file.error();
    const auto made = workout_program(*file, {program::Model::QM20, program::Unit::KPH, program::Mode::General}, 80);
    ASSERT_TRUE(made) << made.error();
    const program::Program& p = made->program;
    EXPECT_EQ(std::vector<int>(p.speed.begin(), p.speed.end()),
              (std::vector<int>{95, 95, 95, 95, 145, 145, 70, 145, 145, 70, 145, 145, 70, 145, 145, 70, 90, 90, 90, 90}));
    EXPECT_EQ(std::vector<int>(p.incline.begin(), p.incline.end()),
              (std::vector<int>{1, 1, 1, 1, 2, 2, 0, 2, 2, 0, 2, 2, 0, 2, 2, 0, 0, 0, 0, 0}));
    EXPECT_EQ(p.minutes, 50);
    EXPECT_EQ(p.weight, 80);
    EXPECT_EQ(made->notes, std::vector<std::string>{});
}

}  // namespace
}  // namespace trevalo::imports
