#include "fit/file_type.h"

#include <array>
#include <utility>

namespace trevalo::fit {

Result<std::int64_t> file_type(const Decoded& decoded)
{
    const Message* id = decoded.first(profile::file_id::number);
    if (!id)
        return Result<std::int64_t>::failure("The FIT file has no file_id message, which says what kind of file it is.");
    const std::optional<std::int64_t> type = decoded.integer(*id, profile::file_id::type);
    if (!type)
        return Result<std::int64_t>::failure("The FIT file's file_id message gives no file type (byte " +
                                             std::to_string(id->offset) + ").");
    return *type;
}

std::string describe_file_type(std::int64_t type)
{
    static constexpr std::array<std::pair<int, const char*>, 18> names{{
        {1, "a device description"}, {2, "device settings"}, {3, "sport settings"}, {4, "an activity"},
        {5, "a workout"}, {6, "a course"}, {7, "a training schedule"}, {9, "weight readings"},
        {10, "totals"}, {11, "goals"}, {14, "blood pressure readings"}, {15, "daily monitoring"},
        {20, "an activity summary"}, {28, "daily monitoring"}, {32, "monitoring"}, {34, "a segment"},
        {35, "a segment list"}, {40, "data screen settings"},
    }};
    for (const auto& [number, name] : names)
        if (number == type)
            return name;
    return "a file of type " + std::to_string(type);
}

Result<void> expect_file_type(const Decoded& decoded, profile::FileType wanted)
{
    const Result<std::int64_t> type = file_type(decoded);
    if (!type)
        return Result<void>::failure(type.error());
    if (*type != wanted)
        return Result<void>::failure("This FIT file is " + describe_file_type(*type) + ", not " +
                                     describe_file_type(wanted) + ".");
    return {};
}

}  // namespace trevalo::fit
