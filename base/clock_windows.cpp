#include "base/clock.h"

namespace trevalo {

std::tm utc_fields(std::int64_t unix_time)
{
    const __time64_t time = unix_time;
    std::tm fields{};
    _gmtime64_s(&fields, &time);
    return fields;
}

// The C runtime's tm has no offset: the local fields read back as if they
// were UTC are that far from the moment.
std::int64_t zone_offset_s(std::int64_t unix_time)
{
    const __time64_t time = unix_time;
    std::tm local{};
    if (_localtime64_s(&local, &time) != 0)
        return 0;
    const __time64_t as_utc = _mkgmtime64(&local);
    return as_utc == -1 ? 0 : static_cast<std::int64_t>(as_utc - time);
}

}  // namespace trevalo
