#pragma once

// Every format a file is exported in, one row each: the dialog's filter,
// the suffix a typed name gets, and the writer. The dialogs' filter lists
// and the suffix rules are made from these rows and nowhere else.

#include "base/file_suffix.h"
#include "base/translation.h"
#include "program/program.h"
#include "records/record_store.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace trevalo::exports {

// A workout of the record file: FIT activity, TCX, CSV.
struct WorkoutFormat {
    std::string_view filter;  // "FIT activity (*.fit)", a literal marked for translation
    std::string_view suffix;  // "fit", without the dot, in lower case
    // Record r of the store, starting at `start_utc` (seconds since 1970, UTC).
    std::string (*write)(const records::RecordStore& store, int r, std::int64_t start_utc);
};

// The program of the Edit tab, for a watch to lead the run: FIT workout.
struct ProgramFormat {
    std::string_view filter;
    std::string_view suffix;
    // `name` is what the watch lists the workout by; `created_utc` as above.
    std::string (*write)(const program::Program& program, std::string_view name, std::int64_t created_utc);
};

std::span<const WorkoutFormat> workout_formats();
std::span<const ProgramFormat> program_formats();

// A row's filter as the dialog shows it, in the user's language.
template <typename Format>
std::string shown_filter(const Format& format)
{
    return translated("exports", format.filter.data());
}

// The row whose filter the dialog shows; the first when none is.
template <typename Format>
const Format& format_of_filter(std::span<const Format> formats, std::string_view filter)
{
    for (const Format& format : formats)
        if (shown_filter(format) == filter)
            return format;
    return formats.front();
}

// The row a typed name asks for by its suffix ("run.TCX"), else `chosen`.
template <typename Format>
const Format& format_for_name(std::span<const Format> formats, std::string_view file_name, const Format& chosen)
{
    const std::string suffix = file_suffix(file_name);
    for (const Format& format : formats)
        if (format.suffix == suffix)
            return format;
    return chosen;
}

}  // namespace trevalo::exports
