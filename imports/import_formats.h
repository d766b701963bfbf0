#pragma once

// Every format IMPORT reads, one row each: its name and suffix for the
// dialog's filters, how it is told from its bytes, and its reader. A new
// format costs its reader and a row here; the dialog, the sniffing and the
// program it makes follow from the row.

#include "base/result.h"
#include "imports/activity_readings.h"
#include "imports/zwo_workout.h"
#include "plans/plan.h"

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace trevalo::imports {

// What a file from another tool holds once read: a plan of steps (a FIT
// workout), readings over time (a FIT or TCX activity), or a Zwift workout,
// whose speeds may wait for the runner's threshold pace.
struct WorkoutFile {
    std::variant<plans::Plan, ActivityReadings, ZwoWorkout> content;
};

struct ImportFormat {
    std::string_view name;    // "FIT files", as the dialog's filter shows it; a literal marked for translation
    std::string_view suffix;  // "fit", without the dot, in lower case
    bool (*recognises)(std::string_view bytes);
    Result<WorkoutFile> (*read)(std::string_view bytes);
};

std::span<const ImportFormat> import_formats();

// The row that knows the bytes, else the one the name's suffix asks for;
// none when neither tells.
const ImportFormat* import_format_for(std::string_view bytes, std::string_view file_name);

// The dialog's filters: all formats together first ("Workouts (*.fit *.tcx
// *.zwo)"), then each on its own ("FIT files (*.fit)").
std::vector<std::string> import_filters();

}  // namespace trevalo::imports
