#include "imports/workout_import.h"

#include "base/translation.h"
#include "imports/zwo_plan.h"
#include "program/resample.h"

namespace trevalo::imports {

Result<WorkoutFile> read_workout_file(std::string_view bytes, std::string_view file_name)
{
    if (const ImportFormat* format = import_format_for(bytes, file_name))
        return format->read(bytes);
    std::string names;
    const auto formats = import_formats();
    for (std::size_t i = 0; i < formats.size(); ++i) {
        const std::string name = translated("imports", formats[i].name.data());
        names = i == 0 ? name
                       : filled(i + 1 == formats.size() ? translated("imports", "%1 or %2") : translated("imports", "%1, %2"),
                                names, name);
    }
    return Result<WorkoutFile>::failure(
        filled(translated("imports", "This is not a workout file this tool can import: it is none of %1."), names));
}

bool needs_threshold_pace(const WorkoutFile& file)
{
    const auto* zwo = std::get_if<ZwoWorkout>(&file.content);
    return zwo && !zwo->threshold_s_per_km && !is_hill_session(*zwo);
}

bool needs_steady_pace(const WorkoutFile& file)
{
    const auto* zwo = std::get_if<ZwoWorkout>(&file.content);
    return zwo && is_hill_session(*zwo);
}

Result<plans::Imported> workout_program(const WorkoutFile& file, const program::Settings& settings, int weight,
                                        double pace_s_per_km)
{
    if (const auto* plan = std::get_if<plans::Plan>(&file.content))
        return plans::plan_program(*plan, settings, weight);
    if (const auto* zwo = std::get_if<ZwoWorkout>(&file.content)) {
        const double pace = is_hill_session(*zwo) ? pace_s_per_km : zwo->threshold_s_per_km.value_or(pace_s_per_km);
        return plans::plan_program(zwo_plan(*zwo, pace), settings, weight);
    }
    // An activity is a recorded workout: resampled as Make Program does.
    const auto& activity = std::get<ActivityReadings>(file.content);
    auto made = program::resample(activity.readings, activity.total_s, settings, weight);
    if (!made)
        return Result<plans::Imported>::failure(made.error());
    // How the file was read comes before what the treadmill could not run.
    std::vector<std::string> notes = activity.notes;
    for (std::string& note : program::describe(made->beyond, settings))
        notes.push_back(std::move(note));
    return plans::Imported{made->program, std::move(notes)};
}

}  // namespace trevalo::imports
