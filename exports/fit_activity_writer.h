#pragma once

// A workout as a FIT activity file, the binary format that sports watches
// record and that training platforms import. One session of one lap, sport
// running on a treadmill, one record message per point.

#include "exports/workout.h"
#include "fit/serial_number.h"

#include <cstdint>
#include <string>

namespace trevalo::exports {

// The whole file: header, messages and the CRC that closes it. Values beyond
// what a field can hold are clamped to its range, never wrapped; a point
// without a pulse has a record without a heart rate. Each file gets a serial
// number of its own unless a test fixes one; the activity's local time is
// UTC plus this machine's zone offset at the workout's end.
std::string write_fit_activity(const Workout& workout, std::uint32_t serial_number = fit::new_serial_number());

}  // namespace trevalo::exports
