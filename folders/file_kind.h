#pragma once

// The kinds of file the dialogs ask for. Each kind remembers its own folder:
// program files live on the stick, pictures and exports perhaps in the home
// folder, and one kind's trip must not move another's dialog.

#include <string_view>

namespace trevalo::folders {

struct FileKind {
    std::string_view key;  // the settings key; never change one, or users lose what was kept
};

inline constexpr FileKind kProgramFiles{"program_files"};
inline constexpr FileKind kRecordFiles{"record_files"};
inline constexpr FileKind kExports{"exports"};
inline constexpr FileKind kChartPictures{"chart_pictures"};
inline constexpr FileKind kWorkoutPlans{"workout_plans"};  // IMPORT's FIT and ZWO files
inline constexpr FileKind kWatchWorkouts{"watch_workouts"};  // EXPORT's FIT workouts

}  // namespace trevalo::folders
