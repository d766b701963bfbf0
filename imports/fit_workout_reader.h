#pragma once

// A FIT workout file (from a watch maker's planner, a coach's platform, or
// this tool) as a training plan: steps in running order with their repeats
// expanded.

#include "base/result.h"
#include "fit/decoded.h"
#include "plans/plan.h"

namespace trevalo::imports {

// Time and distance steps keep their length; the lap button, heart rate,
// calorie and power kinds are open. A custom speed target runs at the
// middle of its range; any other target sets no speed. The incline is the
// developer field named "incline", else 0.
//
// "Repeat until steps complete" runs the steps from the one it names up to
// itself as many times in all as its count; repeats may nest. Repeats until
// a time, distance, calories, heart rate or power run their steps once and
// say so in the plan's notes.
//
// Refused, with the step and byte: a file of another kind, one without
// steps, a repeat that points at itself, forward or at no step, and a
// workout that would run beyond 24 hours or 10,000 steps once expanded.
Result<plans::Plan> read_fit_workout(const fit::Decoded& decoded);

}  // namespace trevalo::imports
