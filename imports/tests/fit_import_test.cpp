#include "exports/fit_activity_writer.h"
#include "fit/crc.h"
#include "test_support/fit_files.h"
#include "test_support/garmin_sdk.h"
#include "test_support/reads_as.h"

#include <gtest/gtest.h>

namespace trevalo::imports {
namespace {

namespace profile = fit::profile;
using fit::ByteOrder;
using fit::crc16;
using test_support::activity_file;
using test_support::StepRow;
using test_support::workout_file;
constexpr std::int64_t time = profile::duration_time, distance = profile::duration_distance,
                       open = profile::duration_open, steps_complete = profile::duration_repeat_until_steps_cmplt;
constexpr std::int64_t speed = profile::target_speed;

StepRow minutes(int m) { return {time, m * 60'000}; }
StepRow repeat(std::int64_t kind, std::int64_t from, std::int64_t count) { return {kind, from, 2, count}; }

const std::vector<StepRow> one_step = {{time, 60'000, speed, 0, 2500, 2500, 20}};
const std::string file = workout_file(one_step);
const std::string end = std::to_string(file.size() - 2);  // where the CRC, or a tail before it, begins
// Where the second step of a loop begins: it ends the file of two steps,
// before the CRC, and is as long as a third step like it.
const std::size_t two = workout_file({minutes(1), repeat(steps_complete, 0, 2)}).size();
const std::string step_2 = std::to_string(
    2 * two - workout_file({minutes(1), repeat(steps_complete, 0, 2), repeat(steps_complete, 0, 2)}).size() - 2);

// `bytes` with the file's CRC made to fit them again.
std::string recrc(std::string bytes)
{
    bytes.resize(bytes.size() - 2);
    const std::uint16_t crc = crc16(bytes);
    return bytes + static_cast<char>(crc & 0xFF) + static_cast<char>(crc >> 8);
}

std::string flip(std::string bytes, std::size_t at)
{
    bytes[at] ^= 0x10;
    return bytes;
}

std::string with_tail(std::string_view tail) { return workout_file(one_step, {.tail = tail}); }

struct Row {
    const char* name;
    std::string file;
    // As test_support::reads_as takes it: the plan or readings as text, or words
    // of the refusal with '*' for any text.
    std::string expected;
    // Instead of the file: a workout or activity as the script takes it, for
    // Garmin's own SDK to encode.
    const char* garmin = nullptr;
    const char* script = "encode_workout.mjs";
};

constexpr const char* activity = "encode_activity.mjs";
// Two records of a run, at 0 s and 10 s.
#define RECORDS R"(["record", {"timestamp": 0, "speed": 2}], ["record", {"timestamp": 10, "speed": 3}])"

// A chain whose second part has a bit flipped in its messages.
const std::string chain_damaged =
    activity_file({{1000, 1000}, {1001, 2000}}) + flip(activity_file({{1002, 3000}, {1003, 4000}}), 20);

const Row rows[] = {
    // Every header, and what is damaged said with the byte where.
    {"a 12-byte header", recrc("\x0C" + file.substr(1, 11) + file.substr(14)), "1T60@2.5/2"},
    {"a header CRC of 0", recrc(file.substr(0, 12) + std::string(2, '\0') + file.substr(14)), "1T60@2.5/2"},
    {"a bit flipped in a message", flip(file, 30),
     "The file is damaged: its check sum does not match (byte " + end + ")."},
    {"no .FIT", flip(file, 9), "This is not a FIT file: it does not begin as one (no \".FIT\" at byte 8)."},
    {"a header's CRC", flip(file, 12), "The file is damaged: its header's check sum does not match (byte 12)."},
    {"shorter than a header", "\x0E\x20", "This is not a FIT file: it is 2 bytes long"},
    {"a header of 13 bytes", "\x0D" + file.substr(1), "not 12 or 14 (byte 0)"},
    {"cut short", file.substr(0, file.size() - 5), "cut short*(byte " + std::to_string(file.size() - 5) + ")"},
    {"a later protocol", flip(file, 1), "protocol version 3.0"},
    {"an undefined local type", with_tail("\x07"), "local message type 7, which no definition*(byte " + end + ")."},
    {"a definition cut short", with_tail({"\x41\x00\x00\x14\x00\x05\x06\x02", 8}),
     "The file is damaged: a definition message runs past the end of the messages (byte " + end + ")."},
    {"developer fields cut short", with_tail({"\x61\x00\x00\x14\x00\x00", 6}), "definition message runs past the end"},
    {"architecture 2", with_tail({"\x41\x00\x02\x14\x00\x00", 6}), "gives architecture 2*(byte " + end + ")."},
    {"a data message cut short", with_tail({"\x41\x00\x00\x14\x00\x01\x05\x04\x86\x01\x00\x00", 12}),
     "The file is damaged: a data message runs past the end of the messages (byte " +
         std::to_string(std::stoi(end) + 9) + ")."},

    // Workouts: every kind of step, repeats expanded within their bounds.
    {"every length",
     workout_file({{time, 90'500}, {distance, 80'000}, {open}, {2, 150}, {3, 160}, {4, 300}, {14, 200}, {28, 30'000},
                   {time}}),
     "1T90.5 2D800 3O 4O 5O 6O 7O 8T30 9O"},
    {"every target",
     workout_file({{time, 1000, speed, 0, 2500, 3000}, {time, 1000, speed, std::nullopt, 2682, 2682},
                   {time, 1000, speed, 3}, {time, 1000, 1, 2, 120, 150}, {time, 1000, 2}, {time, 1000, 3, 0, 80, 90},
                   {time, 1000, 4, 0, 200, 250}, {time, 1000, speed, 0, std::nullopt, 3000}}),
     "1T1@2.75 2T1@2.682 3T1 4T1 5T1 6T1 7T1 8T1@3"},
    {"nested repeats",
     workout_file({minutes(1), minutes(2), repeat(steps_complete, 1, 2), minutes(4), repeat(steps_complete, 0, 2)}),
     "1T60 2T120 2T120 4T240 1T60 2T120 2T120 4T240"},
    {"a count of one or none", workout_file({minutes(1), repeat(steps_complete, 0, 1), repeat(steps_complete, 0, 0)}),
     "1T60"},
    {"repeat until a time", workout_file({minutes(1), minutes(2), repeat(7, 0, 3600'000), minutes(3)}),
     "1T60 2T120 4T180 (Repeat of steps 1 to 2 until a time was run once.)"},
    {"repeat until the heart rate", workout_file({minutes(1), repeat(11, 0, 160)}),
     "1T60 (Repeat of step 1 until the heart rate rose above a value was run once.)"},
    {"the incline by its name, not its number",
     workout_file({{time, 1000, 2, std::nullopt, std::nullopt, std::nullopt, 35}, {time, 1000, 2, {}, {}, {}, -20}},
                  {.incline_number = 9}),
     "1T1/3.5 2T1/-2"},
    {"big-endian, unknown messages and fields",
     workout_file({{time, 1000, speed, 0, 1000, 1000, 10}}, {.order = ByteOrder::Big, .strangers = true}), "1T1@1/1"},
    {"a loop that points forward", workout_file({minutes(1), repeat(steps_complete, 2, 2), minutes(1)}),
     "Step 2 (byte " + step_2 + ") repeats from step 3, which does not come before it."},
    {"a loop that points at itself", workout_file({minutes(1), repeat(steps_complete, 1, 2)}),
     "Step 2 (byte " + step_2 + ") repeats from step 2, which does not come before it."},
    {"a loop to no step", workout_file({minutes(1), repeat(steps_complete, 40, 2)}),
     "Step 2 (byte " + step_2 + ") repeats from message index 40, which no step has."},
    {"beyond a day", workout_file({minutes(60), repeat(steps_complete, 0, 25)}), "beyond 24 hours or 10,000 steps"},
    {"a count no memory holds, of steps that take no time",
     workout_file({{time, 0}, repeat(steps_complete, 0, 4'000'000'000)}), "beyond 24 hours or 10,000 steps"},
    {"more steps than a plan holds", workout_file(std::vector<StepRow>(10'001, {time, 1})),
     "beyond 24 hours or 10,000 steps"},
    {"an empty block spun a billion times",
     workout_file({minutes(1), repeat(steps_complete, 0, 1), repeat(steps_complete, 1, 1'000'000'000)}), "1T60"},
    {"no steps", workout_file({}), "The FIT workout holds no steps to run."},
    {"a course", workout_file({minutes(1)}, {.file_type = 6}),
     "This FIT file holds a course, not a workout or an activity."},
    {"sleep data", workout_file({}, {.file_type = 49}), "This FIT file holds sleep data, not a workout or an activity."},

    // Workouts Garmin's SDK encoded.
    {"Garmin: warm-up, four repeats of 400 m fast and 90 s easy, cool-down", {},
     "4x400: 1T600@2.6/1[Warm up] 2D400@4.1/2 3T90 2D400@4.1/2 3T90 2D400@4.1/2 3T90 2D400@4.1/2 3T90 5T300",
     R"({"name": "4x400", "incline": true, "steps": [
        {"wktStepName": "Warm up", "durationType": "time", "durationValue": 600000, "targetType": "speed",
         "targetValue": 0, "customTargetValueLow": 2500, "customTargetValueHigh": 2700, "incline": 10},
        {"durationType": "distance", "durationValue": 40000, "targetType": "speed", "targetValue": 0,
         "customTargetValueLow": 4000, "customTargetValueHigh": 4200, "incline": 20},
        {"durationType": "time", "durationValue": 90000, "targetType": "open", "incline": 0},
        {"durationType": "repeatUntilStepsCmplt", "durationValue": 1, "targetValue": 4},
        {"durationType": "time", "durationValue": 300000, "targetType": "heartRate", "targetValue": 2}]})"},
    {"Garmin: open, calories and power steps, a repeat until a time", {},
     "Open: 1O 2O 3O (Repeat of steps 1 to 3 until a time was run once.)", R"({"name": "Open", "steps": [
        {"durationType": "open", "targetType": "speed", "targetValue": 3},
        {"durationType": "calories", "durationValue": 100, "targetType": "cadence", "targetValue": 0},
        {"durationType": "powerLessThan", "durationValue": 200, "targetType": "power", "targetValue": 3},
        {"durationType": "repeatUntilTime", "durationValue": 0, "targetValue": 1200000}]})"},

    // Activities, as the oldest recordings have them: records only, the whole
    // span the timer's. The compressed times roll over 32 s between the
    // second and third record, and the third and fourth.
    {"compressed timestamps across roll-overs",
     activity_file({{1000, 2500, {}, 100}, {1020, 3000, {}, -150}, {1033, 3100, {}, 50}, {1060, 1, {}, 0}}, true),
     "0:2.5/1 20:3/-1.5 33:3.1/0.5 60:0.001/0 | 60 (The run lasted 1:00 by the watch's timer.)"},
    {"enhanced speed first", activity_file({{1000, 2500, 2600, 0}, {1001, {}, 70'000, {}}}),
     "0:2.6/0 1:70/0 | 1 (The run lasted 0:01 by the watch's timer.)"},
    {"a record without speed or grade keeps the last",
     activity_file({{1000, 2000, {}, 300}, {1003}, {1005, 0, {}, 0}}),
     "0:2/3 3:2/3 5:0/0 | 5 (The run lasted 0:05 by the watch's timer.)"},
    {"untimed and backward records passed over, the same second replaced",
     activity_file({{1000, 1000}, {{}, 9000}, {1010, 2000}, {1005, 3000}, {1010, 4000}, {1012, 5000}}),
     "0:1/0 10:4/0 12:5/0 | 12 (The run lasted 0:12 by the watch's timer.)"},
    {"a single record", activity_file({{1000, 1000}}), "fewer than two records with a time"},
    // An older watch's or a footpod's speed in the compressed field: behind
    // the plain speed, which wins where both are given.
    {"the compressed speed",
     activity_file({{.time = 1000, .speed = 2000, .packed = {{250, 0}}}, {.time = 1001, .packed = {{275, 40}}},
                    {.time = 1002, .packed = {{300, 88}}}}),
     "0:2/0 1:2.75/0 2:3/0 | 2 (The run lasted 0:02 by the watch's timer.)"},
    // Without any speed, the distance over the timer's time to the next
    // record: 40 m in 4 s across the compressed distance's roll-over past
    // 4095/16 m, then 20 m in 4 s; the last reading keeps the pace before.
    {"the compressed distance across its roll-over",
     activity_file({{.time = 1000, .packed = {{0xFFF, 4000}}}, {.time = 1004, .packed = {{0xFFF, 544}}},
                    {.time = 1008, .packed = {{0xFFF, 864}}}}),
     "0:10/0 4:5/0 8:5/0 | 8 (The run lasted 0:08 by the watch's timer.)"},
    {"the distance, a record without one keeping the pace",
     activity_file({{.time = 1000, .distance = 0}, {.time = 1010, .distance = 3000}, {.time = 1015},
                    {.time = 1020, .distance = 4000}, {.time = 1030, .distance = 4000}}),
     "0:3/0 10:1/0 15:1/0 20:0/0 30:0/0 | 30 (The run lasted 0:30 by the watch's timer.)"},
    // No timer events: a gap of 60 s is a slow record, of 61 s a stop.
    {"a gap of more than a minute left out",
     activity_file({{1000, 2000}, {1060, 3000}, {1121, 4000}, {1131, 5000}}),
     "0:2/0 60:4/0 70:5/0 | 70 (The run lasted 1:10 by the watch's timer; 1:01 of stops were left out.)"},
    // Chains: every part read, in order; a damaged part spoils the whole.
    {"a chain", activity_file({{1000, 1000}, {1001, 2000}}) + activity_file({{1002, 3000}, {1003, 4000}}),
     "0:1/0 1:2/0 2:3/0 3:4/0 | 3 (The run lasted 0:03 by the watch's timer.)"},
    {"a chain whose second part is damaged", chain_damaged,
     "The file is damaged: its check sum does not match (byte " + std::to_string(chain_damaged.size() - 2) + ")."},
    {"bytes after the file", activity_file({{1000, 1000}, {1001, 2000}}) + "junk",
     "The file is damaged: after its FIT data come 4 bytes that are not FIT data (byte " +
         std::to_string(activity_file({{1000, 1000}, {1001, 2000}}).size()) + ")."},
    // What this tool exports comes back as the points it was written from.
    {"an export, a pulse missing in one",
     exports::write_fit_activity({.start_utc = 1'700'000'000, .elapsed_s = 4.4, .average_heart_rate = {},
                                  .max_heart_rate = {},
                                  .points = {{0, 0, 2.5, 120, 1}, {2, 5, 2.013, {}, -1.5},
                                             {4.4, 10, 3.0004, 130, 0.25}}}),
     "0:2.5/1 2:2.013/-1.5 4:3/0.25 | 4.4 (The run lasted 0:04 by the watch's timer.)"},

    // Activities as Garmin's SDK encodes them, with what watches add: the
    // sport, sessions, timer events, chains.
    {"Garmin: a ride", {}, "This is a ride, not a run.", R"({"messages": [)" RECORDS R"(,
        ["session", {"startTime": 0, "sport": "cycling", "subSport": "road"}]]})", activity},
    {"Garmin: a swim its laps name", {}, "This is a swim, not a run.", R"({"messages": [)" RECORDS R"(,
        ["lap", {"startTime": 0, "sport": "swimming"}]]})", activity},
    {"Garmin: a paddleboard session by its sport message", {}, "This is a stand-up paddleboarding session, not a run.",
     R"({"messages": [["sport", {"sport": "standUpPaddleboarding"}], )" RECORDS "]}", activity},
    {"Garmin: a treadmill run on fitness equipment, the timer's total the length", {},
     "0:2/0 10:3/0 | 15 (The run lasted 0:15 by the watch's timer.)", R"({"messages": [)" RECORDS R"(,
        ["session", {"startTime": 0, "sport": "fitnessEquipment", "subSport": "treadmill", "totalTimerTime": 15,
                     "totalElapsedTime": 15}]]})", activity},
    {"Garmin: a heart rate only", {}, "This activity holds no speed or distance", R"({"messages": [
        ["record", {"timestamp": 0, "heartRate": 120}], ["record", {"timestamp": 10, "heartRate": 130}]]})",
     activity},
    // Stopped at 20 s, a record of 0 in the pause, started again at 50 s:
    // the pause is left out, the record at the restart holds from 20 s.
    {"Garmin: a paused run", {},
     "0:2/0 10:3/0 20:4/0 50:5/0 | 50 (The run lasted 0:50 by the watch's timer; 0:30 of stops were left out.)",
     R"({"messages": [["event", {"timestamp": 0, "event": "timer", "eventType": "start"}],
        ["record", {"timestamp": 0, "speed": 2}], ["record", {"timestamp": 10, "speed": 3}],
        ["record", {"timestamp": 20, "speed": 0}],
        ["event", {"timestamp": 20, "event": "timer", "eventType": "stopAll"}],
        ["record", {"timestamp": 30, "speed": 0}], ["event", {"timestamp": 50, "event": "timer", "eventType": "start"}],
        ["record", {"timestamp": 50, "speed": 4}], ["record", {"timestamp": 80, "speed": 5}],
        ["event", {"timestamp": 80, "event": "timer", "eventType": "stopAll"}],
        ["session", {"startTime": 0, "sport": "running", "totalTimerTime": 50, "totalElapsedTime": 80}]]})",
     activity},
    {"Garmin: a triathlon gives its run", {},
     "0:3/0 50:3.5/0 100:4/0 | 100 (This file holds 4 activities, a swim, a transition between two sports, a ride "
     "and a run: only the run was imported.) (The run lasted 1:40 by the watch's timer.)",
     R"({"messages": [["record", {"timestamp": 0, "speed": 1}], ["record", {"timestamp": 50, "speed": 1.1}],
        ["record", {"timestamp": 150, "speed": 8}], ["record", {"timestamp": 250, "speed": 9}],
        ["record", {"timestamp": 300, "speed": 3}], ["record", {"timestamp": 350, "speed": 3.5}],
        ["record", {"timestamp": 400, "speed": 4}],
        ["session", {"startTime": 0, "sport": "swimming", "totalTimerTime": 100, "totalElapsedTime": 100}],
        ["session", {"startTime": 100, "sport": "transition", "totalTimerTime": 20, "totalElapsedTime": 20}],
        ["session", {"startTime": 120, "sport": "cycling", "totalTimerTime": 180, "totalElapsedTime": 180}],
        ["session", {"startTime": 300, "sport": "running", "totalTimerTime": 100, "totalElapsedTime": 100}]]})",
     activity},
    {"Garmin: a duathlon's runs joined", {},
     "0:3/0 100:4/0 200:5/0 | 200 (This file holds 3 activities, a run, a ride and a run: only the runs were imported, "
     "one after the other.) (The run lasted 3:20 by the watch's timer.)",
     R"({"messages": [["event", {"timestamp": 0, "event": "timer", "eventType": "start"}],
        ["record", {"timestamp": 0, "speed": 3}], ["record", {"timestamp": 150, "speed": 9}],
        ["record", {"timestamp": 200, "speed": 4}], ["record", {"timestamp": 300, "speed": 5}],
        ["session", {"startTime": 0, "sport": "running", "totalTimerTime": 100, "totalElapsedTime": 100}],
        ["session", {"startTime": 100, "sport": "cycling", "totalTimerTime": 100, "totalElapsedTime": 100}],
        ["event", {"timestamp": 300, "event": "timer", "eventType": "stopAll"}],
        ["session", {"startTime": 200, "sport": "running", "totalTimerTime": 100, "totalElapsedTime": 100}]]})",
     activity},
    {"Garmin: a multisport race without a run", {}, "This holds no run: its 2 activities are a swim and a ride.",
     R"({"messages": [)" RECORDS R"(, ["session", {"startTime": 0, "sport": "swimming"}],
        ["session", {"startTime": 5, "sport": "cycling"}]]})", activity},
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class FitImport : public ::testing::TestWithParam<Row> {};

TEST_P(FitImport, ReadsTheStepsOrReadingsOrSaysWhatIsWrongAndWhere)
{
    const Row& row = GetParam();
    std::string bytes = row.file;
    if (row.garmin) {
        if (const std::string why = test_support::why_no_sdk(); !why.empty())
            GTEST_SKIP() << why;
        const auto [status, hex] =
            test_support::read_back(test_support::node_script(row.script), {row.garmin});
        bytes = test_support::from_hex(hex);
        ASSERT_TRUE(status == 0 && !bytes.empty()) << hex;
    }
    EXPECT_TRUE(test_support::reads_as(bytes, row.expected));
}

INSTANTIATE_TEST_SUITE_P(Table, FitImport, ::testing::ValuesIn(rows));

}  // namespace
}  // namespace trevalo::imports
