#pragma once

// A recorded workout (a watch's run, a TCX or FIT activity) as readings a
// program can be resampled from, whatever file it came from.

#include "program/resample.h"

#include <vector>

namespace trevalo::imports {

struct ActivityReadings {
    std::vector<program::Reading> readings;  // from 0 s, strictly ascending
    double total_s = 0;                      // the workout's length: the last reading holds until then
};

}  // namespace trevalo::imports
