#pragma once

// A Zwift workout (ZWO) as its file says it, before any threshold pace turns
// its shares of that pace into speeds: the app may have to ask the runner
// for one in between.

#include <optional>
#include <string>
#include <vector>

namespace trevalo::imports {

struct ZwoSegment {
    enum class Kind : unsigned char { SteadyState, Warmup, Cooldown, Ramp, IntervalsT, FreeRide };
    Kind kind = Kind::SteadyState;
    int position = 0;  // 1-based among the workout's segments, as the runner counts its blocks
    int line = 0;

    // Seconds, or metres when the workout counts distance; IntervalsT: each "on".
    double duration = 0;
    // Shares of the threshold speed (1 = the threshold pace). A ramp (Warmup,
    // Cooldown, Ramp) runs evenly from `power` to `end_power`; IntervalsT runs
    // `power` on and `off_power` off; FreeRide sets none.
    std::optional<double> power;
    std::optional<double> end_power;

    int repeat = 1;  // IntervalsT
    double off_duration = 0;
    std::optional<double> off_power;

    double incline_pct = 0;      // IntervalsT: each "on"
    double off_incline_pct = 0;  // IntervalsT: each "off"
    // The file gives a slope (Slope, OnSlope, OffSlope, in percent) as
    // treadmill tools write hill sessions: no power is then needed.
    bool sloped = false;
};

enum class ZwoDuration : unsigned char { Time, Distance };

struct ZwoWorkout {
    std::string name;
    std::string sport_type;  // "run": a cycling file is refused on reading
    ZwoDuration duration_type = ZwoDuration::Time;
    std::optional<double> threshold_s_per_km;  // none: the file leaves the pace to the runner
    std::vector<ZwoSegment> segments;
    std::vector<std::string> skipped;  // elements of <workout> this tool does not know: "MaxEffort (line 7)"
};

// Bounds that keep a hostile file from costing unbounded memory or time.
inline constexpr int kZwoMostRepeats = 1000;
inline constexpr double kZwoFurthestMetres = 600'000;  // beyond a day at the fastest treadmill speed

}  // namespace trevalo::imports
