#include "program/summary.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trevalo::program {
namespace {

using enum Model;
using enum Unit;
using enum Mode;

// Each row: settings, time, the speeds and inclines of the segments shown
// as runs of (count, tenths, percent), and what the summary must say.
TEST(Summary, DistanceSpeedAndClimbFollowTheSegmentRule)
{
    struct Run {
        int count, tenths, percent;
    };
    const struct {
        Settings settings;
        int minutes;
        std::vector<Run> runs;
        double segment_s, distance, average_speed, climb;
    } rows[] = {
        // 30 min over 20 segments: 1:30 each; 7.5 mph for half an hour.
        {{QM20, MPH, General}, 30, {{20, 75, 2}}, 90, 3.75, 7.5, 396},
        // Half the segments at 10 mph and 10 %, half at 5 mph and flat.
        {{QM5, MPH, General}, 20, {{10, 100, 10}, {10, 50, 0}}, 60, 2.5, 7.5, 880},
        // "R300": 16 segments, whatever the lists hold for the hidden four.
        {{R300, KPH, General}, 32, {{16, 100, 3}}, 120, 16.0 / 3, 10, 160},
        // 5 minutes: 18.75 s a segment; half the time at 12 mph, half at 0.5.
        {{R300, MPH, General}, 5, {{8, 120, 15}, {8, 5, 0}}, 18.75, 0.5 + 0.5 / 24, 6.25, 396},
    };
    for (const auto& row : rows) {
        Program p = default_program(row.settings);
        p.speed.fill(240);  // the hidden segments of "R300" must not count
        p.incline.fill(15);
        p.minutes = row.minutes;
        int i = 0;
        for (const Run& run : row.runs)
            for (int n = 0; n < run.count; ++n, ++i) {
                p.speed[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(run.tenths);
                p.incline[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(run.percent);
            }
        const Summary s = summarise(p);
        SCOPED_TRACE(std::string(model_name(row.settings.model)) + " " + std::to_string(row.minutes));
        EXPECT_DOUBLE_EQ(s.segment_s, row.segment_s);
        EXPECT_NEAR(s.distance, row.distance, 1e-9);
        EXPECT_NEAR(s.average_speed, row.average_speed, 1e-9);
        EXPECT_NEAR(s.climb, row.climb, 1e-6);
    }
}

}  // namespace
}  // namespace trevalo::program
