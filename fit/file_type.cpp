#include "fit/file_type.h"

#include "fit/byte_text.h"

#include <array>
#include <utility>

namespace trevalo::fit {

Result<std::int64_t> file_type(const Decoded& decoded)
{
    const Message* id = decoded.first(profile::file_id::number);
    if (!id)
        return Result<std::int64_t>::failure(
            "This FIT file does not say what it holds: it has no file_id message, where a FIT file names its kind.");
    const std::optional<std::int64_t> type = decoded.integer(*id, profile::file_id::type);
    if (!type)
        return Result<std::int64_t>::failure("This FIT file does not say what it holds: its file_id message gives no "
                                             "file type (" + byte_text(id->offset) + ").");
    return *type;
}

std::string describe_file_type(std::int64_t type)
{
    // The profile's types, and the ones watches write that it leaves out.
    static constexpr std::array<std::pair<int, const char*>, 19> names{{
        {1, "a description of a device"}, {2, "a device's settings"}, {3, "sport settings"}, {4, "an activity"},
        {5, "a workout"}, {6, "a course"}, {7, "a training schedule"}, {9, "weight readings"},
        {10, "totals of past activities"}, {11, "goals"}, {14, "blood pressure readings"},
        {15, "all-day monitoring data"}, {20, "a summary of an activity"}, {28, "daily monitoring totals"},
        {32, "all-day monitoring data"}, {34, "a segment"}, {35, "a list of segments"},
        {40, "data screen settings"}, {49, "sleep data"},
    }};
    for (const auto& [number, name] : names)
        if (number == type)
            return name;
    if (type >= 0xF7 && type <= 0xFE)
        return "data of its maker's own kind (FIT file type " + std::to_string(type) + ")";
    return "data of a kind this tool does not know (FIT file type " + std::to_string(type) + ")";
}

Result<void> expect_file_type(const Decoded& decoded, profile::FileType wanted)
{
    const Result<std::int64_t> type = file_type(decoded);
    if (!type)
        return Result<void>::failure(type.error());
    if (*type != wanted)
        return Result<void>::failure("This FIT file holds " + describe_file_type(*type) + ", not " +
                                     describe_file_type(wanted) + ".");
    return {};
}

}  // namespace trevalo::fit
