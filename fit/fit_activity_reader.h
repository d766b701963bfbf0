#pragma once

// A FIT activity (a watch's run, or one this tool exported) as readings a
// program can be resampled from.

#include "fit/decoded.h"
#include "program/resample.h"
#include "program/result.h"

#include <vector>

namespace trevalo::fit {

struct ActivityReadings {
    std::vector<program::Reading> readings;  // from 0 s, strictly ascending
    double total_s = 0;                      // the last record's time: the last reading holds until then
};

// One reading per record with a time: speed from `enhanced_speed` or
// `speed`, incline from `grade`. A record without a speed or grade keeps the
// one before it; a record stamped before the one before it is passed over,
// one stamped at the same second replaces it. Refused when the file is not
// an activity or holds fewer than two timed records.
Result<ActivityReadings> read_fit_activity(const Decoded& decoded);

}  // namespace trevalo::fit
