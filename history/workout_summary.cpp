#include "history/workout_summary.h"

#include "records/workout_statistics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace trevalo::history {

namespace {

// The time at which the way reaches `distance`, between points k and k + 1
// whose distances bound it and differ.
double time_at(const std::vector<Point>& p, std::size_t k, double distance)
{
    const Point& a = p[k];
    const Point& b = p[k + 1];
    return a.elapsed_s + (distance - a.distance) / (b.distance - a.distance) * (b.elapsed_s - a.elapsed_s);
}

}  // namespace

std::optional<double> fastest_span(const std::vector<Point>& input, double span)
{
    if (input.size() < 2 || !(span > 0))
        return std::nullopt;
    std::vector<Point> p = input;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i].distance = std::max(p[i].distance, p[i - 1].distance);
    if (p.back().distance - p.front().distance < span)
        return std::nullopt;

    // Along a way that grows linearly between points, a shortest stretch
    // starts or ends at a point: try each point as the end, then as the start.
    double best = INFINITY;
    std::size_t k = 0;
    for (std::size_t j = 1; j < p.size(); ++j) {
        const double from = p[j].distance - span;
        if (from < p.front().distance)
            continue;
        // The latest moment at `from`: past every point still at or below it.
        while (p[k + 1].distance <= from)
            ++k;
        best = std::min(best, p[j].elapsed_s - time_at(p, k, from));
    }
    std::size_t m = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const double to = p[i].distance + span;
        m = std::max(m, i);
        while (m < p.size() && p[m].distance < to)
            ++m;
        if (m == p.size())
            break;
        best = std::min(best, time_at(p, m - 1, to) - p[i].elapsed_s);
    }
    return best;
}

WorkoutSummary summarise(const records::RecordStore& store, int r)
{
    const records::RecordTotals& record = store.record(r);
    const bool imperial = records::RecordStore::imperial(record);
    const double km_per_unit = imperial ? kKilometresPerMile : 1;
    WorkoutSummary s;
    s.calories = record.rec_calories;

    std::vector<Point> points;
    points.reserve(static_cast<std::size_t>(std::max<int>(record.rec_count, 0)));
    const records::ProgressRule progress(store, r);
    for (int i = 0; i < record.rec_count; ++i) {
        const records::Progress at = progress(store.raw(r, i));
        points.push_back({at.elapsed_s, at.distance});
    }
    if (!points.empty()) {
        s.duration_s = points.back().elapsed_s;
        s.distance = points.back().distance;
        s.distance_km = s.distance * km_per_unit;
    }

    const records::WorkoutStatistics statistics = records::workout_statistics(store, r);
    s.climb_m = imperial ? statistics.climb * kMetresPerFoot : statistics.climb;
    // From the samples, as the durations and distances here are.
    if (s.duration_s > 0)
        s.average_speed = s.distance / (s.duration_s / 3600);
    s.average_pulse = statistics.average_pulse;

    for (int b = 0; b < kBestDistances; ++b) {
        if (const auto seconds = fastest_span(points, kBestDistanceKm[static_cast<std::size_t>(b)] / km_per_unit))
            s.fastest[static_cast<std::size_t>(b)] = std::nearbyint(*seconds);
    }
    return s;
}

}  // namespace trevalo::history
