#include "record_file_builder.h"
#include "records/record_view.h"
#include "records/result_text.h"
#include "records/workout_statistics.h"
#include "records/workouts_table.h"

#include <gtest/gtest.h>

#include <tuple>

namespace trevalo::records {
namespace {

using testing::RecordFile;

Result<void> load(RecordView& view, const std::string& file)
{
    view.begin_load();
    view.reader().feed(file);
    view.reader().finish();
    return view.end_load();
}

std::array<float, 4> ends(const LineState& l) { return {l.x1, l.y1, l.x2, l.y2}; }

// Samples without a pulse.
std::string record_of(int samples)
{
    return RecordFile().header().weight("150", "LBS").samples(samples, {.pulse = " 30", .speed = " 6.0"}).text();
}

TEST(RecordView, TheScrollBarShowsOnlyForRecordsLongerThanTheCharts)
{
    // Lines are shown for every sample, also one without a pulse.
    for (const auto& [samples, visible, maximum, lines] :
         {std::tuple{5, false, 0, 5}, {20, false, 0, 20}, {21, true, 1, 20}, {1025, true, 1005, 20}}) {
        RecordView view;
        ASSERT_TRUE(load(view, record_of(samples)));
        const ScrollState& s = view.scroll();
        EXPECT_EQ(std::tuple(s.visible, s.maximum, s.start_caption, s.end_caption),
                  std::tuple(visible, maximum, "1", "20"))
            << samples;
        view.scroll_to(maximum);  // the last sample of the largest record too
        int shown = 0;
        for (int k = 0; k < kColumns; ++k)
            shown += view.line(k).visible;
        EXPECT_EQ(shown, lines) << samples;
    }
}

// A pulse level is 120 twips above the bottom at 2760; each segment of the
// line starts where the one before it ends.
TEST(RecordView, ScrollingMovesThePulseLineByWholeSamples)
{
    RecordFile file;
    file.header().weight("150", "LBS");
    for (int i = 0; i < 30; ++i)
        file.sample({.pulse = std::to_string(1040 + 10 * i).substr(1), .speed = " 6.0"});  // "040"...: level i + 1
    RecordView view;
    ASSERT_TRUE(load(view, file.text()));
    EXPECT_EQ(ends(view.line(0)), (std::array<float, 4>{570, 2640, 570, 2640}));
    EXPECT_EQ(ends(view.line(1)), (std::array<float, 4>{570, 2640, 870, 2520}));
    view.scroll_to(3);
    EXPECT_EQ(std::tuple(view.scroll().start_caption, view.scroll().end_caption), std::tuple("4", "23"));
    EXPECT_EQ(ends(view.line(0)), (std::array<float, 4>{570, 2280, 570, 2280}));  // the fourth sample, level 4
    view.scroll_to(10);
    EXPECT_EQ(view.scroll().end_caption, "30");
    EXPECT_EQ(ends(view.line(19))[3], 2760 - 120 * 30);
    view.scroll_to(11);  // past the end: refused
    EXPECT_EQ(view.scroll().value, 10);
    view.choose_date(0);  // picking a record brings the window back to its start
    EXPECT_EQ(std::tuple(view.scroll().value, view.scroll().start_caption), std::tuple(0, "1"));
}

TEST(RecordView, TimesShowMinutesAndTwoDigitSecondsAndDistancesShortDecimals)
{
    for (const auto& [seconds, shown] : {std::pair{1510, "25：10"}, {1800, "30：00"}, {125, "2：05"}, {59, "0：59"},
                                         {0, "0：00"}, {3600, "60：00"}, {-65, "-1：05"}})
        EXPECT_EQ(time_text(seconds), shown) << seconds;
    for (const auto& [distance, shown] : {std::pair{2.5, "2.5"}, {12.0, "12"}, {0.35, "0.35"}, {5.0 - 3.7, "1.3"},
                                          {0.0, "0"}, {0.00001, "0.00001"}, {9999.0, "9999"}})
        EXPECT_EQ(distance_text(distance), shown) << distance;
}

// A load given up, at any point, leaves the file shown before exactly as it
// was (what the window then shows is record_tab_test's); the next load
// starts afresh.
TEST(RecordView, ACancelledLoadChangesNothing)
{
    RecordView view;
    ASSERT_TRUE(load(view, record_of(30) + record_of(3)));
    view.take_changes();
    view.begin_load();
    view.reader().feed(record_of(1));
    view.cancel_load();
    EXPECT_EQ(view.take_changes(), 0);
    EXPECT_EQ(view.store().record(1).rec_count, 3);

    // Loads after a cancelled one hold only their own file.
    for (int load_count = 0; load_count < 2; ++load_count) {
        ASSERT_TRUE(load(view, record_of(2)));
        const RecordTotals& gone = view.store().record(1);
        EXPECT_EQ(std::tuple(view.dates().size(), gone.rec_count, gone.rec_unit, view.store().levels(1, 0).rec_speed,
                             view.speed_bar(2)),
                  std::tuple(1u, 0, "", 0, 0));
    }
}

const std::string kDash = "\xE2\x80\x93";

// Counting up with pulses below 40 left out, counting down without a pulse,
// no samples, and a distance display ahead of the speed display: the average
// is the maximum, not more.
TEST(WorkoutStatistics, ProgressCaptionsAndTableRowsInEachWorkoutsUnit)
{
    RecordFile file;
    file.header("2026/03/01 07:30").weight("150", "LBS").line("00:00 000  30 00 0.00  6.0");
    file.line("10:00 050 120 02 1.00  6.0").line("62:00 310 141 04 6.20  7.0");
    file.header("2026/03/02 18:00").weight(" 70", " KG").line("30:00 200 000 10 5.00  9.6");
    file.line("20:00 150  -5 10 4.00 10.4").line("05:00 040 000 00 1.50 3.55");
    file.header("2026/03/03 06:00").weight(" 70", " KG");
    file.header().weight(" 70", " KG").line("00:00 000 000 00 0.00  6.0").line("20:00 100 000 00 2.02  6.0");
    const auto l = testing::load(file.text());
    ASSERT_TRUE(l.outcome) << l.outcome.error();
    const std::string c = kFullWidthColon;
    const struct {
        std::vector<double> elapsed, distance;  // of each sample since the start
        std::array<std::string, kStatisticsLabels> captions;
        std::vector<std::string> cells;
    } workouts[] = {
        {{0, 600, 3720}, {0, 1, 6.2},
         {"Avg speed" + c + "6 MPH", "Max speed" + c + "7 MPH", "Avg pace" + c + "10:00 /mile",
          "Avg pulse" + c + "131 bpm", "Max pulse" + c + "141 bpm", "Climb" + c + "1204 ft"},
         {"2026/03/01 07:30", "1:02:00", "6.2 mi", "310 kcal", "6 mph", "131", "141", "150 lb", "3"}},
        {{0, 600, 1500}, {0, 1, 3.5},
         {"Avg speed" + c + "8.4 KPH", "Max speed" + c + "10.4 KPH", "Avg pace" + c + "7:09 /km",
          "Avg pulse" + c + kDash, "Max pulse" + c + kDash, "Climb" + c + "100 m"},
         {"2026/03/02 18:00", "25:00", "3.5 km", "160 kcal", "8.4 km/h", kDash, kDash, "70 kg", "3"}},
        {{}, {},
         {"Avg speed" + c + kDash, "Max speed" + c + kDash, "Avg pace" + c + kDash, "Avg pulse" + c + kDash,
          "Max pulse" + c + kDash, "Climb" + c + "0 m"},
         {"2026/03/03 06:00", "0:00", "0 km", "0 kcal", kDash, kDash, kDash, "70 kg", "0"}},
        {{0, 1200}, {0, 2.02},
         {"Avg speed" + c + "6 KPH", "Max speed" + c + "6 KPH", "Avg pace" + c + "10:00 /km",
          "Avg pulse" + c + kDash, "Max pulse" + c + kDash, "Climb" + c + "0 m"},
         {"2026/03/01 07:30", "20:00", "2.02 km", "100 kcal", "6 km/h", kDash, kDash, "70 kg", "2"}},
    };
    // A reading that does not pack is kept as read; a packed one's show in the captions and cells.
    const RawSample b = l.store->raw(1, 1);
    EXPECT_EQ((std::array{b.time, b.calories, b.pulse, b.incline, b.distance, b.speed}),
              (std::array{1200.0, 150.0, -5.0, 10.0, 4.0, 10.4}));
    EXPECT_EQ(l.store->raw(1, 2).speed, 3.55);  // hundredths, where the usual shape has tenths
    const std::vector<WorkoutRow> rows = workouts_table(l.names, *l.store);
    ASSERT_EQ(rows.size(), 4u);
    for (int r = 0; r < 4; ++r) {
        const auto& w = workouts[r];
        for (std::size_t i = 0; i < w.elapsed.size(); ++i) {
            const Progress p = sample_progress(*l.store, r, static_cast<int>(i));
            EXPECT_EQ(std::pair(p.elapsed_s, p.distance), std::pair(w.elapsed[i], w.distance[i])) << r << ", " << i;
        }
        EXPECT_EQ(statistics_captions(workout_statistics(*l.store, r), r == 0), w.captions) << r;
        for (int column = 0; column < kWorkoutColumns; ++column)
            EXPECT_EQ(workout_cell(rows[r], column), w.cells[column]) << r << ", " << column;
    }
    // A missing value sorts before every other.
    EXPECT_LT(workout_sort_key(rows[1], 5), workout_sort_key(rows[0], 5));
    EXPECT_GT(workout_sort_key(rows[0], 1), workout_sort_key(rows[1], 1));
    EXPECT_EQ(totals_text(workouts_totals(rows)), "4 workouts, 1:47:00, 6.2 mi and 5.5 km, 570 kcal");
}

}  // namespace
}  // namespace trevalo::records
