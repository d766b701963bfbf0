#pragma once

// A workout file from another tool, whatever its format: a FIT workout
// (Garmin Connect, TrainingPeaks, intervals.icu and the like), a FIT activity
// (a watch's run, or one this tool exported), or a Zwift running workout
// (ZWO). Read first, since a ZWO file may leave the runner's threshold pace
// to be asked, then made into a program.

#include "imports/activity_readings.h"
#include "plans/plan.h"
#include "plans/plan_program.h"
#include "plans/zwo_workout.h"
#include "program/program.h"
#include "base/result.h"

#include <string_view>
#include <variant>

namespace trevalo::imports {

struct WorkoutFile {
    std::variant<plans::Plan, ActivityReadings, plans::ZwoWorkout> content;
};

// The format is told by the bytes: a FIT file names itself in its header;
// anything else is read as a ZWO file, unless its name says ".fit".
Result<WorkoutFile> read_workout_file(std::string_view bytes, std::string_view file_name);

// A ZWO file without <thresholdSecPerKm>: its speeds are shares of a pace
// only the runner knows.
bool needs_threshold_pace(const WorkoutFile& file);

// The program under `settings`; the weight stays `weight`. The threshold pace
// is used only where the file has none of its own.
Result<plans::Imported> workout_program(const WorkoutFile& file, const program::Settings& settings, int weight,
                                        double threshold_s_per_km = 0);

}  // namespace trevalo::imports
