#include "imports/workout_import.h"

#include "imports/fit_file_reader.h"
#include "plans/zwo_plan.h"
#include "plans/zwo_reader.h"
#include "program/resample.h"

#include <algorithm>
#include <cctype>

namespace trevalo::imports {

namespace {

bool names_fit(std::string_view bytes, std::string_view file_name)
{
    if (bytes.size() >= 12 && bytes.substr(8, 4) == ".FIT")
        return true;
    const auto dot = file_name.rfind('.');
    if (dot == std::string_view::npos)
        return false;
    std::string suffix;
    for (char c : file_name.substr(dot + 1))
        suffix += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return suffix == "fit";
}

}  // namespace

Result<WorkoutFile> read_workout_file(std::string_view bytes, std::string_view file_name)
{
    if (names_fit(bytes, file_name)) {
        auto fit = read_fit_file(bytes);
        if (!fit)
            return Result<WorkoutFile>::failure(fit.error());
        return std::visit([](auto&& content) { return Result<WorkoutFile>(WorkoutFile{std::move(content)}); },
                          std::move(fit).value());
    }
    auto zwo = plans::read_zwo(bytes);
    if (!zwo)
        return Result<WorkoutFile>::failure(zwo.error());
    return WorkoutFile{std::move(zwo).value()};
}

bool needs_threshold_pace(const WorkoutFile& file)
{
    const auto* zwo = std::get_if<plans::ZwoWorkout>(&file.content);
    return zwo && !zwo->threshold_s_per_km;
}

Result<plans::Imported> workout_program(const WorkoutFile& file, const program::Settings& settings, int weight,
                                        double threshold_s_per_km)
{
    if (const auto* plan = std::get_if<plans::Plan>(&file.content))
        return plans::plan_program(*plan, settings, weight);
    if (const auto* zwo = std::get_if<plans::ZwoWorkout>(&file.content))
        return plans::plan_program(plans::zwo_plan(*zwo, zwo->threshold_s_per_km.value_or(threshold_s_per_km)),
                                   settings, weight);
    // An activity is a recorded workout: resampled as Make Program does.
    const auto& activity = std::get<ActivityReadings>(file.content);
    auto made = program::resample(activity.readings, activity.total_s, settings, weight);
    if (!made)
        return Result<plans::Imported>::failure(made.error());
    return plans::Imported{made->program, program::describe(made->beyond, settings)};
}

}  // namespace trevalo::imports
