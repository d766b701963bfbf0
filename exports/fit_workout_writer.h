#pragma once

// A program as a FIT workout file, for a watch to lead the run or a
// platform to keep: one step per run of segments with the same speed and
// incline, the speed as a custom speed target, the incline as a developer
// field (fit/incline_field.h).

#include "program/program.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace trevalo::exports {

struct WorkoutFileId {
    std::uint32_t serial_number = 1;  // see fit/serial_number.h
    std::int64_t created_utc = 0;     // seconds since 1970-01-01 00:00 UTC
};

// `name` is cut to the 15 characters watches show.
std::string write_fit_workout(const program::Program& program, std::string_view name, const WorkoutFileId& id);

// The step's name a watch shows: "6.5 mph 3%", "9.5 km/h 2%".
std::string step_name(int speed_tenths, int incline_pct, program::Unit unit);

}  // namespace trevalo::exports
