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
        {{R300, MPH, General}, 5, {{8, 120, 15}, {8, 5, 0}}, 18.75, 0.5 * 5 / 60 * 12 + 0.5 * 5 / 60 * 0.5,
         6.25, 0.5 * 5 / 60 * 12 * 0.15 * 5280},
        {{QM20, KPH, Silver}, 99, {{1, 120, 6}, {19, 3, 0}}, 297, (12 + 19 * 0.3) * 297 / 3600,
         (12 + 19 * 0.3) * 297 / 3600 / (99 / 60.0), 12 * 297 / 3600.0 * 0.06 * 1000},
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
