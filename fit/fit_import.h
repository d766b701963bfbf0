#pragma once

// The one door for FIT files the user brings: a workout becomes a plan, an
// activity becomes readings to resample; anything else is refused, saying
// what it is.

#include "fit/fit_activity_reader.h"
#include "plans/plan.h"
#include "program/result.h"

#include <string_view>
#include <variant>

namespace trevalo::fit {

using Imported = std::variant<plans::Plan, ActivityReadings>;

Result<Imported> fit_import(std::string_view bytes);

}  // namespace trevalo::fit
