#include "exports/export_formats.h"
#include "exports/fit_activity_writer.h"
#include "exports/record_workout.h"
#include "fit/crc.h"
#include "records/record_reader.h"
#include "records/tests/record_file_builder.h"
#include "test_support/read_back.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace trevalo::exports {
namespace {

// Miles, mph and feet, or kilometres and km/h, become metres and m/s; a pulse
// below 40 is no heart rate; a time display that counts down gives the
// elapsed time too. The samples' CSV keeps the record's own units and times.
TEST(WorkoutFile, ARecordBecomesAWorkoutInSiUnits)
{
    const struct {
        const char* unit;
        double metres, speed_mps, ascent_m;
        std::string name, first_minutes, last_minutes, first_time_s, last_time_s;
    } cases[] = {{"LBS", 1609.344, 6 * 0.44704, 1609.344 * 0.02, "mi", "00", "10", "0", "600"},
                 {" KG", 1000, 6 / 3.6, 20, "km", "10", "00", "600", "0"}};
    for (const auto& c : cases) {
        records::testing::RecordFile file;
        file.header().weight("150", c.unit);
        file.sample({.minutes = c.first_minutes, .pulse = " 30", .incline = "02", .speed = " 6.0"});
        file.sample({.minutes = c.last_minutes, .pulse = "120", .incline = "02", .distance = "1.00", .speed = " 6.0"});
        const auto l = records::testing::load(file.text());
        ASSERT_TRUE(l.outcome) << l.outcome.error();
        const Workout w = workout_from_record(*l.store, 0, 1772346600);
        ASSERT_EQ(w.points.size(), 2u);
        EXPECT_EQ(std::tuple(w.start_utc, w.elapsed_s, w.max_heart_rate, w.points[0].heart_rate,
                             w.points[1].heart_rate, w.points[1].elapsed_s, w.points[1].grade_percent),
                  std::tuple(1772346600, 600, 120, std::nullopt, 120, 600, 2))
            << c.unit;
        EXPECT_NEAR(w.distance_m, c.metres, 1e-3) << c.unit;
        EXPECT_NEAR(w.max_speed_mps, c.speed_mps, 1e-6) << c.unit;
        EXPECT_NEAR(w.ascent_m, c.ascent_m, 1e-3) << c.unit;
        EXPECT_NEAR(w.points[1].distance_m, c.metres, 1e-3) << c.unit;
        EXPECT_EQ(samples_csv(*l.store, 0),
                  "elapsed_s,time_s,calories_kcal,pulse_bpm,incline_percent,distance,speed,unit\r\n0," +
                      c.first_time_s + ",0,30,2,0,6," + c.name + "\r\n600," + c.last_time_s + ",0,120,2,1,6," +
                      c.name + "\r\n");
    }
}

// Every workout of the largest file the treadmill can write, in every format:
// FIT whole by its CRC, TCX closed, CSV one row per sample. Their logs run
// ahead of their speed displays: the average exported is still no more than
// the maximum.
TEST(WorkoutFile, TheLargestRecordFileExportsEveryWorkout)
{
    if (const std::string missing = test_support::missing("command -v python3", "python3"); !missing.empty())
        GTEST_SKIP() << missing;
    const auto [status, file] =
        test_support::read_back("python3 " TREVALO_SOURCE_DIR "/bench/make_largest_record_file.py /dev/stdout", {});
    ASSERT_EQ(status, 0) << file.substr(0, 2000);
    auto store = std::make_unique<records::RecordStore>();
    std::vector<std::string> dates;
    ASSERT_TRUE(records::read_records(file, *store, dates));
    ASSERT_EQ(dates.size(), 1024u);
    for (int r = 0; r < 1024; ++r) {
        const Workout w = workout_from_record(*store, r, 1772346600);
        ASSERT_LE(w.average_speed_mps, w.max_speed_mps) << r;
        const auto formats = workout_formats();
        ASSERT_EQ(formats.size(), 3u);
        const std::string fit = formats[0].write(*store, r, 1772346600);
        ASSERT_EQ(fit::crc16(fit), 0) << r;
        const std::string tcx = formats[1].write(*store, r, 1772346600);
        ASSERT_NE(tcx.find("</TrainingCenterDatabase>"), std::string::npos) << r;
        const std::string csv = formats[2].write(*store, r, 1772346600);
        ASSERT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1026) << r;
    }
}

}  // namespace
}  // namespace trevalo::exports
