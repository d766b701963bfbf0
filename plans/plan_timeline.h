#pragma once

// A plan's steps laid end to end in time, each with a length and a speed a
// treadmill can run: what the file left open is filled in here, and the
// steps that needed it are marked so that the import can say so.

#include "base/result.h"
#include "plans/plan.h"

#include <cstddef>
#include <vector>

namespace trevalo::plans {

struct TimedStep {
    std::size_t index = 0;  // into Plan::steps
    double start_s = 0;
    double duration_s = 0;
    double speed_mps = 0;      // at the start
    double end_speed_mps = 0;  // at the end; the same unless the step is a ramp
    double incline_pct = 0;
    bool open = false;      // took kOpenStepSeconds
    bool borrowed = false;  // set no speed and took a neighbour's

    bool ramp() const { return end_speed_mps != speed_mps; }
    double end_s() const { return start_s + duration_s; }
};

struct Timeline {
    std::vector<TimedStep> steps;  // as in the plan, repeats included
    double total_s = 0;
};

// Refused: a plan with no steps, no speed anywhere, values that are not
// numbers or are negative, a distance at no speed, no length at all, or more
// than kLongestPlanSeconds.
Result<Timeline> lay_out(const Plan& plan);

}  // namespace trevalo::plans
