#include "imports/workout_import.h"

#include "fit/fit_workout_writer.h"
#include "program/tests/random_program.h"
#include "program_file/program_file.h"

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
            const std::string bytes = fit::write_fit_workout(p, "Hill repeats", {12345, 1'800'000'000});
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

// The format is told by the bytes, a ".fit" name only for what names no format.
TEST(WorkoutImport, TellsTheFormatAndSaysWhyAFileIsNoWorkout)
{
    const std::string zwo_run = R"(<workout_file><sportType>run</sportType><thresholdSecPerKm>300</thresholdSecPerKm>
        <workout><SteadyState Duration="1200" Power="1"/></workout></workout_file>)";
    const std::string zwo_open_pace = R"(<workout_file><sportType>run</sportType>
        <workout><SteadyState Duration="1200" Power="1"/></workout></workout_file>)";
    const program::Program p = program::default_program({});
    const std::string fit = fit::write_fit_workout(p, "x", {1, 0});
    const struct {
        std::string bytes, name;
        bool read, needs_pace;
        const char* error_has;
    } rows[] = {
        {zwo_run, "a.zwo", true, false, ""},
        {zwo_open_pace, "a.xml", true, true, ""},
        {fit, "workout.bin", true, false, ""},  // a FIT file whatever its name
        {zwo_run, "a.fit", false, false, "FIT"},
        {"", "a.zwo", false, false, "XML"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto file = read_workout_file(row.bytes, row.name);
        ASSERT_EQ(file.ok(), row.read) << file.error();
        if (file)
            EXPECT_EQ(needs_threshold_pace(*file), row.needs_pace);
        else
            EXPECT_NE(file.error().find(row.error_has), std::string::npos) << file.error();
    }
}

// A Zwift run at its threshold for 20 minutes: 12 km/h, or whatever pace the
// runner gives when the file has none.
TEST(WorkoutImport, AZwiftPaceComesFromTheFileOrTheRunner)
{
    using enum program::Model;
    const program::Settings s{QM20, program::Unit::KPH, program::Mode::General};
    for (const auto& [threshold_in_file, asked, tenths] :
         {std::tuple{"<thresholdSecPerKm>300</thresholdSecPerKm>", 240.0, 120}, {"", 240.0, 150}}) {
        const std::string text = std::string("<workout_file><sportType>run</sportType>") + threshold_in_file +
                                 "<workout><SteadyState Duration=\"1200\" Power=\"1\"/></workout></workout_file>";
        const auto file = read_workout_file(text, "a.zwo");
        ASSERT_TRUE(file) << file.error();
        const auto made = workout_program(*file, s, 70, asked);
        ASSERT_TRUE(made) << made.error();
        EXPECT_EQ(made->program.speed[0], tenths);
        EXPECT_EQ(made->program.speed[19], tenths);
        EXPECT_EQ(made->program.minutes, 20);
        EXPECT_EQ(made->program.weight, 70);
    }
}

}  // namespace
}  // namespace trevalo::imports
