#include "plans/timeline_readings.h"

#include <algorithm>
#include <cmath>

namespace trevalo::plans {

namespace {

// Pieces shorter than this are float noise where a second and a segment's
// end nearly meet.
constexpr double kShortestPiece = 1e-6;

void add_ramp(const TimedStep& step, double segment_s, std::vector<program::Reading>& readings)
{
    const double slope = (step.end_speed_mps - step.speed_mps) / step.duration_s;
    const double end = step.end_s();
    double from = step.start_s;
    // Cuts are computed from whole counts, never by adding, so that
    // 86,400 pieces do not drift.
    double next_second = step.start_s + 1;
    double next_segment = (std::floor(step.start_s / segment_s) + 1) * segment_s;
    long long seconds = 1;
    while (end - from > kShortestPiece) {
        const double to = std::min({next_second, next_segment, end});
        if (to - from > kShortestPiece) {
            const double middle = (from + to) / 2 - step.start_s;
            readings.push_back({from, step.speed_mps + slope * middle, step.incline_pct});
            from = to;
        }
        if (to >= next_second)
            next_second = step.start_s + static_cast<double>(++seconds);
        if (to >= next_segment)
            next_segment = (std::floor(to / segment_s + 0.5) + 1) * segment_s;
    }
}

}  // namespace

std::vector<program::Reading> timeline_readings(const Timeline& timeline, double segment_s)
{
    std::vector<program::Reading> readings;
    readings.reserve(timeline.steps.size());
    for (const TimedStep& step : timeline.steps) {
        if (step.duration_s <= kShortestPiece)
            continue;
        if (step.ramp())
            add_ramp(step, segment_s, readings);
        else
            readings.push_back({step.start_s, step.speed_mps, step.incline_pct});
    }
    return readings;
}

}  // namespace trevalo::plans
