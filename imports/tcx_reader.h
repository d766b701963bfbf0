#pragma once

// Reading a Training Center XML (TCX v2) activity for a run: as Garmin
// Connect, Strava and this tool's EXPORT write them.

#include "base/result.h"
#include "imports/activity_readings.h"
#include "plans/plan.h"

#include <string_view>

namespace trevalo::imports {

// The longest activity read is the longest plan; the most trackpoints: a
// day at one point a second fits twice over.
inline constexpr double kTcxLongestSeconds = plans::kLongestPlanSeconds;
inline constexpr int kTcxMostTrackpoints = 200'000;

// One reading per trackpoint with a time, from every lap of the first
// activity, in file order: a point stamped before the one before it is
// passed over, one stamped at the same instant replaces it. The speed is the
// ActivityExtension's where a trackpoint has one (one without keeps the one
// before it); a file with none takes it from the distance over time. The
// incline is the climb over the distance where both grew, else 0.
//
// Refused with what and where (line and column): text that is not XML, a
// file that is not TCX or holds no activity, a ride or an activity that
// names no sport, fewer than two trackpoints at different times, no speed
// and no distance, a time or number that is no time or number, and an
// activity past the bounds above.
Result<ActivityReadings> read_tcx_activity(std::string_view bytes);

}  // namespace trevalo::imports
