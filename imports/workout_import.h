#pragma once

// A workout file from another tool, whatever its format (the rows of
// import_formats.h): a FIT workout (Garmin Connect, TrainingPeaks,
// intervals.icu and the like), an activity (a watch's run, or one this tool
// exported, as FIT or TCX), or a Zwift running workout (ZWO). Read first, since a ZWO file may leave the runner's threshold pace
// to be asked, then made into a program.

#include "base/result.h"
#include "imports/import_formats.h"
#include "plans/plan_program.h"
#include "program/program.h"

#include <string_view>

namespace trevalo::imports {

// The format is told by the bytes, else by the name's suffix
// (import_formats.h); a file neither tells is refused, naming the formats.
Result<WorkoutFile> read_workout_file(std::string_view bytes, std::string_view file_name);

// A ZWO file without <thresholdSecPerKm>: its speeds are shares of a pace
// only the runner knows.
bool needs_threshold_pace(const WorkoutFile& file);

// A ZWO hill session (slopes, no shares of a pace): its steps run at one
// steady pace the runner chooses.
bool needs_steady_pace(const WorkoutFile& file);

// The program under `settings`; the weight stays `weight`. `pace_s_per_km`
// is the runner's answer to either question above: the threshold pace, used
// only where the file has none of its own, or the steady pace.
Result<plans::Imported> workout_program(const WorkoutFile& file, const program::Settings& settings, int weight,
                                        double pace_s_per_km = 0);

}  // namespace trevalo::imports
