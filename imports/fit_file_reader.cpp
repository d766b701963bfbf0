#include "imports/fit_file_reader.h"

#include "base/translation.h"
#include "fit/decoder.h"
#include "fit/file_type.h"
#include "imports/fit_workout_reader.h"

namespace trevalo::imports {

Result<FitContent> read_fit_file(std::string_view bytes)
{
    using R = Result<FitContent>;
    const Result<fit::Decoded> decoded = fit::decode(bytes);
    if (!decoded)
        return R::failure(decoded.error());
    const Result<std::int64_t> type = fit::file_type(*decoded);
    if (!type)
        return R::failure(type.error());
    if (*type == fit::profile::file_workout) {
        Result<plans::Plan> plan = read_fit_workout(*decoded);
        return plan ? R(std::move(plan).value()) : R::failure(plan.error());
    }
    if (*type == fit::profile::file_activity) {
        Result<ActivityReadings> activity = read_fit_activity(*decoded);
        return activity ? R(std::move(activity).value()) : R::failure(activity.error());
    }
    return R::failure(filled(translated("imports", "This FIT file holds %1, not a workout or an activity."),
                             fit::describe_file_type(*type)));
}

}  // namespace trevalo::imports
