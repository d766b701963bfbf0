#include "fit/decoder.h"
#include "fit/fit_workout_reader.h"
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
    // The plan as testing::text gives it, or words of the refusal; "{2}"
    // stands for the byte where step 2 begins.
    std::string expected;
    std::string note = "";
    testing::FileOptions options = {};
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
    {"four repeats of a distance and a recovery",
     {minutes(10), {distance, 40'000, speed, 0, 4000, 4000}, {time, 90'000}, repeat(steps_complete, 1, 4), minutes(5)},
     "1T600 2D400@4 3T90 2D400@4 3T90 2D400@4 3T90 2D400@4 3T90 5T300"},
    {"nested repeats",
     {minutes(1), minutes(2), repeat(steps_complete, 1, 2), minutes(4), repeat(steps_complete, 0, 2)},
     "1T60 2T120 2T120 4T240 1T60 2T120 2T120 4T240"},
    {"a count of one or none", {minutes(1), repeat(steps_complete, 0, 1), repeat(steps_complete, 0, 0)}, "1T60"},
    {"repeat until a time", {minutes(1), minutes(2), repeat(7, 0, 3600'000), minutes(3)}, "1T60 2T120 4T180",
     "Repeat of steps 1 to 2 until a time was run once."},
    {"repeat until the heart rate", {minutes(1), repeat(11, 0, 160)}, "1T60",
     "Repeat of step 1 until the heart rate rose above a value was run once."},
    {"the incline by its name, not its number",
     {{time, 1000, 2, std::nullopt, std::nullopt, std::nullopt, 35}, {time, 1000, 2, {}, {}, {}, -20}},
     "1T1/3.5 2T1/-2", "", {.incline_number = 9}},
    {"big-endian, unknown messages and fields", {{time, 1000, speed, 0, 1000, 1000, 10}}, "1T1@1/1", "",
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
    {"a course", {minutes(1)}, "This FIT file is a course, not a workout.", "", {.file_type = 6}},
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class FitWorkoutReader : public ::testing::TestWithParam<Row> {};

TEST_P(FitWorkoutReader, ReadsTheStepsOrSaysWhatIsWrong)
{
    const Row& row = GetParam();
    const Result<Decoded> decoded = decode(testing::workout_file(row.steps, row.options));
    ASSERT_TRUE(decoded) << decoded.error();
    const Result<plans::Plan> plan = read_fit_workout(*decoded);
    if (!plan) {
        std::string expected = row.expected;
        if (const auto at = expected.find("{2}"); at != std::string::npos) {
            const auto second = std::ranges::find(decoded->messages, profile::workout_step::number, &Message::global) + 1;
            expected.replace(at, 3, std::to_string(second->offset));
        }
        EXPECT_NE(plan.error().find(expected), std::string::npos) << plan.error();
        return;
    }
    EXPECT_EQ(testing::text(*plan), row.expected);
    EXPECT_EQ(plan->name, "Test");
    EXPECT_EQ(plan->notes, row.note.empty() ? std::vector<std::string>{} : std::vector{row.note});
}

INSTANTIATE_TEST_SUITE_P(Table, FitWorkoutReader, ::testing::ValuesIn(rows),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

}  // namespace
}  // namespace trevalo::fit
