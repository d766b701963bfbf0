#include "editor/summary_captions.h"

#include <gtest/gtest.h>

namespace trevalo::editor {
namespace {

using enum program::Model;
using enum program::Unit;
using enum program::Mode;

// Each row: settings, time, the segments shown as runs of (count, tenths,
// percent), and the four captions. The segments a model hides hold 24 km/h
// at 15 %, which must not count.
TEST(SummaryCaptions, DistanceSpeedAndClimbFollowTheSegmentRule)
{
    struct Run {
        int count, tenths, percent;
    };
    const std::string c = "\xEF\xBC\x9A";
    const struct {
        program::Settings settings;
        int minutes;
        std::vector<Run> runs;
        SummaryCaptions captions;
    } rows[] = {
        {{QM20, MPH, General}, 30, {{20, 75, 2}},
         {"Segment" + c + "1:30", "Distance" + c + "3.75 Mile", "Avg speed" + c + "7.5 MPH", "Climb" + c + "396 ft"}},
        {{QM5, MPH, General}, 20, {{10, 100, 10}, {10, 50, 0}},
         {"Segment" + c + "1:00", "Distance" + c + "2.5 Mile", "Avg speed" + c + "7.5 MPH", "Climb" + c + "880 ft"}},
        {{R300, KPH, General}, 32, {{16, 100, 3}},
         {"Segment" + c + "2:00", "Distance" + c + "5.33 km", "Avg speed" + c + "10 KPH", "Climb" + c + "160 m"}},
        // 18.75 s a segment; half the time at 12 mph, half at 0.5: 6.25 mph, halves to even.
        {{R300, MPH, General}, 5, {{8, 120, 15}, {8, 5, 0}},
         {"Segment" + c + "0:19", "Distance" + c + "0.52 Mile", "Avg speed" + c + "6.2 MPH", "Climb" + c + "396 ft"}},
    };
    for (const auto& row : rows) {
        program::Program p = program::default_program(row.settings);
        p.speed.fill(240);
        p.incline.fill(15);
        p.minutes = row.minutes;
        std::size_t i = 0;
        for (const Run& run : row.runs)
            for (int n = 0; n < run.count; ++n, ++i) {
                p.speed[i] = static_cast<std::uint8_t>(run.tenths);
                p.incline[i] = static_cast<std::uint8_t>(run.percent);
            }
        EXPECT_EQ(summary_captions(p), row.captions) << row.minutes;
    }
}

}  // namespace
}  // namespace trevalo::editor
