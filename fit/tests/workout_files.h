#pragma once

// Small FIT workout files for the tests, written step by step with the
// protocol writer.

#include "fit/incline_field.h"
#include "fit/profile.h"
#include "fit/writer.h"

#include <optional>
#include <string>
#include <vector>

namespace trevalo::fit::testing {

struct StepRow {
    std::int64_t duration_type = profile::duration_time;
    std::optional<std::int64_t> duration_value = {};
    std::int64_t target_type = profile::target_open;
    std::optional<std::int64_t> target_value = {}, low = {}, high = {};
    std::optional<std::int64_t> incline = {};  // tenths of a percent
};

struct FileOptions {
    std::int64_t file_type = profile::file_workout;
    ByteOrder order = ByteOrder::Little;
    std::uint8_t incline_number = 0;  // the developer field's number
    bool strangers = false;           // an unknown message and an unknown field among the steps
    std::string_view tail = {};       // bytes after the steps, the sizes and CRCs made to fit them
};

inline std::string workout_file(const std::vector<StepRow>& steps, FileOptions options = {})
{
    namespace ws = profile::workout_step;
    using enum BaseType;
    Writer out(options.order);
    out.write(profile::file_id::number, {{profile::file_id::type, enum8, options.file_type}});
    out.declare_developer(1, incline_field::application_id);
    out.declare_field({1, 3, uint8, "cadence", "rpm", std::nullopt});
    out.declare_field({1, options.incline_number, sint16, "incline", "%", 10});
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const StepRow& s = steps[i];
        if (options.strangers)
            out.write(0xFF01, {{1, uint32, 5}});
        out.write(ws::number,
                  {{ws::message_index, uint16, static_cast<std::int64_t>(i)},
                   {ws::duration_type, enum8, s.duration_type},
                   {ws::duration_value, uint32, s.duration_value},
                   {ws::target_type, enum8, s.target_type},
                   {ws::target_value, uint32, s.target_value},
                   {ws::custom_target_value_low, uint32, s.low},
                   {ws::custom_target_value_high, uint32, s.high},
                   {99, uint16, options.strangers ? std::optional<std::int64_t>(7) : std::nullopt}},
                  {{1, 3, uint8, 90}, {1, options.incline_number, sint16, s.incline}});
    }
    out.append_raw(options.tail);
    return out.finish();
}

}  // namespace trevalo::fit::testing
