#include "records/workout_chart.h"

#include "records/workout_statistics.h"

#include <algorithm>
#include <cmath>

namespace trevalo::records {

namespace {

// A top a little above the highest value, rounded to a readable number.
double top_for(double highest, double step)
{
    return std::max(step, std::ceil(highest / step) * step);
}

}  // namespace

WholeWorkout whole_workout(const RecordStore& store, int r)
{
    WholeWorkout chart;
    const int count = store.record(r).rec_count;
    if (count == 0)
        return chart;
    double highest_speed = 0, highest_incline = 0, highest_pulse = 0;
    std::vector<double> elapsed(static_cast<std::size_t>(count));
    bool rising = true;
    const ProgressRule progress(store, r);
    for (int i = 0; i < count; ++i) {
        const RawSample raw = store.raw(r, i);
        highest_speed = std::max<double>(highest_speed, raw.speed);
        highest_incline = std::max<double>(highest_incline, raw.incline);
        if (raw.pulse >= kLowestPulse)
            highest_pulse = std::max<double>(highest_pulse, raw.pulse);
        elapsed[static_cast<std::size_t>(i)] = progress(raw).elapsed_s;
        rising = rising && (i == 0 || elapsed[static_cast<std::size_t>(i)] >= elapsed[static_cast<std::size_t>(i - 1)]);
    }
    chart.duration_s = elapsed.back();
    chart.top_speed = top_for(highest_speed, 2);
    chart.top_incline = top_for(highest_incline, 5);
    chart.top_pulse = top_for(highest_pulse, 20);
    // Time runs left to right; where the time display did not, the samples
    // stand evenly instead.
    const bool by_time = rising && chart.duration_s > 0;
    chart.points.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const RawSample raw = store.raw(r, i);
        ChartPoint p;
        p.x = by_time ? elapsed[static_cast<std::size_t>(i)] / chart.duration_s
                      : (count > 1 ? static_cast<double>(i) / (count - 1) : 0);
        p.speed = std::clamp(raw.speed / chart.top_speed, 0.0, 1.0);
        p.incline = std::clamp(raw.incline / chart.top_incline, 0.0, 1.0);
        if (raw.pulse >= kLowestPulse)
            p.pulse = std::clamp(raw.pulse / chart.top_pulse, 0.0, 1.0);
        chart.points.push_back(p);
    }
    return chart;
}

int sample_at(const WholeWorkout& chart, double x)
{
    if (chart.points.empty())
        return 0;
    const auto after = std::lower_bound(chart.points.begin(), chart.points.end(), x,
                                        [](const ChartPoint& p, double at) { return p.x < at; });
    if (after == chart.points.begin())
        return 0;
    if (after == chart.points.end())
        return static_cast<int>(chart.points.size()) - 1;
    const auto before = after - 1;
    return static_cast<int>((x - before->x <= after->x - x ? before : after) - chart.points.begin());
}

}  // namespace trevalo::records
