#include "exports/fit_activity_writer.h"
#include "fit/crc.h"
#include "fit/decoder.h"
#include "fit/profile.h"
#include "test_support/garmin_sdk.h"
#include "test_support/read_back.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstdlib>
#include <ctime>

namespace trevalo::exports {
namespace {

// A sample every 2 s with negative grades among them, and totals that are not
// whole numbers, so that every field is rounded on the way. Of every 7
// samples the first `missing` have no pulse.
Workout workout(int points, int missing)
{
    const auto pulse = [&](int i) { return i % 7 < missing ? std::nullopt : std::optional(120 + i % 40); };
    Workout w{.start_utc = 1'700'000'000, .elapsed_s = points * 2.0 + 0.4, .distance_m = points * 5.55,
              .calories = points / 3, .average_speed_mps = 2.777, .max_speed_mps = 3.137,
              .average_heart_rate = pulse(3), .max_heart_rate = pulse(39), .ascent_m = points * 0.123, .points = {}};
    for (int i = 0; i < points; ++i)
        w.points.push_back({i * 2.0, i * 5.55, 2.5 + 0.013 * (i % 50), pulse(i), (i % 15) * 0.75 - 2.5});
    return w;
}

// Null for a pulse that is missing; Qt writes a NaN as null too.
QJsonValue json(std::optional<int> bpm) { return bpm ? QJsonValue(*bpm) : QJsonValue(); }

// The workout as fit_check.mjs takes it.
std::string json(const Workout& w)
{
    QJsonArray points;
    for (const Point& p : w.points) {
        points.append(QJsonObject{{"elapsed", p.elapsed_s}, {"distance", p.distance_m}, {"speed", p.speed_mps},
                                  {"heartRate", json(p.heart_rate)}, {"grade", p.grade_percent}});
    }
    const QJsonObject object{{"start", static_cast<qint64>(w.start_utc)}, {"elapsed", w.elapsed_s},
                             {"distance", w.distance_m}, {"calories", w.calories},
                             {"averageSpeed", w.average_speed_mps}, {"maxSpeed", w.max_speed_mps},
                             {"averageHeartRate", json(w.average_heart_rate)}, {"maxHeartRate", json(w.max_heart_rate)},
                             {"ascent", w.ascent_m}, {"points", points}};
    return QJsonDocument(object).toJson().toStdString();
}

// Garmin's SDK decodes each file and fit_check.mjs holds it against the
// expected workout: exit status 0 when they agree, 1 naming the differences.
TEST(FitFile, GarminsSdkReadsBackEveryWorkout)
{
    if (const std::string why = test_support::why_no_sdk(); !why.empty())
        GTEST_SKIP() << why;
    const Workout longest = workout(1025, 3), no_pulse = workout(60, 7), no_points = workout(0, 7);

    // Values beyond a field's range are clamped, not wrapped.
    const double nan = std::nan(""), infinity = HUGE_VAL;
    const Workout wild{.start_utc = 1'700'000'000, .elapsed_s = 4.4, .distance_m = 5e7, .calories = 70'000,
                       .average_speed_mps = 100, .max_speed_mps = 100, .average_heart_rate = 999,
                       .max_heart_rate = -1, .ascent_m = 70'000,
                       .points = {{0, -3, 70, 300, -400}, {1, 5e7, -1, -5, 400}, {2, nan, infinity, {}, -infinity}}};
    const Workout clamped{.start_utc = 1'700'000'000, .elapsed_s = 4.4, .distance_m = 42'949'672.94, .calories = 65'534,
                          .average_speed_mps = 65.534, .max_speed_mps = 65.534, .average_heart_rate = 254,
                          .max_heart_rate = 0, .ascent_m = 65'534,
                          .points = {{0, 0, 65.534, 254, -327.68}, {1, 42'949'672.94, 0, 0, 327.66},
                                     {2, nan, 65.534, {}, -327.68}}};

    // Without these, a checker that passed everything would pass the encoder too.
    std::string corrupt = write_fit_activity(longest);
    corrupt[corrupt.size() / 2] ^= 0x10;
    Workout wrong = longest;
    wrong.points[5].heart_rate = 150;

    const struct {
        const char* name;
        std::string file;
        Workout expected;
        int status;
    } cases[] = {
        {"longest record, pulse gaps", write_fit_activity(longest), longest, 0},
        {"no pulse", write_fit_activity(no_pulse), no_pulse, 0},
        {"no points", write_fit_activity(no_points), no_points, 0},
        {"clamped", write_fit_activity(wild), clamped, 0},
        {"corrupt", corrupt, longest, 1},
        {"wrong", write_fit_activity(longest), wrong, 1},
    };
    const std::string check = "'" TREVALO_NODE "' '" TREVALO_SOURCE_DIR "/test_support/fit_check.mjs'";
    for (const auto& c : cases) {
        const auto [status, said] = test_support::read_back(check, {c.file, json(c.expected)});
        EXPECT_EQ(status, c.status) << c.name << ":\n" << said;
        // What the SDK lets pass: another protocol, a header CRC of 0, and a
        // definition before every record (a record is 14 bytes at most).
        EXPECT_EQ(c.file.substr(0, 2), "\x0E\x20") << c.name << ": header size, protocol 2.0";
        EXPECT_EQ(fit::crc16(c.file.substr(0, 14)), 0) << c.name;
        EXPECT_LT(c.file.size(), 600 + 14 * c.expected.points.size()) << c.name;
    }
}

// Platforms tell exports apart by serial number; the local time is the
// machine's zone at the workout, summer time included.
TEST(FitFile, EachFileItsOwnSerialNumberAndTheZonesLocalTime)
{
    const auto read = [](const std::string& file, std::uint16_t global, std::uint8_t field) {
        const Result<fit::Decoded> decoded = fit::decode(file);
        const fit::Message* message = decoded ? decoded->first(global) : nullptr;
        return message ? decoded->integer(*message, field).value_or(-1) : -1;
    };
    const std::string zone = std::getenv("TZ") ? std::getenv("TZ") : "";
    Workout w = workout(10, 0);
    // 2023-11-14, and 2023-07-22 in summer time.
    const struct {
        const char* tz;
        std::int64_t start_utc, offset_s;
    } rows[] = {{"UTC0", 1'700'000'000, 0}, {"EST5EDT,M3.2.0,M11.1.0", 1'700'000'000, -5 * 3600},
                {"EST5EDT,M3.2.0,M11.1.0", 1'690'000'000, -4 * 3600}, {"IST-5:30", 1'700'000'000, 5 * 3600 + 1800}};
    for (const auto& row : rows) {
        ::setenv("TZ", row.tz, 1);
        ::tzset();
        w.start_utc = row.start_utc;
        const std::string file = write_fit_activity(w, 5);
        using namespace fit::profile;
        EXPECT_EQ(read(file, 34, 5) - read(file, 34, timestamp_field), row.offset_s) << row.tz;
        EXPECT_EQ(read(file, file_id::number, file_id::serial_number), 5) << row.tz;
    }
    zone.empty() ? ::unsetenv("TZ") : ::setenv("TZ", zone.c_str(), 1);
    ::tzset();
    const std::int64_t first = read(write_fit_activity(w), 0, 3), second = read(write_fit_activity(w), 0, 3);
    EXPECT_NE(first, second);
    EXPECT_GT(first, 0);
}

}  // namespace
}  // namespace trevalo::exports
