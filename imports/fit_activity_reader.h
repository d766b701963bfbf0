#pragma once

// A FIT activity (a watch's run, or one this tool exported) as readings a
// program can be resampled from.

#include "base/result.h"
#include "fit/decoded.h"
#include "imports/activity_readings.h"

namespace trevalo::imports {

// One reading per record with a time: speed from `enhanced_speed` or
// `speed`, incline from `grade`. A record without a speed or grade keeps the
// one before it; a record stamped before the one before it is passed over,
// one stamped at the same second replaces it. Refused when the file is not
// an activity or holds fewer than two timed records.
Result<ActivityReadings> read_fit_activity(const fit::Decoded& decoded);

}  // namespace trevalo::imports
