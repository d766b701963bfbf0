#pragma once

// The readings that resampling averages, taken from a laid-out plan.

#include "plans/plan_timeline.h"
#include "program/resample.h"

#include <vector>

namespace trevalo::plans {

// One reading a step; a ramp is cut into pieces of at most a second, and
// also where a segment of `segment_s` ends, each piece at the ramp's mean
// over it. The time-weighted mean over a segment is then the ramp's own, and
// over any other span it is off by no more than half a second of the ramp.
// Steps of no length give no reading.
std::vector<program::Reading> timeline_readings(const Timeline& timeline, double segment_s);

}  // namespace trevalo::plans
