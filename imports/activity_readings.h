#pragma once

// A recorded workout (a watch's run, a TCX or FIT activity) as readings a
// program can be resampled from, whatever file it came from.

#include "program/resample.h"

#include <string>
#include <vector>

namespace trevalo::imports {

struct ActivityReadings {
    std::vector<program::Reading> readings;  // strictly ascending, from 0 s at the earliest, all before total_s
    double total_s = 0;                      // the workout's length: the last reading holds until then
    // What the runner should know of how the file was read ("The run lasted
    // 1:54:16 by the watch's timer; ..."), in words, for the import's message.
    std::vector<std::string> notes;
};

}  // namespace trevalo::imports
