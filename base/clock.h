#pragma once

// The C library's calendar, the same on every system: clock_posix.cpp and
// clock_windows.cpp hold the calls, and the build picks one.

#include <cstdint>
#include <ctime>

namespace trevalo {

// The calendar fields of a moment in UTC.
std::tm utc_fields(std::int64_t unix_time);

// The machine's zone offset at that moment in seconds east of UTC, summer
// time included; 0 where the zone is unknown.
std::int64_t zone_offset_s(std::int64_t unix_time);

}  // namespace trevalo
