#pragma once

// Which steps the program cannot show as they are: a step shorter than a
// segment shares its segment with others, and the segment runs their mean.

#include "plans/plan.h"
#include "plans/plan_timeline.h"

#include <vector>

namespace trevalo::plans {

// Steps shorter than a segment that share a segment with a different speed
// or incline (or with a ramp), in running order. A short step among steps
// just like it loses nothing and is left out, as are steps of no length.
std::vector<const Step*> averaged_steps(const Plan& plan, const Timeline& timeline, double segment_s,
                                        int segments);

}  // namespace trevalo::plans
