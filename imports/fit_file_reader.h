#pragma once

// The one door for FIT files the user brings: a workout becomes a plan, an
// activity becomes readings to resample; anything else is refused, saying
// what it is.

#include "base/result.h"
#include "imports/fit_activity_reader.h"
#include "plans/plan.h"

#include <string_view>
#include <variant>

namespace trevalo::imports {

// A FIT file the user brings holds one of these.
using FitContent = std::variant<plans::Plan, ActivityReadings>;

Result<FitContent> read_fit_file(std::string_view bytes);

}  // namespace trevalo::imports
