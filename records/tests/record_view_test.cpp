#include "record_file_builder.h"
#include "records/record_view.h"
#include "records/result_text.h"

#include <gtest/gtest.h>

#include <tuple>

namespace trevalo::records {
namespace {

using testing::RecordFile;
using testing::Sample;

const std::string kColon = kFullWidthColon;

std::optional<LoadError> load(RecordView& view, const std::string& file)
{
    view.begin_load();
    view.reader().feed(file);
    view.reader().finish();
    return view.end_load();
}

// A record whose samples carry pulse levels p, speeds `speed` and inclines 04.
std::string record_with_pulses(const std::vector<std::string>& pulses, const std::string& unit = "LBS")
{
    RecordFile f;
    f.header().weight("150", unit);
    for (const std::string& p : pulses) {
        Sample s;
        s.pulse = p;
        s.speed = " 6.0";
        s.incline = "04";
        f.sample(s);
    }
    return f.text();
}

std::string record_of(int samples, const std::string& unit = "LBS")
{
    return record_with_pulses(std::vector<std::string>(static_cast<std::size_t>(samples), "120"), unit);
}

TEST(RecordView, TheScrollBarShowsOnlyForRecordsLongerThanTheCharts)
{
    struct Case {
        int samples;
        bool visible;
        int maximum;
    };
    for (const Case& c : {Case{5, false, 0}, Case{20, false, 0}, Case{21, true, 1}, Case{1025, true, 1005}}) {
        RecordView view;
        view.Form_Load();
        ASSERT_FALSE(load(view, record_of(c.samples)));
        EXPECT_EQ(view.scroll().visible, c.visible) << c.samples;
        EXPECT_EQ(view.scroll().maximum, c.maximum) << c.samples;
        EXPECT_EQ(view.scroll().start_caption, "1");
        EXPECT_EQ(view.scroll().end_caption, "20");
    }
}

TEST(RecordView, ScrollingMovesTheWindowByWholeSamples)
{
    RecordView view;
    view.Form_Load();
    std::vector<std::string> pulses;
    for (int i = 0; i < 30; ++i)
        pulses.push_back(testing::right_aligned(40 + 10 * i, 3, ' '));  // level i + 1
    ASSERT_FALSE(load(view, record_with_pulses(pulses)));
    view.scroll_to(3);
    EXPECT_EQ(view.scroll().start_caption, "4");
    EXPECT_EQ(view.scroll().end_caption, "23");
    EXPECT_EQ(view.line(0).y1, 2760 - 120 * 4);  // sample 3, level 4
    view.scroll_to(10);
    EXPECT_EQ(view.scroll().end_caption, "30");
    EXPECT_EQ(view.line(19).y2, 2760 - 120 * 30);
    view.scroll_to(11);  // past the end: refused
    EXPECT_EQ(view.scroll().value, 10);

    view.choose_date(0);  // picking a record brings the window back to its start
    EXPECT_EQ(view.scroll().value, 0);
    EXPECT_EQ(view.scroll().start_caption, "1");
}

TEST(RecordView, ThePulseLineJoinsTheColumnCentres)
{
    RecordView view;
    view.Form_Load();
    ASSERT_FALSE(load(view, record_with_pulses({"120", "125", " 30", "060", "060"})));
    struct Expected {
        float x1, y1, x2, y2;
        bool visible;
    };
    const Expected lines[] = {{570, 1680, 570, 1680, true},   {570, 1680, 870, 1560, true},
                              {870, 1560, 1170, 2760, true},  {1170, 2760, 1470, 2400, true},
                              {1470, 2400, 1770, 2400, true}, {1770, 2400, 2070, 2760, false}};
    for (int k = 0; k < 6; ++k) {
        const LineState& l = view.line(k);
        EXPECT_EQ((std::array{l.x1, l.y1, l.x2, l.y2}),
                  (std::array{lines[k].x1, lines[k].y1, lines[k].x2, lines[k].y2}))
            << k;
        EXPECT_EQ(l.visible, lines[k].visible) << k;
    }
    EXPECT_FALSE(view.line(19).visible);
    EXPECT_EQ(view.line(19).x2, 570 + 300 * 19);
}

TEST(RecordView, TimesShowMinutesAndTwoDigitSeconds)
{
    struct Case {
        int seconds;
        const char* shown;
    };
    for (const Case& c : {Case{1510, "25：10"}, Case{1800, "30：00"}, Case{125, "2：05"}, Case{59, "0：59"},
                          Case{0, "0：00"}, Case{3600, "60：00"}, Case{-65, "-1：05"}})
        EXPECT_EQ(time_text(c.seconds), c.shown) << c.seconds;
}

TEST(RecordView, DistancesAreShortDecimalsWithAPoint)
{
    struct Case {
        double distance;
        const char* shown;
    };
    for (const Case& c : {Case{2.5, "2.5"}, Case{12, "12"}, Case{0.35, "0.35"}, Case{5.0 - 3.7, "1.3"},
                          Case{0, "0"}, Case{0.00001, "0.00001"}, Case{9999, "9999"}})
        EXPECT_EQ(distance_text(c.distance), c.shown) << c.distance;
}

// A load given up, at any point, leaves the file shown before exactly as it
// was; the next load starts afresh.
TEST(RecordView, ACancelledLoadChangesNothing)
{
    RecordView view;
    view.Form_Load();
    ASSERT_FALSE(load(view, record_of(30) + record_of(3)));
    view.choose_date(0);
    view.scroll_to(7);
    view.take_changes();
    const auto shown = [&view] {
        return std::tuple(view.dates(), view.selected_date(), view.label_time(), view.scroll().value,
                          view.speed_bar(0), view.line(5).y2, pulse_chart_description(view));
    };
    const auto before = shown();

    view.begin_load();
    view.reader().feed(record_with_pulses({"090"}, " KG"));
    view.cancel_load();
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(view.take_changes(), 0);
    EXPECT_EQ(view.store().record(1).rec_count, 3);

    // Loads after a cancelled one hold only their own file.
    for (int load_count = 0; load_count < 2; ++load_count) {
        ASSERT_FALSE(load(view, record_of(2)));
        EXPECT_EQ(view.dates().size(), 1u);
        EXPECT_EQ(view.store().record(1).rec_count, 0);
        EXPECT_EQ(view.store().record(1).rec_unit, "");
        EXPECT_EQ(view.store().levels(1, 0).rec_speed, 0);
        EXPECT_EQ(view.speed_bar(2), 0);
    }
}

}  // namespace
}  // namespace trevalo::records
