#include "imports/fit_activity_reader.h"

#include "fit/file_type.h"
#include "fit/profile.h"

namespace trevalo::imports {

Result<ActivityReadings> read_fit_activity(const fit::Decoded& decoded)
{
    using R = Result<ActivityReadings>;
    namespace record = fit::profile::record;
    if (Result<void> kind = fit::expect_file_type(decoded, fit::profile::file_activity); !kind)
        return R::failure(kind.error());

    ActivityReadings out;
    std::optional<std::int64_t> first;
    std::int64_t last = 0;
    double speed = 0, incline = 0;
    for (const fit::Message& message : decoded.messages) {
        if (message.global != record::number)
            continue;
        const std::optional<std::int64_t> time = decoded.integer(message, record::timestamp);
        if (!time || (first && *time < last))
            continue;
        if (const auto enhanced = decoded.integer(message, record::enhanced_speed))
            speed = static_cast<double>(*enhanced) / 1000;
        else if (const auto plain = decoded.integer(message, record::speed))
            speed = static_cast<double>(*plain) / 1000;
        if (const auto grade = decoded.integer(message, record::grade))
            incline = static_cast<double>(*grade) / 100;
        if (!first)
            first = *time;
        const program::Reading reading{static_cast<double>(*time - *first), speed, incline};
        if (!out.readings.empty() && *time == last)
            out.readings.back() = reading;
        else
            out.readings.push_back(reading);
        last = *time;
    }
    if (out.readings.size() < 2)
        return R::failure("The FIT activity has fewer than two records with a time: they give the workout no length.");
    out.total_s = out.readings.back().start_s;
    return out;
}

}  // namespace trevalo::imports
