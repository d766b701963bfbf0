#include "imports/import_formats.h"

#include "base/file_suffix.h"
#include "base/translation.h"
#include "imports/fit_file_reader.h"
#include "imports/tcx_reader.h"
#include "imports/xml_root.h"
#include "imports/zwo_reader.h"

#include <array>

namespace trevalo::imports {

namespace {

// A FIT file names itself in its header, in bytes 8 to 11.
bool names_fit(std::string_view bytes) { return bytes.size() >= 12 && bytes.substr(8, 4) == ".FIT"; }

Result<WorkoutFile> read_fit(std::string_view bytes)
{
    auto fit = read_fit_file(bytes);
    if (!fit)
        return Result<WorkoutFile>::failure(fit.error());
    return std::visit([](auto&& content) { return Result<WorkoutFile>(WorkoutFile{std::move(content)}); },
                      std::move(fit).value());
}

bool is_tcx(std::string_view bytes) { return xml_root_name(bytes) == "TrainingCenterDatabase"; }

Result<WorkoutFile> read_tcx(std::string_view bytes)
{
    auto tcx = read_tcx_activity(bytes);
    if (!tcx)
        return Result<WorkoutFile>::failure(tcx.error());
    return WorkoutFile{std::move(tcx).value()};
}

bool is_zwo(std::string_view bytes) { return xml_root_name(bytes) == "workout_file"; }

Result<WorkoutFile> read_zwo_file(std::string_view bytes)
{
    auto zwo = read_zwo(bytes);
    if (!zwo)
        return Result<WorkoutFile>::failure(zwo.error());
    return WorkoutFile{std::move(zwo).value()};
}

constexpr std::array kFormats{
    ImportFormat{TREVALO_NOOP("imports", "FIT files"), "fit", names_fit, read_fit},
    ImportFormat{TREVALO_NOOP("imports", "TCX files"), "tcx", is_tcx, read_tcx},
    ImportFormat{TREVALO_NOOP("imports", "Zwift workouts"), "zwo", is_zwo, read_zwo_file},
};

}  // namespace

std::span<const ImportFormat> import_formats() { return kFormats; }

const ImportFormat* import_format_for(std::string_view bytes, std::string_view file_name)
{
    for (const ImportFormat& format : kFormats)
        if (format.recognises(bytes))
            return &format;
    const std::string suffix = file_suffix(file_name);
    for (const ImportFormat& format : kFormats)
        if (format.suffix == suffix)
            return &format;
    return nullptr;
}

std::vector<std::string> import_filters()
{
    std::string all;
    std::vector<std::string> filters{""};
    for (const ImportFormat& format : kFormats) {
        const std::string pattern = "*." + std::string(format.suffix);
        all += (filters.size() > 1 ? " " : "") + pattern;
        filters.push_back(translated("imports", format.name.data()) + " (" + pattern + ")");
    }
    filters.front() = filled(translated("imports", "Workouts (%1)"), all);
    return filters;
}

}  // namespace trevalo::imports
