#pragma once

// Reading a Zwift workout file (ZWO, XML) for a run.

#include "base/result.h"
#include "imports/zwo_workout.h"

#include <string_view>

namespace trevalo::imports {

// Refused with what and where (line and column): text that is not XML, a
// file with no <workout> or no segments in it, a cycling workout, and
// numbers that are missing, not numbers or beyond bounds.
Result<ZwoWorkout> read_zwo(std::string_view bytes);

}  // namespace trevalo::imports
