#include "exports/fit_encoder.h"
#include "fit/fit_import.h"
#include "fit/profile.h"
#include "fit/writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace trevalo::fit {
namespace {

namespace record = profile::record;
using enum BaseType;

// "0:2.5/1 2:3/-1.5 | 4": each reading's start, speed and incline, then the length.
std::string text(const ActivityReadings& activity)
{
    std::ostringstream out;
    for (const program::Reading& r : activity.readings)
        out << r.start_s << ':' << r.speed_mps << '/' << r.incline_pct << ' ';
    out << "| " << activity.total_s;
    return out.str();
}

std::string import_text(const std::string& file)
{
    const Result<Imported> imported = fit_import(file);
    if (!imported)
        return imported.error();
    const auto* activity = std::get_if<ActivityReadings>(&*imported);
    return activity ? text(*activity) : "a workout";
}

struct Record {
    std::optional<std::int64_t> time = {}, speed = {}, enhanced_speed = {}, grade = {};
};

// Records of an activity starting at FIT time 1000; from `compress_from` on,
// under compressed-timestamp headers (speed and grade only).
std::string activity(const std::vector<Record>& records, ByteOrder order = ByteOrder::Little,
                     std::size_t compress_from = SIZE_MAX)
{
    Writer out(order);
    out.write(profile::file_id::number, {{profile::file_id::type, enum8, std::int64_t{profile::file_activity}}});
    for (std::size_t i = 0; i < records.size() && i < compress_from; ++i) {
        const Record& r = records[i];
        out.write(record::number, {{record::timestamp, uint32, r.time}, {record::speed, uint16, r.speed},
                                   {record::enhanced_speed, uint32, r.enhanced_speed}, {record::grade, sint16, r.grade}});
    }
    if (compress_from < records.size())
        out.append_raw({"\x42\x00\x00\x14\x00\x02\x06\x02\x84\x09\x02\x83", 12});  // local type 2: speed, grade
    for (std::size_t i = compress_from; i < records.size(); ++i) {
        const Record& r = records[i];
        const auto le = [](std::int64_t v) { return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF)}; };
        out.append_raw(static_cast<char>(0x80 | 2 << 5 | (*r.time & 0x1F)) + le(*r.speed) + le(*r.grade));
    }
    return out.finish();
}

TEST(FitActivityReader, ReadsRecordsOfEveryShape)
{
    const std::vector<Record> plain = {{1000, 2500, {}, 100}, {1002, 3000, {}, -150}, {1004, 3000, {}, -150}};
    const std::string plain_text = "0:2.5/1 2:3/-1.5 4:3/-1.5 | 4";
    // The compressed times roll over 32 s between the second and third.
    const std::vector<Record> rolling = {{1000, 2500, {}, 100}, {1020, 3000, {}, 0}, {1033, 3100, {}, 50}, {1060, 1, {}, 0}};
    const struct {
        const char* name;
        std::string file;
        std::string expected;
    } rows[] = {
        {"little-endian", activity(plain), plain_text},
        {"big-endian", activity(plain, ByteOrder::Big), plain_text},
        {"compressed timestamps", activity(plain, ByteOrder::Little, 1), plain_text},
        {"compressed across a roll-over", activity(rolling, ByteOrder::Little, 1),
         "0:2.5/1 20:3/0 33:3.1/0.5 60:0.001/0 | 60"},
        {"enhanced speed first", activity({{1000, 2500, 2600, 0}, {1001, {}, 70'000, {}}}), "0:2.6/0 1:70/0 | 1"},
        {"a record without speed or grade keeps the last", activity({{1000, 2000, {}, 300}, {1003}, {1005, 0, {}, 0}}),
         "0:2/3 3:2/3 5:0/0 | 5"},
        {"untimed and backward records passed over, the same second replaced",
         activity({{1000, 1000}, {{}, 9000}, {1010, 2000}, {1005, 3000}, {1010, 4000}, {1012, 5000}}),
         "0:1/0 10:4/0 12:5/0 | 12"},
        {"a single record", activity({{1000, 1000}}), "fewer than two records with a time"},
        {"a course", [] {
             Writer course;
             course.write(profile::file_id::number, {{profile::file_id::type, enum8, std::int64_t{6}}});
             return course.finish();
         }(), "This FIT file is a course: only workouts and activities can be imported."},
    };
    for (const auto& row : rows)
        EXPECT_NE(import_text(row.file).find(row.expected), std::string::npos)
            << row.name << ": " << import_text(row.file);
}

// What this tool exports comes back as the points it was written from.
TEST(FitActivityReader, ReadsBackAnExport)
{
    exports::Workout workout;
    workout.start_utc = 1'700'000'000;
    std::string expected;
    for (int i = 0; i < 1800; ++i) {
        const double speed = 2 + (i % 70) * 0.013, grade = (i % 15) * 0.5 - 2;
        workout.points.push_back({i * 2.0, i * 5.0, speed, 120, grade});
        std::ostringstream reading;
        reading << i * 2.0 << ':' << std::round(speed * 1000) / 1000 << '/' << grade << ' ';
        expected += reading.str();
    }
    EXPECT_EQ(import_text(exports::encode_fit(workout, 77)), expected + "| 3598");
}

}  // namespace
}  // namespace trevalo::fit
