#pragma once

// The sports a FIT activity names (session, lap and sport messages), in the
// words a refusal tells the runner what the file holds instead of a run.

#include <cstdint>
#include <optional>
#include <string>

namespace trevalo::fit {

// Running or walking, on foot or on a treadmill: what a treadmill can play
// back. An activity that names no sport is taken as one.
bool is_run(std::optional<std::int64_t> sport, std::optional<std::int64_t> sub_sport);

// The activity as a noun with its article: "a ride", "a swim", "a rowing
// session", "an activity of a sport this tool does not know (FIT sport
// 200)". For a run, "a run".
std::string describe_sport(std::int64_t sport, std::optional<std::int64_t> sub_sport);

}  // namespace trevalo::fit
