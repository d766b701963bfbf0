#include "exports/export_formats.h"

#include <gtest/gtest.h>

#include <tuple>

namespace trevalo::exports {
namespace {

// A typed suffix picks the format whatever its case, else the filter chosen
// in the dialog does; a dot in a folder's name is no suffix.
TEST(ExportFormats, TheTypedSuffixPicksTheFormatElseTheChosenFilter)
{
    const auto formats = workout_formats();
    const auto row = [&](std::string_view suffix) -> const WorkoutFormat& {
        for (const WorkoutFormat& f : formats)
            if (f.suffix == suffix)
                return f;
        ADD_FAILURE() << "no row for " << suffix;
        return formats.front();
    };
    for (const auto& [name, chosen, picked] :
         {std::tuple{"run.tcx", "fit", "tcx"}, {"run.FIT", "csv", "fit"}, {"run.csv", "tcx", "csv"},
          {"run", "tcx", "tcx"}, {"run.txt", "csv", "csv"}, {"my.runs/run", "fit", "fit"}})
        EXPECT_EQ(format_for_name(formats, name, row(chosen)).suffix, picked) << name;
}

// The dialog's filter names its row, and an unknown one falls back to the
// first, so that a suffix is always added; every filter names its suffix.
TEST(ExportFormats, EachFilterNamesItsRowAndItsSuffix)
{
    for (const auto& f : workout_formats()) {
        EXPECT_EQ(&format_of_filter(workout_formats(), f.filter), &f);
        EXPECT_NE(f.filter.find("(*." + std::string(f.suffix) + ")"), std::string_view::npos) << f.filter;
    }
    EXPECT_EQ(&format_of_filter(workout_formats(), "All files (*)"), &workout_formats().front());
    EXPECT_EQ(program_formats().front().filter, "FIT workout (*.fit)");
}

}  // namespace
}  // namespace trevalo::exports
