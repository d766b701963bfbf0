#pragma once

// A FIT activity (a watch's run, or one this tool exported) as readings a
// program can be resampled from.

#include "base/result.h"
#include "fit/decoded.h"
#include "imports/activity_readings.h"

namespace trevalo::imports {

// Runs only: the sport of the session, else of a lap, else of the sport
// message, is running or walking (on a treadmill too) or not given; any
// other is refused, naming it. Of a file of several sessions (a triathlon)
// the running ones are read, joined in order, and a note says so.
//
// The time counted is the time the watch's timer ran: the stretches between
// a timer stop and the next start are left out, and in a file without timer
// events any gap of more than 60 s between two records. The length is the
// sessions' total_timer_time where they give it; a note says how long the
// run lasted by the timer.
//
// One reading per record with a time. Speed from `enhanced_speed`, else
// `speed`, else the compressed speed/distance field; where no record has a
// speed, from the distance covered (`distance`, else the compressed
// distance, which rolls over every 256 m) over the timer's time. Incline
// from `grade`. A record without a speed or grade keeps the one before it;
// a record stamped before the one before it is passed over, one at the same
// time replaces it. Refused when the file is not an activity, holds fewer
// than two timed records in its timer's time, or neither speed nor distance.
Result<ActivityReadings> read_fit_activity(const fit::Decoded& decoded);

}  // namespace trevalo::imports
