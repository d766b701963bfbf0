#pragma once

// The periods the history adds workouts up by: ISO weeks, Monday first, and
// calendar months, named so that their names sort as they follow.

#include "records/start_time.h"

#include <string>
#include <vector>

namespace trevalo::history {

enum class Period { Week, Month };

// "2026-W49", weeks from Monday, the year the week's Thursday falls in.
std::string iso_week(const records::LocalTime& time);
// "2026-12".
std::string month(const records::LocalTime& time);

// The `count` periods that end with `last` ("2026-W49" or "2026-12"), oldest
// first, empty ones included; none when `last` names no period.
std::vector<std::string> periods_ending(Period period, const std::string& last, int count);

}  // namespace trevalo::history
