#pragma once

// A workout's start, read from its header line: the treadmill writes the
// date and time of the workout there, in local time.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace trevalo::records {

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

// "2026/03/01 07:30", "2026-03-01 07:30", "2026.03.01 07:30", with a "T"
// for the space too, and spaces around it allowed. A date that does not
// exist (month 13, 30 February) or a time past 23:59 is none.
std::optional<LocalTime> header_start(std::string_view header);

// Seconds since 1970-01-01 00:00 UTC of a time on this computer's clock,
// as the treadmill's owner set it; daylight saving time as the system knows.
std::int64_t to_utc(const LocalTime& time);

// "2026-03-01_0730": a file name that sorts by date.
std::string file_stem(const LocalTime& time);

}  // namespace trevalo::records
