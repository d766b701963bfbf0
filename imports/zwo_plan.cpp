#include "imports/zwo_plan.h"

#include "base/translation.h"

#include <cmath>
#include <string_view>

namespace trevalo::imports {

using plans::Plan;
using plans::Step;

namespace {

std::string_view kind_name(ZwoSegment::Kind kind)
{
    switch (kind) {
    case ZwoSegment::Kind::SteadyState: return "SteadyState";
    case ZwoSegment::Kind::Warmup: return "Warmup";
    case ZwoSegment::Kind::Cooldown: return "Cooldown";
    case ZwoSegment::Kind::Ramp: return "Ramp";
    case ZwoSegment::Kind::IntervalsT: return "IntervalsT";
    case ZwoSegment::Kind::FreeRide: break;
    }
    return "FreeRide";
}

struct Speeds {
    double threshold_s_per_km;
    // A share of 1 runs a kilometre in the threshold's seconds.
    std::optional<double> of(std::optional<double> share) const
    {
        if (!share || !std::isfinite(threshold_s_per_km) || !(threshold_s_per_km > 0))
            return std::nullopt;
        return 1000 * *share / threshold_s_per_km;
    }
};

}  // namespace

bool is_hill_session(const ZwoWorkout& workout)
{
    bool sloped = false;
    for (const ZwoSegment& segment : workout.segments) {
        if (segment.power || segment.end_power || segment.off_power)
            return false;
        sloped = sloped || segment.sloped;
    }
    return sloped;
}

Plan zwo_plan(const ZwoWorkout& workout, double pace_s_per_km)
{
    // A hill session runs every step at the share 1 of the steady pace.
    const bool hill = is_hill_session(workout);
    const Speeds speeds{pace_s_per_km};
    const auto speed = [&](std::optional<double> share) { return speeds.of(hill ? std::optional(1.0) : share); };
    const Step::Length length =
        workout.duration_type == ZwoDuration::Distance ? Step::Length::Distance : Step::Length::Time;
    Plan plan;
    plan.name = workout.name;
    // The segment kind and position name a step, as the runner sees the
    // blocks in Zwift's editor: "IntervalsT 3 on".
    for (const ZwoSegment& segment : workout.segments) {
        const std::string name = std::string(kind_name(segment.kind)) + " " + std::to_string(segment.position);
        Step step;
        step.name = name;
        step.number = segment.position;
        step.length = length;
        step.amount = segment.duration;
        step.speed_mps = speed(segment.power);
        step.incline_pct = segment.incline_pct;
        switch (segment.kind) {
        case ZwoSegment::Kind::Warmup:
        case ZwoSegment::Kind::Cooldown:
        case ZwoSegment::Kind::Ramp: step.end_speed_mps = hill ? std::nullopt : speed(segment.end_power); break;
        case ZwoSegment::Kind::IntervalsT: {
            Step off = step;
            step.name += " on";
            off.name += " off";
            off.amount = segment.off_duration;
            off.speed_mps = speed(segment.off_power);
            off.incline_pct = segment.off_incline_pct;
            for (int i = 0; i < segment.repeat; ++i) {
                plan.steps.push_back(step);
                plan.steps.push_back(off);
            }
            continue;
        }
        case ZwoSegment::Kind::SteadyState:
        case ZwoSegment::Kind::FreeRide: break;
        }
        plan.steps.push_back(std::move(step));
    }
    if (hill)
        plan.notes.push_back(
            translated("imports", "A hill session: every step runs at the steady pace you gave, at the file's slopes."));
    if (!workout.skipped.empty()) {
        std::string list;
        for (const std::string& element : workout.skipped)
            list = list.empty() ? element : filled(translated("imports", "%1, %2"), list, element);
        plan.notes.push_back(
            filled(translated("imports", "Left out, as this tool does not know what they ask of a run: %1."), list));
    }
    return plan;
}

}  // namespace trevalo::imports
