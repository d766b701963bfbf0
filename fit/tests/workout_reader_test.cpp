#include "fit/tests/garmin_sdk.h"
#include "fit/tests/reads_as.h"
#include "fit/tests/workout_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace trevalo::fit {
namespace {

using testing::StepRow;
constexpr std::int64_t time = profile::duration_time, distance = profile::duration_distance,
                       open = profile::duration_open, steps_complete = profile::duration_repeat_until_steps_cmplt;
constexpr std::int64_t speed = profile::target_speed;

StepRow minutes(int m) { return {time, m * 60'000}; }
StepRow repeat(std::int64_t kind, std::int64_t from, std::int64_t count) { return {kind, from, 2, count}; }

struct Row {
    const char* name;
    std::vector<StepRow> steps;
    // As testing::text gives it, or words of the refusal ('*' for any
    // text); "{2}" stands for the byte where step 2 begins.
    std::string expected;
    testing::FileOptions options = {};
    // Instead of the steps: a workout as encode_workout.mjs takes it, for
    // Garmin's own SDK to encode.
    const char* garmin = nullptr;
};

const Row rows[] = {
    {"every length",
     {{time, 90'500}, {distance, 80'000}, {open}, {2, 150}, {3, 160}, {4, 300}, {14, 200}, {28, 30'000}, {time}},
     "1T90.5 2D800 3O 4O 5O 6O 7O 8T30 9O"},
    {"every target",
     {{time, 1000, speed, 0, 2500, 3000}, {time, 1000, speed, std::nullopt, 2682, 2682},
      {time, 1000, speed, 3}, {time, 1000, 1, 2, 120, 150}, {time, 1000, 2}, {time, 1000, 3, 0, 80, 90},
      {time, 1000, 4, 0, 200, 250}, {time, 1000, speed, 0, std::nullopt, 3000}},
     "1T1@2.75 2T1@2.682 3T1 4T1 5T1 6T1 7T1 8T1@3"},
    {"nested repeats",
     {minutes(1), minutes(2), repeat(steps_complete, 1, 2), minutes(4), repeat(steps_complete, 0, 2)},
     "1T60 2T120 2T120 4T240 1T60 2T120 2T120 4T240"},
    {"a count of one or none", {minutes(1), repeat(steps_complete, 0, 1), repeat(steps_complete, 0, 0)}, "1T60"},
    {"repeat until a time", {minutes(1), minutes(2), repeat(7, 0, 3600'000), minutes(3)},
     "1T60 2T120 4T180 (Repeat of steps 1 to 2 until a time was run once.)"},
    {"repeat until the heart rate", {minutes(1), repeat(11, 0, 160)},
     "1T60 (Repeat of step 1 until the heart rate rose above a value was run once.)"},
    {"the incline by its name, not its number",
     {{time, 1000, 2, std::nullopt, std::nullopt, std::nullopt, 35}, {time, 1000, 2, {}, {}, {}, -20}},
     "1T1/3.5 2T1/-2", {.incline_number = 9}},
    {"big-endian, unknown messages and fields", {{time, 1000, speed, 0, 1000, 1000, 10}}, "1T1@1/1",
     {.order = ByteOrder::Big, .strangers = true}},
    {"a loop that points forward", {minutes(1), repeat(steps_complete, 2, 2), minutes(1)},
     "Step 2 (byte {2}) repeats from step 3, which does not come before it."},
    {"a loop that points at itself", {minutes(1), repeat(steps_complete, 1, 2)},
     "Step 2 (byte {2}) repeats from step 2, which does not come before it."},
    {"a loop to no step", {minutes(1), repeat(steps_complete, 40, 2)},
     "Step 2 (byte {2}) repeats from message index 40, which no step has."},
    {"beyond a day", {minutes(60), repeat(steps_complete, 0, 25)}, "beyond 24 hours or 10,000 steps"},
    {"a count no memory holds", {{time, 1}, repeat(steps_complete, 0, 4'000'000'000)}, "beyond 24 hours or 10,000 steps"},
    {"an empty block spun a billion times",
     {minutes(1), repeat(steps_complete, 0, 1), repeat(steps_complete, 1, 1'000'000'000)}, "1T60"},
    {"no steps", {}, "The FIT workout holds no steps to run."},
    {"a course", {minutes(1)}, "This FIT file is a course: only workouts and activities", {.file_type = 6}},
    {"Garmin: warm-up, four repeats of 400 m fast and 90 s easy, cool-down", {},
     "4x400: 1T600@2.6/1[Warm up] 2D400@4.1/2 3T90 2D400@4.1/2 3T90 2D400@4.1/2 3T90 2D400@4.1/2 3T90 5T300", {},
     R"({"name": "4x400", "incline": true, "steps": [
        {"wktStepName": "Warm up", "durationType": "time", "durationValue": 600000, "targetType": "speed",
         "targetValue": 0, "customTargetValueLow": 2500, "customTargetValueHigh": 2700, "incline": 10},
        {"durationType": "distance", "durationValue": 40000, "targetType": "speed", "targetValue": 0,
         "customTargetValueLow": 4000, "customTargetValueHigh": 4200, "incline": 20},
        {"durationType": "time", "durationValue": 90000, "targetType": "open", "incline": 0},
        {"durationType": "repeatUntilStepsCmplt", "durationValue": 1, "targetValue": 4},
        {"durationType": "time", "durationValue": 300000, "targetType": "heartRate", "targetValue": 2}]})"},
    {"Garmin: open, calories and power steps, a repeat until a time", {},
     "Open: 1O 2O 3O (Repeat of steps 1 to 3 until a time was run once.)", {}, R"({"name": "Open", "steps": [
        {"durationType": "open", "targetType": "speed", "targetValue": 3},
        {"durationType": "calories", "durationValue": 100, "targetType": "cadence", "targetValue": 0},
        {"durationType": "powerLessThan", "durationValue": 200, "targetType": "power", "targetValue": 3},
        {"durationType": "repeatUntilTime", "durationValue": 0, "targetValue": 1200000}]})"},
    {"Garmin: nested repeats", {}, "Nested: 1T60 2D200 2D200 2D200 1T60 2D200 2D200 2D200", {},
     R"({"name": "Nested", "steps": [
        {"durationType": "time", "durationValue": 60000}, {"durationType": "distance", "durationValue": 20000},
        {"durationType": "repeatUntilStepsCmplt", "durationValue": 1, "targetValue": 3},
        {"durationType": "repeatUntilStepsCmplt", "durationValue": 0, "targetValue": 2}]})"},
    {"Garmin: a loop pointing forward", {}, "Step 1 (byte *) repeats from step 2, which does not come before it.", {},
     R"({"name": "Loop", "steps": [{"durationType": "repeatUntilStepsCmplt", "durationValue": 1, "targetValue": 2},
        {"durationType": "time", "durationValue": 60000}]})"},
    {"Garmin: a course", {}, "This FIT file is a course: only workouts and activities can be imported.", {},
     R"({"name": "Course", "fileType": "course", "steps": []})"},
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class FitWorkoutReader : public ::testing::TestWithParam<Row> {};

TEST_P(FitWorkoutReader, ReadsTheStepsOrSaysWhatIsWrong)
{
    const Row& row = GetParam();
    std::string file = testing::workout_file(row.steps, row.options), expected = row.expected;
    if (row.garmin) {
        if (const std::string why = testing::why_no_sdk(); !why.empty())
            GTEST_SKIP() << why;
        const auto [status, hex] = exports::testing::read_back(testing::node_script("encode_workout.mjs"), {row.garmin});
        file = testing::from_hex(hex);
        ASSERT_TRUE(status == 0 && !file.empty()) << hex;
    }
    if (const auto at = expected.find("{2}"); at != std::string::npos) {
        // Step 2 ends the file of two steps, before the CRC, as long as a third step like it.
        const auto two = testing::workout_file({row.steps[0], row.steps[1]}).size();
        const auto three = testing::workout_file({row.steps[0], row.steps[1], row.steps[1]}).size();
        expected.replace(at, 3, std::to_string(2 * two - three - 2));
    }
    EXPECT_TRUE(testing::reads_as(file, expected));
}

INSTANTIATE_TEST_SUITE_P(Table, FitWorkoutReader, ::testing::ValuesIn(rows), [](const auto& info) {
    std::string name = info.param.name;
    std::ranges::replace_if(name, [](unsigned char c) { return !std::isalnum(c); }, '_');
    return name;
});

}  // namespace
}  // namespace trevalo::fit
