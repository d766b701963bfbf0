#include "records/workout_statistics.h"

#include "base/translation.h"
#include "records/result_text.h"

#include <algorithm>
#include <cmath>

namespace trevalo::records {

namespace {

constexpr const char* kDash = "\xE2\x80\x93";  // U+2013
constexpr double kFeetPerMile = 5280;
constexpr double kMetresPerKilometre = 1000;

double since_start(double first, double last, double reading)
{
    return last > first ? reading : first - reading;
}

std::string one_decimal(double value)
{
    return distance_text(std::nearbyint(value * 10) / 10);
}

std::string caption(const char* name, const std::string& value)
{
    return std::string(name) + kFullWidthColon + value;
}

// The distance display runs ahead of the speed display (a steady 6 MPH for
// 20 minutes may log 2.02 miles), so the log's distance over its time can
// give more than the fastest reading. No average exceeds the maximum: there
// the fastest reading is the average, and the pace follows it.
void bound_average_speed(WorkoutStatistics& s)
{
    if (!s.average_speed || !s.max_speed || *s.average_speed <= *s.max_speed)
        return;
    s.average_speed = s.max_speed;
    s.pace_s = *s.max_speed > 0 ? std::optional(3600 / *s.max_speed) : std::nullopt;
}

}  // namespace

ProgressRule::ProgressRule(const RecordStore& store, int r)
{
    const int count = store.record(r).rec_count;
    if (count > 0) {
        first_ = store.raw(r, 0);
        last_ = store.raw(r, count - 1);
    }
}

Progress ProgressRule::operator()(const RawSample& sample) const
{
    return {since_start(first_.time, last_.time, sample.time),
            since_start(first_.distance, last_.distance, sample.distance)};
}

Progress sample_progress(const RecordStore& store, int r, int i)
{
    return ProgressRule(store, r)(store.raw(r, i));
}

WorkoutStatistics workout_statistics(const RecordStore& store, int r)
{
    const RecordTotals& record = store.record(r);
    WorkoutStatistics s;
    if (record.rec_time > 0)
        s.average_speed = record.rec_distance / (record.rec_time / 3600.0);
    if (record.rec_distance > 0)
        s.pace_s = record.rec_time / record.rec_distance;

    double pulse_sum = 0;
    int pulses = 0;
    double previous_distance = 0;
    const double rise_unit = RecordStore::imperial(record) ? kFeetPerMile : kMetresPerKilometre;
    const ProgressRule progress(store, r);
    for (int i = 0; i < record.rec_count; ++i) {
        const RawSample sample = store.raw(r, i);
        s.max_speed = std::max<double>(s.max_speed.value_or(sample.speed), sample.speed);
        if (sample.pulse >= kLowestPulse) {
            pulse_sum += sample.pulse;
            ++pulses;
            s.max_pulse = std::max(s.max_pulse.value_or(0), static_cast<int>(std::lround(sample.pulse)));
        }
        // The incline of a sample lifts the runner over the way since the one before.
        const double distance = progress(sample).distance;
        if (i > 0 && distance > previous_distance && sample.incline > 0)
            s.climb += (distance - previous_distance) * sample.incline / 100 * rise_unit;
        previous_distance = distance;
    }
    if (pulses > 0)
        s.average_pulse = static_cast<int>(std::lround(pulse_sum / pulses));
    bound_average_speed(s);
    return s;
}

std::array<std::string, kStatisticsLabels> statistics_names()
{
    return {translated("records", "Avg speed"), translated("records", "Max speed"), translated("records", "Avg pace"),
            translated("records", "Avg pulse"), translated("records", "Max pulse"), translated("records", "Climb")};
}

std::array<std::string, kStatisticsLabels> statistics_captions(const WorkoutStatistics& s, bool imperial)
{
    const std::string speed_unit = imperial ? translated("records", "%1 MPH") : translated("records", "%1 KPH");
    auto or_dash = [](const auto& value, auto text) { return value ? text(*value) : std::string(kDash); };
    auto pace = [&](double seconds) {
        const long whole = std::lround(seconds);
        const long sec = whole % 60;
        return filled(imperial ? translated("records", "%1 /mile") : translated("records", "%1 /km"),
                      std::to_string(whole / 60) + ":" + (sec < 10 ? "0" : "") + std::to_string(sec));
    };
    auto bpm = [](int pulse) { return filled(translated("records", "%1 bpm"), pulse); };
    const auto names = statistics_names();
    return {caption(names[0].c_str(), or_dash(s.average_speed, [&](double v) { return filled(speed_unit, one_decimal(v)); })),
            caption(names[1].c_str(), or_dash(s.max_speed, [&](double v) { return filled(speed_unit, one_decimal(v)); })),
            caption(names[2].c_str(), or_dash(s.pace_s, pace)),
            caption(names[3].c_str(), or_dash(s.average_pulse, bpm)),
            caption(names[4].c_str(), or_dash(s.max_pulse, bpm)),
            caption(names[5].c_str(), filled(imperial ? translated("records", "%1 ft") : translated("records", "%1 m"),
                                             std::lround(s.climb)))};
}

}  // namespace trevalo::records
