#include "record_file_builder.h"
#include "records/record_reader.h"
#include "records/result_text.h"
#include "records/workout_statistics.h"
#include "records/workouts_table.h"

#include <gtest/gtest.h>

#include <memory>

namespace trevalo::records {
namespace {

using testing::RecordFile;
using testing::Sample;

Sample at(const char* minutes, const char* distance, const char* speed, const char* incline, const char* pulse)
{
    Sample s;
    s.minutes = minutes;
    s.distance = distance;
    s.speed = speed;
    s.incline = incline;
    s.pulse = pulse;
    return s;
}

std::unique_ptr<RecordStore> load(const std::string& unit, const std::vector<Sample>& samples)
{
    auto store = std::make_unique<RecordStore>();
    std::vector<std::string> names;
    RecordFile file;
    file.header().weight("150", unit);
    for (const Sample& s : samples)
        file.sample(s);
    EXPECT_FALSE(read_records(file.text(), *store, names));
    return store;
}

TEST(WorkoutReadings, EveryReadingIsKeptAsReadUsualShapeOrNot)
{
    Sample usual = at("02", "1.25", " 6.5", "05", " 39");
    usual.seconds = "05";
    usual.calories = "010";
    const Sample unusual = at(" 1", "12.5", "3.55", " 7", " -5");
    const auto store = load("LBS", {usual, unusual});
    const RawSample a = store->raw(0, 0), b = store->raw(0, 1);
    EXPECT_EQ((std::vector<double>{a.time, a.calories, a.pulse, a.incline, a.distance, a.speed}),
              (std::vector<double>{125, 10, 39, 5, 1.25, 6.5}));
    EXPECT_EQ((std::vector<double>{b.time, b.pulse, b.incline, b.distance, b.speed}),
              (std::vector<double>{60, -5, 7, 12.5, 3.55}));
}

TEST(WorkoutReadings, ElapsedTimeAndDistanceFollowTheTotalsUpOrDown)
{
    // Up: the readings themselves. Down: how far they fell from the first.
    const auto up = load("LBS", {at("00", "0.00", " 6.0", "00", "000"), at("10", "1.00", " 6.0", "00", "000"),
                                 at("20", "2.50", " 6.0", "00", "000")});
    const auto down = load(" KG", {at("30", "5.00", " 6.0", "00", "000"), at("20", "4.00", " 6.0", "00", "000"),
                                   at("05", "1.50", " 6.0", "00", "000")});
    const struct {
        const RecordStore& store;
        std::vector<double> elapsed, distance;
    } cases[] = {{*up, {0, 600, 1200}, {0, 1, 2.5}}, {*down, {0, 600, 1500}, {0, 1, 3.5}}};
    for (const auto& c : cases) {
        for (int i = 0; i < 3; ++i) {
            EXPECT_DOUBLE_EQ(sample_progress(c.store, 0, i).elapsed_s, c.elapsed[i]);
            EXPECT_NEAR(sample_progress(c.store, 0, i).distance, c.distance[i], 1e-6);
        }
        EXPECT_EQ(sample_progress(c.store, 0, 2).elapsed_s, c.store.record(0).rec_time);
        EXPECT_NEAR(sample_progress(c.store, 0, 2).distance, c.store.record(0).rec_distance, 1e-6);
    }
}

TEST(WorkoutStatistics, CaptionsInTheRecordsUnitWithDashesForWhatIsMissing)
{
    const std::string c = kFullWidthColon;
    const struct {
        const char* what;
        std::string unit;
        std::vector<Sample> samples;
        std::array<std::string, kStatisticsLabels> captions;
    } cases[] = {
        {"imperial, pulses below 40 left out",
         "LBS",
         {at("00", "0.00", " 6.0", "00", " 30"), at("30", "3.00", " 6.0", "02", "120"),
          at("60", "6.00", " 7.0", "04", "141")},
         {"Avg speed" + c + "6 MPH", "Max speed" + c + "7 MPH", "Avg pace" + c + "10:00 /mile",
          "Avg pulse" + c + "131 bpm", "Max pulse" + c + "141 bpm", "Climb" + c + "950 ft"}},
        {"metric, counting down, no pulse",
         " KG",
         {at("30", "5.00", " 9.6", "10", "000"), at("15", "2.50", "10.4", "10", "000"),
          at("00", "0.00", "10.0", "00", "000")},
         {"Avg speed" + c + "10 KPH", "Max speed" + c + "10.4 KPH", "Avg pace" + c + "6:00 /km",
          "Avg pulse" + c + "\xE2\x80\x93", "Max pulse" + c + "\xE2\x80\x93", "Climb" + c + "250 m"}},
        {"no samples",
         " KG",
         {},
         {"Avg speed" + c + "\xE2\x80\x93", "Max speed" + c + "\xE2\x80\x93", "Avg pace" + c + "\xE2\x80\x93",
          "Avg pulse" + c + "\xE2\x80\x93", "Max pulse" + c + "\xE2\x80\x93", "Climb" + c + "0 m"}},
    };
    for (const auto& t : cases) {
        const auto store = load(t.unit, t.samples);
        EXPECT_EQ(statistics_captions(workout_statistics(*store, 0), t.unit == "LBS"), t.captions) << t.what;
    }
}

TEST(WorkoutsTable, OneRowPerWorkoutTotalsPerUnitAndMissingValuesSortFirst)
{
    RecordFile file;
    file.header("2026/03/01 07:30").weight("150", "LBS");
    file.sample(at("00", "0.00", " 6.0", "00", "120")).sample(at("62", "6.20", " 6.0", "00", "150"));
    file.header("2026/03/02 18:00").weight(" 70", " KG");
    file.sample(at("30", "5.00", "10.0", "00", "000")).sample(at("00", "0.00", "10.0", "00", "000"));
    RecordStore store;
    std::vector<std::string> dates;
    ASSERT_FALSE(read_records(file.text(), store, dates));
    const std::vector<WorkoutRow> rows = workouts_table(dates, store);

    std::vector<std::vector<std::string>> cells;
    for (const WorkoutRow& row : rows) {
        cells.emplace_back();
        for (int column = 0; column < kWorkoutColumns; ++column)
            cells.back().push_back(workout_cell(row, column));
    }
    EXPECT_EQ(cells, (std::vector<std::vector<std::string>>{
                         {"2026/03/01 07:30", "1:02:00", "6.2 mi", "0 kcal", "6 mph", "135", "150", "150 lb", "2"},
                         {"2026/03/02 18:00", "30:00", "5 km", "0 kcal", "10 km/h", "\xE2\x80\x93",
                          "\xE2\x80\x93", "70 kg", "2"}}));
    EXPECT_LT(workout_sort_key(rows[1], 5), workout_sort_key(rows[0], 5));
    EXPECT_GT(workout_sort_key(rows[0], 1), workout_sort_key(rows[1], 1));
    EXPECT_EQ(totals_text(workouts_totals(rows)), "2 workouts, 1:32:00, 6.2 mi and 5 km, 0 kcal");
}

}  // namespace
}  // namespace trevalo::records
