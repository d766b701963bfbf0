#pragma once

// Turning a workout over time into a program: readings that each hold from
// their start until the next one's, averaged by time over equal segments,
// then the nearest values the settings offer.

#include "base/result.h"
#include "program/program.h"

#include <span>
#include <string>
#include <vector>

namespace trevalo::program {

struct Reading {
    double start_s = 0;  // since the start of the workout, ascending
    double speed_mps = 0;
    double incline_pct = 0;
};

// A value that lay beyond what the list offers, and the end taken instead.
struct Beyond {
    enum class What : std::uint8_t { Speed, Incline, Time, Weight } what;
    int segment = -1;    // 0-based, for speeds and inclines
    double wanted = 0;   // speed in the unit shown, percent, minutes, weight unit
    int taken = 0;       // as the program holds it: tenths, percent, minutes, weight
};

struct Resampled {
    Program program;
    std::vector<Beyond> beyond;
};

// `total_s` is the workout's length: the last reading holds until then. The
// time is the offered one nearest to it (a tie: the shorter); the segments
// shown split it into equal spans. `weight` is in the weight unit of the
// settings' unit. Refused when there is no reading or no length.
Result<Resampled> resample(std::span<const Reading> readings, double total_s, const Settings& settings,
                           double weight);

// One paragraph for the user per kind of value that was beyond its list, in
// segment order ("Segments 3, 4: 15 MPH is the highest speed offered; ..."),
// empty when nothing was.
std::vector<std::string> describe(const std::vector<Beyond>& beyond, const Settings& settings);

}  // namespace trevalo::program
