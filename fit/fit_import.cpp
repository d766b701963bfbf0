#include "fit/fit_import.h"

#include "fit/decoder.h"
#include "fit/file_kind.h"
#include "fit/fit_workout_reader.h"

namespace trevalo::fit {

Result<Imported> fit_import(std::string_view bytes)
{
    using R = Result<Imported>;
    const Result<Decoded> decoded = decode(bytes);
    if (!decoded)
        return R::failure(decoded.error());
    const Result<std::int64_t> type = file_type(*decoded);
    if (!type)
        return R::failure(type.error());
    if (*type == profile::file_workout) {
        Result<plans::Plan> plan = read_fit_workout(*decoded);
        return plan ? R(std::move(plan).value()) : R::failure(plan.error());
    }
    if (*type == profile::file_activity) {
        Result<ActivityReadings> activity = read_fit_activity(*decoded);
        return activity ? R(std::move(activity).value()) : R::failure(activity.error());
    }
    return R::failure("This FIT file is " + describe_file_type(*type) +
                      ": only workouts and activities can be imported.");
}

}  // namespace trevalo::fit
