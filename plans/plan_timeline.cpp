#include "plans/plan_timeline.h"

#include "base/translation.h"
#include "plans/plan_texts.h"

#include <cmath>
#include <optional>
#include <string>

namespace trevalo::plans {

namespace {

using Refusal = std::optional<std::string>;

bool usable(double value) { return std::isfinite(value) && value >= 0; }

// Numbers a reader let through that no treadmill could run.
Refusal check_values(const Step& step)
{
    if (step.length != Step::Length::Open && !usable(step.amount))
        return filled(translated("plans", "%1 has a length of %2, which cannot be run."), step_reference(step),
                      number_text(step.amount));
    for (const auto& speed : {step.speed_mps, step.end_speed_mps})
        if (speed && !usable(*speed))
            return filled(translated("plans", "%1 sets a speed of %2 m/s, which cannot be run."),
                          step_reference(step), number_text(*speed));
    if (!std::isfinite(step.incline_pct))
        return filled(translated("plans", "%1 sets an incline that is not a number."), step_reference(step));
    return std::nullopt;
}

// A step that names only where a ramp ends runs at that speed throughout.
std::optional<double> start_speed(const Step& step) { return step.speed_mps ? step.speed_mps : step.end_speed_mps; }
std::optional<double> end_speed(const Step& step) { return step.end_speed_mps ? step.end_speed_mps : step.speed_mps; }

// A step without a speed runs on at the speed the runner leaves the nearest
// earlier step with; at the start of the plan, where there is none, it runs
// at the speed the first step that sets one starts with.
Refusal fill_speeds(const Plan& plan, std::vector<TimedStep>& steps)
{
    std::optional<double> before;
    for (TimedStep& timed : steps) {
        const Step& step = plan.steps[timed.index];
        if (start_speed(step)) {
            timed.speed_mps = *start_speed(step);
            timed.end_speed_mps = *end_speed(step);
            before = timed.end_speed_mps;
        } else if (before) {
            timed.speed_mps = timed.end_speed_mps = *before;
            timed.borrowed = true;
        }
    }
    if (!before)
        return translated("plans", "The workout sets no speed in any step (it may be a cycling or heart-rate "
                                   "workout); a treadmill program needs speeds.");
    std::size_t first = 0;
    while (!start_speed(plan.steps[steps[first].index]))
        ++first;
    for (std::size_t i = 0; i < first; ++i) {
        steps[i].speed_mps = steps[i].end_speed_mps = steps[first].speed_mps;
        steps[i].borrowed = true;
    }
    return std::nullopt;
}

}  // namespace

Result<Timeline> lay_out(const Plan& plan)
{
    if (plan.steps.empty())
        return Result<Timeline>::failure(translated("plans", "The workout has no steps."));
    Timeline timeline;
    timeline.steps.reserve(plan.steps.size());
    for (std::size_t i = 0; i < plan.steps.size(); ++i) {
        if (Refusal refusal = check_values(plan.steps[i]))
            return Result<Timeline>::failure(*refusal);
        timeline.steps.push_back({.index = i, .incline_pct = plan.steps[i].incline_pct});
    }
    if (Refusal refusal = fill_speeds(plan, timeline.steps))
        return Result<Timeline>::failure(*refusal);

    for (TimedStep& timed : timeline.steps) {
        const Step& step = plan.steps[timed.index];
        switch (step.length) {
        case Step::Length::Time: timed.duration_s = step.amount; break;
        case Step::Length::Open:
            timed.duration_s = kOpenStepSeconds;
            timed.open = true;
            break;
        case Step::Length::Distance: {
            // A ramp changes speed evenly over time, so its mean speed over
            // the step is the mean of its ends: the distance divided by that
            // mean is the exact time, not an estimate.
            const double mean_mps = (timed.speed_mps + timed.end_speed_mps) / 2;
            if (step.amount > 0 && !(mean_mps > 0))
                return Result<Timeline>::failure(
                    filled(translated("plans", "%1 covers %2 m at a speed of 0, so it never ends."),
                           step_reference(step), number_text(step.amount)));
            timed.duration_s = step.amount > 0 ? step.amount / mean_mps : 0;
            break;
        }
        }
        timed.start_s = timeline.total_s;
        timeline.total_s += timed.duration_s;
        if (!(timeline.total_s <= kLongestPlanSeconds))
            return Result<Timeline>::failure(
                filled(translated("plans", "The workout lasts more than 24 hours (by %1); that is too long to import."),
                       step_reference(step)));
    }
    if (!(timeline.total_s > 0))
        return Result<Timeline>::failure(
            translated("plans", "The workout has no length: every step lasts 0 seconds."));
    return timeline;
}

}  // namespace trevalo::plans
