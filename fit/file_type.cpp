#include "fit/file_type.h"

#include "base/translation.h"
#include "fit/byte_text.h"

#include <array>
#include <utility>

namespace trevalo::fit {

Result<std::int64_t> file_type(const Decoded& decoded)
{
    const Message* id = decoded.first(profile::file_id::number);
    if (!id)
        return Result<std::int64_t>::failure(
            translated("fit", "This FIT file does not say what it holds: it has no file_id message, where a FIT file "
                              "names its kind."));
    const std::optional<std::int64_t> type = decoded.integer(*id, profile::file_id::type);
    if (!type)
        return Result<std::int64_t>::failure(filled(
            translated("fit", "This FIT file does not say what it holds: its file_id message gives no file type (%1)."),
            byte_text(id->offset)));
    return *type;
}

std::string describe_file_type(std::int64_t type)
{
    // The profile's types, and the ones watches write that it leaves out.
    static constexpr std::array<std::pair<int, const char*>, 19> names{{
        {1, TREVALO_NOOP("fit", "a description of a device")}, {2, TREVALO_NOOP("fit", "a device's settings")}, {3, TREVALO_NOOP("fit", "sport settings")}, {4, TREVALO_NOOP("fit", "an activity")},
        {5, TREVALO_NOOP("fit", "a workout")}, {6, TREVALO_NOOP("fit", "a course")}, {7, TREVALO_NOOP("fit", "a training schedule")}, {9, TREVALO_NOOP("fit", "weight readings")},
        {10, TREVALO_NOOP("fit", "totals of past activities")}, {11, TREVALO_NOOP("fit", "goals")}, {14, TREVALO_NOOP("fit", "blood pressure readings")},
        {15, TREVALO_NOOP("fit", "all-day monitoring data")}, {20, TREVALO_NOOP("fit", "a summary of an activity")}, {28, TREVALO_NOOP("fit", "daily monitoring totals")},
        {32, TREVALO_NOOP("fit", "all-day monitoring data")}, {34, TREVALO_NOOP("fit", "a segment")}, {35, TREVALO_NOOP("fit", "a list of segments")},
        {40, TREVALO_NOOP("fit", "data screen settings")}, {49, TREVALO_NOOP("fit", "sleep data")},
    }};
    for (const auto& [number, name] : names)
        if (number == type)
            return translated("fit", name);
    if (type >= 0xF7 && type <= 0xFE)
        return filled(translated("fit", "data of its maker's own kind (FIT file type %1)"), type);
    return filled(translated("fit", "data of a kind this tool does not know (FIT file type %1)"), type);
}

Result<void> expect_file_type(const Decoded& decoded, profile::FileType wanted)
{
    const Result<std::int64_t> type = file_type(decoded);
    if (!type)
        return Result<void>::failure(type.error());
    if (*type != wanted)
        return Result<void>::failure(filled(translated("fit", "This FIT file holds %1, not %2."),
                                            describe_file_type(*type), describe_file_type(wanted)));
    return {};
}

}  // namespace trevalo::fit
