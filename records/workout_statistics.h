#pragma once

// What a workout's samples say beyond its totals: each sample's elapsed time
// and distance since the start, and the statistics shown beside the results.

#include "records/record_store.h"

#include <array>
#include <optional>
#include <string>

namespace trevalo::records {

// Pulses below this are no reading: the chest belt was off.
inline constexpr double kLowestPulse = 40;

// A sample's elapsed time and distance by the rule of the record's totals:
// a display that counts up gives its reading, one that counts down the first
// reading minus this one; so the last sample's values are the totals.
struct Progress {
    double elapsed_s = 0;
    double distance = 0;  // in the record's unit
};
// The record's first and last readings, which say how each display ran.
class ProgressRule {
public:
    ProgressRule(const RecordStore& store, int r);
    Progress operator()(const RawSample& sample) const;

private:
    RawSample first_, last_;
};
Progress sample_progress(const RecordStore& store, int r, int i);

struct WorkoutStatistics {
    std::optional<double> average_speed;  // the record's unit per hour
    std::optional<double> max_speed;
    std::optional<double> pace_s;         // seconds per mile or kilometre
    std::optional<int> average_pulse;     // of the samples with a pulse
    std::optional<int> max_pulse;
    double climb = 0;                     // feet or metres
};
WorkoutStatistics workout_statistics(const RecordStore& store, int r);

inline constexpr int kStatisticsLabels = 6;
// The captions of the Statistics frame, "–" where a value is missing; with
// no workout shown, the names alone.
std::array<std::string, kStatisticsLabels> statistics_captions(const WorkoutStatistics& statistics, bool imperial);
std::array<std::string, kStatisticsLabels> statistics_names();

}  // namespace trevalo::records
