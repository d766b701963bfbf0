#include "base/clock.h"

namespace trevalo {

std::tm utc_fields(std::int64_t unix_time)
{
    const std::time_t time = static_cast<std::time_t>(unix_time);
    std::tm fields{};
    gmtime_r(&time, &fields);
    return fields;
}

std::int64_t zone_offset_s(std::int64_t unix_time)
{
    const std::time_t time = static_cast<std::time_t>(unix_time);
    std::tm local{};
    if (!localtime_r(&time, &local))
        return 0;
    return local.tm_gmtoff;
}

}  // namespace trevalo
