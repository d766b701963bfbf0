#include "fit/decoder.h"
#include "fit/fit_workout_reader.h"
#include "fit/tests/garmin_sdk.h"
#include "fit/tests/workout_files.h"

#include <gtest/gtest.h>

namespace trevalo::fit {
namespace {

// Workouts as encode_workout.mjs takes them, and the plan each must read as
// (testing::text), or words of its refusal.
const struct {
    const char* name;
    std::string json;
    std::string expected;
} rows[] = {
    {"warm-up, four repeats of 400 m fast and 90 s easy, cool-down", R"({"name": "4x400", "incline": true, "steps": [
        {"wktStepName": "Warm up", "durationType": "time", "durationValue": 600000, "targetType": "speed",
         "targetValue": 0, "customTargetValueLow": 2500, "customTargetValueHigh": 2700, "incline": 10},
        {"durationType": "distance", "durationValue": 40000, "targetType": "speed", "targetValue": 0,
         "customTargetValueLow": 4000, "customTargetValueHigh": 4200, "incline": 20},
        {"durationType": "time", "durationValue": 90000, "targetType": "open", "incline": 0},
        {"durationType": "repeatUntilStepsCmplt", "durationValue": 1, "targetValue": 4},
        {"durationType": "time", "durationValue": 300000, "targetType": "heartRate", "targetValue": 2}]})",
     "1T600@2.6/1 2D400@4.1/2 3T90 2D400@4.1/2 3T90 2D400@4.1/2 3T90 2D400@4.1/2 3T90 5T300"},
    {"open, calories and power steps, a repeat until a time", R"({"name": "Open", "steps": [
        {"durationType": "open", "targetType": "speed", "targetValue": 3},
        {"durationType": "calories", "durationValue": 100, "targetType": "cadence", "targetValue": 0},
        {"durationType": "powerLessThan", "durationValue": 200, "targetType": "power", "targetValue": 3},
        {"durationType": "repeatUntilTime", "durationValue": 0, "targetValue": 1200000}]})",
     "1O 2O 3O"},
    {"nested repeats", R"({"name": "Nested", "steps": [
        {"durationType": "time", "durationValue": 60000},
        {"durationType": "distance", "durationValue": 20000},
        {"durationType": "repeatUntilStepsCmplt", "durationValue": 1, "targetValue": 3},
        {"durationType": "repeatUntilStepsCmplt", "durationValue": 0, "targetValue": 2}]})",
     "1T60 2D200 2D200 2D200 1T60 2D200 2D200 2D200"},
    {"a loop pointing forward", R"({"name": "Loop", "steps": [
        {"durationType": "repeatUntilStepsCmplt", "durationValue": 1, "targetValue": 2},
        {"durationType": "time", "durationValue": 60000}]})",
     "Step 1 (byte"},
    {"a course", R"({"name": "Course", "fileType": "course", "steps": []})", "This FIT file is a course, not a workout."},
};

TEST(FitGarminEncoded, EveryWorkoutReadsAsItsSteps)
{
    if (const std::string why = testing::why_no_sdk(); !why.empty())
        GTEST_SKIP() << why;
    for (const auto& row : rows) {
        const auto [status, hex] = exports::testing::read_back(testing::node_script("encode_workout.mjs"), {row.json});
        const std::string file = testing::from_hex(hex);
        ASSERT_TRUE(status == 0 && !file.empty()) << row.name << ": " << hex;
        const Result<Decoded> decoded = decode(file);
        ASSERT_TRUE(decoded) << row.name << ": " << decoded.error();
        const Result<plans::Plan> plan = read_fit_workout(*decoded);
        const std::string said = plan ? testing::text(*plan) : plan.error();
        EXPECT_EQ(said.find(row.expected), 0U) << row.name << ": " << said;
    }
}

}  // namespace
}  // namespace trevalo::fit
